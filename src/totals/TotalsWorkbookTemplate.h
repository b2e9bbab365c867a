#pragma once

#include "TotalsSheetLayout.h"
#include "spreadsheet/CellFormat.h"

class Workbook;
class Worksheet;

// The totals workbook before any total is written ("outstavor"): the sheets "табл1" … "табл9",
// each with the printed heading of its table in its header rows, and a print setup that
// puts 70 sheet rows on every page.
Workbook makeTotalsTemplate();

// The look of a block's value cells and row captions.
CellFormat totalsValueFormat(TotalsRounding rounding);
CellFormat totalsCaptionFormat();

// Gives every used row its height explicitly, so that a spreadsheet program does not grow rows
// to their contents and push the pages' 70th rows onto further pages.
void fixTotalsRowHeights(Worksheet& sheet);
