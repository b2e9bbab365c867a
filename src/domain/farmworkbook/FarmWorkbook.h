#pragma once

#include "domain/tables/TableTitle.h"

#include <QList>
#include <QString>

class SqlEngine;
class Workbook;

enum class FarmWorkbookContent {
    Stored, // the tables' stored rows, read afresh; a table without one has empty value cells
    Blank,  // only the title: a form for a farm to fill
};

// "Регион: … (56); район: … (1); …": the names of a title's codes, for the line a person reads.
QString farmTitleLine(SqlEngine& db, const TableTitle& title);

// The farm workbook of one title with the sheets of `tables` filled: title cells, the names
// line and, for Stored, every value cell of farmSheetMap from the stored row.
Workbook buildFarmWorkbook(SqlEngine& db, const TableTitle& title, const QList<int>& tables,
                           FarmWorkbookContent content = FarmWorkbookContent::Stored);

// One table's page button: the workbook with that table's sheet filled and shown first,
// saved as doc/stavor.xlsx; returns its path.
QString exportFarmTable(SqlEngine& db, const QString& programFolder, const TableTitle& title, int table);
// Every table of the title (or the blank form), saved as doc/stavor.xlsx; returns its path.
QString exportFarmWorkbook(SqlEngine& db, const QString& programFolder, const TableTitle& title,
                           FarmWorkbookContent content);
