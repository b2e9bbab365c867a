#pragma once

#include <QString>

class Workbook;

// Writes the workbook to path as an .xlsx file. The file appears whole or not at all: it is
// written beside the target under a temporary name and then put in the target's place.
// A failure throws SpreadsheetError with a Russian text that names the file.
void saveXlsx(const Workbook& book, const QString& path);

// Saves the workbook as fileName in the program folder's doc (made again when a user removed it)
// and returns its path.
QString saveXlsxToDoc(const Workbook& book, const QString& programFolder, const QString& fileName);
