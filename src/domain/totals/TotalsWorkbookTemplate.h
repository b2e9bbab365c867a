#pragma once

#include "TotalsSheetLayout.h"
#include "domain/spreadsheet/CellFormat.h"

class Workbook;
class Worksheet;

// The totals workbook before any total is written ("outstavor"): the sheets "табл1" … "табл9",
// each with the printed heading of its table in its header rows, and a print setup that
// puts 70 sheet rows on every page.
Workbook makeTotalsTemplate();

// The look of a block's value cells and row captions.
CellFormat totalsValueFormat(TotalsRounding rounding);
CellFormat totalsCaptionFormat();

// Prints the sheet's pages of 70 rows at one fixed scale, in the orientation at which a whole page
// (all its columns and its 70 rows) fits the paper at the larger scale.
// Every row of the pages gets its height explicitly: a spreadsheet program that grew rows to
// their contents, or fitted the sheet to the page itself, would add page breaks of its own.
void fitTotalsSheetToPages(Worksheet& sheet, const TotalsSheetLayout& layout);
