#pragma once

#include <QJsonObject>
#include <QString>

// The workbook at path as openpyxl reads it (see read_xlsx.py): {"sheets": [{name, cells, …}]}.
// Fails the current test when the reader does not run or rejects the file.
QJsonObject readXlsx(const QString& path);

// One sheet of readXlsx's result by name; empty when there is none.
QJsonObject sheetOf(const QJsonObject& book, const QString& name);

// Sets cells of the workbook at path with openpyxl (another program's writer, as a farm's
// spreadsheet would): {"sheet": {"B2": value, …}}, null emptying a cell. Fails the current test
// when the writer does not run.
void fillXlsx(const QString& path, const QJsonObject& cellsBySheet);
