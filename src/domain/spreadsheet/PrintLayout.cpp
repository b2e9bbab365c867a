#include "PrintLayout.h"

#include "Workbook.h"
#include "Worksheet.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPointsPerCm = 72 / 2.54;
constexpr int kMinScale = 10;
constexpr int kMaxScale = 400;
constexpr int kMaxPageBreaks = 1023;
constexpr double kDefaultColumnWidth = 8.43;

struct PaperPoints {
    double width;
    double height;
};

PaperPoints printableArea(const PageSetup& setup) {
    PaperPoints paper = setup.paper == PaperSize::A3 ? PaperPoints{841.89, 1190.55} : PaperPoints{595.28, 841.89};
    if (setup.orientation == PageOrientation::Landscape)
        std::swap(paper.width, paper.height);
    const PageMargins& m = setup.margins;
    return {paper.width - (m.left + m.right) * kPointsPerCm, paper.height - (m.top + m.bottom) * kPointsPerCm};
}

CellRange printedRange(const Worksheet& sheet) {
    if (sheet.pageSetup().printArea)
        return *sheet.pageSetup().printArea;
    return CellRange({1, 1}, {std::max(sheet.lastRow(), 1), std::max(sheet.lastColumn(), 1)});
}

// A column's printed width in the widest of the programs that open our workbooks. A width counts
// characters of the workbook's default font, Calibri 11. Excel gives one 7 pixels and adds 5 of
// padding, at 0.75 point a pixel. LibreOffice without Calibri's metric twin measures the same
// count in its fallback font, DejaVu Sans, whose digit is 7 points wide: as many points as Excel
// has pixels, a third wider.
double columnPoints(double width) { return width < 1 ? std::round(width * 12) : std::round(width * 7) + 5; }

double sizeOr(const std::map<int, double>& sizes, int index, double fallback) {
    const auto it = sizes.find(index);
    return it == sizes.end() ? fallback : it->second;
}

double widthPoints(const Worksheet& sheet, const CellRange& range) {
    return printedColumnsWidth(sheet, range.first().column, range.last().column);
}

double rowsHeight(const Worksheet& sheet, int first, int last) {
    double height = 0;
    for (int r = first; r <= last; ++r)
        height += sizeOr(sheet.rowHeights(), r, sheet.defaultRowHeight());
    return height;
}

bool pagesDesigned(const Worksheet& sheet, const std::vector<int>& breaks) {
    return !breaks.empty() || sheet.pageSetup().onePage;
}

// The tallest page with its repeated heading; where rows flow freely, the heading and the
// tallest single row below it.
double tallestPage(const Worksheet& sheet, const CellRange& range, const std::vector<int>& breaks) {
    const int headingRows = sheet.pageSetup().repeatedRows;
    const double heading = rowsHeight(sheet, range.first().row, std::min(headingRows, range.last().row));
    const bool flowing = !pagesDesigned(sheet, breaks);
    double tallest = 0;
    double page = 0;
    auto nextBreak = breaks.begin();
    for (int r = range.first().row; r <= range.last().row; ++r) {
        const double row = rowsHeight(sheet, r, r);
        page = flowing && r > headingRows ? heading + row : page + row;
        tallest = std::max(tallest, page);
        if (nextBreak != breaks.end() && *nextBreak == r) {
            page = heading;
            ++nextBreak;
        }
    }
    return tallest;
}

int scaleToFit(double available, double needed) {
    return needed > 0 ? int(std::floor(100 * available / needed)) : kMaxScale;
}
} // namespace

double printedColumnsWidth(const Worksheet& sheet, int firstColumn, int lastColumn) {
    double total = 0;
    for (int c = firstColumn; c <= lastColumn; ++c)
        total += columnPoints(sizeOr(sheet.columnWidths(), c, kDefaultColumnWidth));
    return total;
}

std::vector<int> pageBreakRows(const Worksheet& sheet) {
    const PageSetup& setup = sheet.pageSetup();
    const CellRange printed = printedRange(sheet);
    std::vector<int> breaks;
    for (int row : setup.breaksAfterRows)
        if (row >= printed.first().row && row < printed.last().row)
            breaks.push_back(row);
    if (setup.rowsPerPage > 0)
        for (int row = std::max(printed.first().row - 1, setup.repeatedRows) + setup.rowsPerPage;
             row < printed.last().row; row += setup.rowsPerPage)
            breaks.push_back(row);
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    if (breaks.size() > kMaxPageBreaks)
        breaks.resize(kMaxPageBreaks);
    return breaks;
}

int printScale(const Worksheet& sheet, const std::vector<int>& breaks) {
    const PageSetup& setup = sheet.pageSetup();
    const CellRange printed = printedRange(sheet);
    const PaperPoints area = printableArea(setup);
    int scale = setup.scale;
    if (setup.fitToWidth)
        scale = std::min(scale, scaleToFit(area.width, widthPoints(sheet, printed)));
    if (pagesDesigned(sheet, breaks))
        scale = std::min(scale, scaleToFit(area.height, tallestPage(sheet, printed, breaks)));
    return std::clamp(scale, kMinScale, kMaxScale);
}

void fitPagesToPaper(Worksheet& sheet, const std::vector<int>& breaks) {
    PageSetup& setup = sheet.pageSetup();
    const int upperBound = setup.scale;
    setup.fitToWidth = true;
    int best = 0;
    PageOrientation bestOrientation = setup.orientation;
    for (PageOrientation orientation : {PageOrientation::Portrait, PageOrientation::Landscape}) {
        setup.orientation = orientation;
        setup.scale = upperBound;
        const int scale = printScale(sheet, breaks);
        if (scale > best) {
            best = scale;
            bestOrientation = orientation;
        }
    }
    setup.orientation = bestOrientation;
    setup.scale = best;
    setup.fitToWidth = false;
}

PrintFit printFit(const Worksheet& sheet) {
    const std::vector<int> breaks = pageBreakRows(sheet);
    const CellRange printed = printedRange(sheet);
    const double scale = printScale(sheet, breaks) / 100.0;
    const PaperPoints area = printableArea(sheet.pageSetup());
    return {widthPoints(sheet, printed) * scale, tallestPage(sheet, printed, breaks) * scale, area.width, area.height};
}

QStringList sheetsOverflowingPaper(const Workbook& book) {
    QStringList overflowing;
    for (int i = 0; i < book.sheetCount(); ++i) {
        const PrintFit fit = printFit(book.sheetAt(i));
        if (!fit.fits())
            overflowing << QStringLiteral("%1: %2 × %3 пт на листе %4 × %5 пт")
                               .arg(book.sheetAt(i).name())
                               .arg(fit.width, 0, 'f', 0)
                               .arg(fit.height, 0, 'f', 0)
                               .arg(fit.paperWidth, 0, 'f', 0)
                               .arg(fit.paperHeight, 0, 'f', 0);
    }
    return overflowing;
}
