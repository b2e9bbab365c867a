#pragma once

#include "domain/correction/StoredTitles.h"

#include <QList>
#include <QString>

class SqlEngine;

// One disagreement between two stored tables of a title.
struct ConsistencyFinding {
    NamedTitle title;       // names, codes and year
    int leftTable = 0;      // the tables compared, as the message names its sides
    int rightTable = 0;
    QString message;        // the windows' own text for this comparison
    qint64 leftValue = 0;   // the two sides as stored (a missing table counts as 0)
    qint64 rightValue = 0;
    int tableToCorrect = 0; // the first of the two tables that is stored
};

struct ConsistencyReport {
    int titlesChecked = 0;
    QList<ConsistencyFinding> findings; // in the order of the correction list, then of the comparisons
};

// Every cross-table comparison the program knows (the correction window's of Tables 1 to 5 and the
// entry window's Table 9 warnings, each once) applied to every title stored in any of the nine
// tables in the year, in one region (its code) or, with an empty code, in all. One statement per
// table, whatever the number of titles.
ConsistencyReport checkConsistency(SqlEngine& db, const QString& regionCode, const QString& year);

// How a finding is shown, one text a column, in the window's grid, the workbook and the command line.
const QStringList& findingCaptions();
QStringList findingTexts(const ConsistencyFinding& finding);
// "Найдено расхождений: N (проверено заголовков: M)."
QString findingsCountText(const ConsistencyReport& report);
