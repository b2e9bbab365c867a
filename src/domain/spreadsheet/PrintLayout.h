#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class Workbook;
class Worksheet;

// The printed width in points of columns first … last, as the widest of the spreadsheet programs
// prints them (see PrintFit).
double printedColumnsWidth(const Worksheet& sheet, int firstColumn, int lastColumn);

// The rows after which printed pages end, ascending and below the sheet's last printed row.
std::vector<int> pageBreakRows(const Worksheet& sheet);

// The print scale in percent for a sheet with the given page breaks (see PageSetup).
int printScale(const Worksheet& sheet, const std::vector<int>& breaks);

// Sets the orientation whose scale is the larger (see PageSetup, with fitToWidth) and that scale,
// so that every page between `breaks` fits its sheet of paper in both dimensions.
void fitPagesToPaper(Worksheet& sheet, const std::vector<int>& breaks);

// A sheet's designed pages against its paper, in points at the sheet's print scale. Columns are
// measured as the widest of the spreadsheet programs prints them; a designed page is the rows
// between two manual breaks, or the whole printed area with onePage, each below the repeated
// heading rows. Without either, the rows flow over as many pages as they need: the heading and
// each single row must fit.
struct PrintFit {
    double width;       // the printed columns
    double height;      // the tallest designed page
    double paperWidth;  // the paper less its margins
    double paperHeight;
    bool fits() const { return width <= paperWidth && height <= paperHeight; }
};
PrintFit printFit(const Worksheet& sheet);

// The sheets whose designed pages do not fit their paper, each as
// "табл3: 812 × 530 пт на листе 785 × 539 пт"; empty when every page prints on one sheet of paper.
QStringList sheetsOverflowingPaper(const Workbook& book);
