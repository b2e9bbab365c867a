#pragma once

#include "domain/tables/TableTitle.h"

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QStatusBar;
class QToolButton;
struct TableDefinition;

// One page of the entry window, built from its table's definition: title row, heading, painted
// pictures, input fields and the five buttons, all at the positions the definition gives.
class TablePage : public QWidget {
    Q_OBJECT
public:
    TablePage(const TableDefinition& table, QWidget* parent = nullptr);

    const TableDefinition& table() const { return table_; }
    // The input fields in the table's column order.
    const QList<QLineEdit*>& fields() const { return fields_; }
    // The field after `from` in tab order (before it when !forward), round from the last to the
    // first; the first (last) when `from` is none of the page's fields. Null on a page without fields.
    QLineEdit* fieldAfter(const QWidget* from, bool forward) const;
    // Only page 1 has the status line of the page mode.
    QStatusBar* statusBar() const { return statusBar_; }

    void setTitle(const TableTitle& title);
    void setButtonsVisible(bool visible);
    // Repaints the header grid and row captions.
    void repaintPictures();

signals:
    void fieldLeft(const QString& cell);
    void fieldEdited(const QString& cell); // the user changed the field's text
    void saveClicked();
    void cancelClicked();
    void toExcelClicked();
    void printClicked();
    void closeClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addTitleRow();
    void addHeading();
    void addFields();
    void addButtons();
    QToolButton* addButton(const char* name, int x, const QString& hint, const QIcon& icon);
    QString suffixed(const char* name) const;

    const TableDefinition& table_;
    QList<QLabel*> titleValues_;
    QLabel* year_ = nullptr;
    QList<QWidget*> pictures_;
    QList<QLineEdit*> fields_;
    QList<QLineEdit*> tabOrder_;
    QList<QToolButton*> buttons_;
    QStatusBar* statusBar_ = nullptr;
};

