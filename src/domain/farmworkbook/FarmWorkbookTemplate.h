#pragma once

#include <QStringList>

class Workbook;

// The farm workbook before any value is written ("stavor"): the sheets "table1" … "table9",
// each laid out like its paper form (title captions, heading, column and row captions, ruled
// value cells) around the cells of farmSheetMap.
Workbook makeFarmTemplate();

// The captions over a sheet's value columns, left to right, as the sheet prints them.
QStringList farmColumnCaptions(int table);
