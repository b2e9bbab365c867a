#pragma once

#include "CellAddress.h"

#include <optional>
#include <vector>

enum class PageOrientation { Portrait, Landscape };
enum class PaperSize { A4, A3 };

// Centimetres; the defaults are the spreadsheet's own.
struct PageMargins {
    double left = 1.8;
    double right = 1.8;
    double top = 1.9;
    double bottom = 1.9;
};

// How a sheet is printed.
//
// Spreadsheet programs ignore manual page breaks when a sheet is set to fit a page, and add
// breaks of their own when a page's rows do not fit its height. So a sheet with manual breaks is
// printed at a fixed scale: the largest, up to scale, at which every page's rows fit its height
// and, with fitToWidth, the used columns fit its width (onePage: the whole printed area is that
// page). Without breaks, fitToWidth leaves the scale to the program: to fit the width, with
// onePage the whole page.
struct PageSetup {
    PageOrientation orientation = PageOrientation::Portrait;
    PaperSize paper = PaperSize::A4;
    PageMargins margins;
    bool fitToWidth = false;
    int scale = 100;                // percent, 10 to 400; an upper bound when fitting
    int rowsPerPage = 0;            // when above 0, a page ends after every that many rows below
                                    // the repeated ones
    int repeatedRows = 0;           // rows 1 to this are printed again atop every page
    bool onePage = false;           // the printed area is one designed page, to fit whole
    std::vector<int> breaksAfterRows;  // further manual breaks: a page ends after these rows
    std::optional<CellRange> printArea;
    bool centerHorizontally = false;
};
