#pragma once

#include "desktop/entry/TablePagesWindow.h"
#include "domain/tables/TableTitle.h"

class Database;
struct Session;

// The correction window: one stored report table, loaded from the correction list's row, shown
// alone on its page, checked by the correction's variant of its table and always updated.
// Storing or closing ends the correction (the list window closes with it).
class CorrectionWindow : public TablePagesWindow {
    Q_OBJECT
public:
    CorrectionWindow(Database& data, Session& session, QWidget* parent = nullptr);

    // Makes the title current, shows only the table's page and loads the stored row into it;
    // false (and a message) when the row is no longer stored. The caller then shows the window.
    bool loadRow(int table, const TableTitle& title);

protected:
    void sbSaveClick(const TableDefinition& table) override;
};
