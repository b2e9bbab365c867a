#pragma once

#include "FieldTexts.h"
#include "PagePrinter.h"
#include "desktop/EditingDialog.h"
#include "desktop/Session.h"
#include "domain/tables/ReportTableStore.h"
#include "domain/tables/TableRules.h"
#include "domain/tables/TitleResolver.h"

#include <QHash>
#include <memory>

class QPrinter;
class QTabWidget;
class Database;
class TablePage;
struct TableDefinition;

// The data-entry window: one page per report table, in which the tables of one title are
// entered, checked, stored and printed.
class EntryWindow : public EditingDialog {
    Q_OBJECT
public:
    EntryWindow(Database& data, Session& session, QWidget* parent = nullptr);
    ~EntryWindow() override;

    // Resolves the title of the names chosen in the main window and shows the window modally.
    void openFor(const TitleNames& names);
    // Sets the title codes (page 1's labels and the run-time values); a name that resolves to
    // nothing is reported and false returned, and the window must not open.
    bool CreateUpperForTables(const TitleNames& names);

    void setPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addPages();
    void keepPagesFromKeys();
    void connectPage(TablePage* page);
    TablePage* page(int index) const;
    // Runs every time a page becomes visible: load it, then warn about a row already sent.
    void pageShow(int index);
    PageLoad ShowTable(TablePage& page);
    void fieldExit(const TableDefinition& table, const QString& cell);
    void sbSaveClick(const TableDefinition& table);
    void sbCancelClick();
    void sbPrintClick(TablePage& page);
    void showNotices(const QList<Notice>& notices);

    Database& data_;
    Session& session_;
    QTabWidget* pageControl_ = nullptr;
    FieldTexts fields_;
    TableTitle title_;
    QHash<int, bool> storedRow_; // by table: the last load found a stored row
    bool leaving_ = false;
    std::unique_ptr<QPrinter> printer_;
    PrinterChooser choosePrinter_;
};
