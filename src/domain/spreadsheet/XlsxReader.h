#pragma once

#include <QString>

class Workbook;

// Reads the values of an .xlsx file (numbers, shared and inline strings, formula results as
// last saved) into a workbook of the same sheets; formats are not read. A file that is not a
// readable workbook throws SpreadsheetError with a Russian text that names the file.
Workbook loadXlsxValues(const QString& path);
