#pragma once

#include <QString>

class Workbook;

// Opens the file in the desktop's default application for it; does nothing when the
// environment has STAVOR_NO_OPEN=1 (tests, runs without a desktop).
void showWorkbook(const QString& path);

// Saves the workbook as fileName in the program folder's doc and shows it; returns its path.
QString saveToDocAndShow(const Workbook& book, const QString& programFolder, const QString& fileName);
