#pragma once

#include "domain/tables/TableTitle.h"

#include <QList>
#include <QString>
#include <QStringList>

class SqlEngine;

// What became of one sheet that held values.
struct FarmPageImport {
    int table = 0;
    bool stored = false;
    QStringList messages; // why it was refused, or the warnings of a stored page
};

enum class FarmFileOutcome {
    Read,    // its pages were checked one by one
    Refused, // its title does not name a known farm: nothing of it was stored
    Failed,  // it could not be read, or the database failed
};

struct FarmFileImport {
    QString path;
    FarmFileOutcome outcome = FarmFileOutcome::Read;
    QString error;
    TableTitle title;
    QList<FarmPageImport> pages;
};

// Imports a farm workbook as if a person had typed every sheet that holds a value into its page
// of the entry window, field by field in tab order, and pressed Save: the leave actions, then the
// page's check, then the store (update or insert, unsent). A page that fails stays unstored and
// the other pages go on. The title comes from the title cells of the first table's sheet.
FarmFileImport importFarmWorkbook(SqlEngine& db, const QString& path);

// One line per file and per page, then the summary.
QStringList farmImportReport(const QList<FarmFileImport>& files);
// 0 when every page with values was stored, 3 when a page or a file was refused, 1 on an error.
int farmImportExitCode(const QList<FarmFileImport>& files);
