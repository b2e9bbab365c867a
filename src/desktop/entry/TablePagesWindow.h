#pragma once

#include "FieldTexts.h"
#include "PagePrinter.h"
#include "domain/tables/TableRules.h"

#include "desktop/EditingDialog.h"

#include <memory>

class Database;
class QPrinter;
class QTabWidget;
class TablePage;
struct Session;
struct TableDefinition;

// A window with one page per report table in PageControl1, built from the given definitions: the
// entry and the correction window. Leaving or editing a field runs its table's actions, Cancel
// zeroes every field, Print prints the window's image, the spreadsheet button writes the page's
// stored row of the session's title into the farm workbook, Close closes; Save is the window's own.
class TablePagesWindow : public EditingDialog {
    Q_OBJECT
public:
    void setPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

protected:
    TablePagesWindow(Database& data, Session& session, const QList<const TableDefinition*>& tables, QWidget* parent);
    ~TablePagesWindow() override;

    QTabWidget* pageControl() const { return pageControl_; }
    TablePage* page(int index) const;
    FieldTexts& fields() { return fields_; }
    // Each notice through the dialog service, then the focus to its field when it names one.
    void showNotices(const QList<Notice>& notices);

    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual void sbSaveClick(const TableDefinition& table) = 0;
    // Hidden while the window's image is printed, shown again after.
    void setPrintHidden(QWidget* widget) { printHidden_ = widget; }

    Database& data_;
    Session& session_;

private:
    void connectPage(TablePage* page);
    void keepPagesFromKeys();
    void fieldExit(const TableDefinition& table, const QString& cell);
    void sbPrintClick(TablePage& page);

    QTabWidget* pageControl_ = nullptr;
    FieldTexts fields_;
    bool leaving_ = false;
    std::unique_ptr<QPrinter> printer_;
    PrinterChooser choosePrinter_;
    QWidget* printHidden_ = nullptr;
};
