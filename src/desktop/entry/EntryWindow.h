#pragma once

#include "TablePagesWindow.h"
#include "desktop/Session.h"
#include "domain/tables/ReportTableStore.h"
#include "domain/tables/TitleResolver.h"

#include <QHash>

class Database;

// The data-entry window: one page per report table, in which the tables of one title are
// entered, checked, stored and printed.
class EntryWindow : public TablePagesWindow {
    Q_OBJECT
public:
    EntryWindow(Database& data, Session& session, QWidget* parent = nullptr);
    ~EntryWindow() override;

    // Resolves the title of the names chosen in the main window and shows the window modally.
    void openFor(const TitleNames& names);
    // Sets the title codes (page 1's labels and the run-time values); a name that resolves to
    // nothing is reported and false returned, and the window must not open.
    bool CreateUpperForTables(const TitleNames& names);

protected:
    void showEvent(QShowEvent* event) override;
    void sbSaveClick(const TableDefinition& table) override;

private:
    // Runs every time a page becomes visible: load it, then warn about a row already sent.
    void addWorkbookButtons();
    void pageShow(int index);
    PageLoad ShowTable(TablePage& page);

    TableTitle title_;
    QHash<int, bool> storedRow_; // by table: the last load found a stored row
};
