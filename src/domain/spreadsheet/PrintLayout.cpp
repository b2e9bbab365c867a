#include "PrintLayout.h"

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

// The spreadsheet's own conversion of a width in characters of Calibri 11 (7 pixels a digit).
double columnPoints(double width) {
    const double pixels = width < 1 ? std::round(width * 12) : std::round(width * 7) + 5;
    return pixels * 0.75;
}

double sizeOr(const std::map<int, double>& sizes, int index, double fallback) {
    const auto it = sizes.find(index);
    return it == sizes.end() ? fallback : it->second;
}

double widthPoints(const Worksheet& sheet, const CellRange& range) {
    double total = 0;
    for (int c = range.first().column; c <= range.last().column; ++c)
        total += columnPoints(sizeOr(sheet.columnWidths(), c, kDefaultColumnWidth));
    return total;
}

double tallestPage(const Worksheet& sheet, const CellRange& range, const std::vector<int>& breaks) {
    double tallest = 0;
    double page = 0;
    auto nextBreak = breaks.begin();
    for (int r = range.first().row; r <= range.last().row; ++r) {
        page += sizeOr(sheet.rowHeights(), r, sheet.defaultRowHeight());
        tallest = std::max(tallest, page);
        if (nextBreak != breaks.end() && *nextBreak == r) {
            page = 0;
            ++nextBreak;
        }
    }
    return tallest;
}

int scaleToFit(double available, double needed) {
    return needed > 0 ? int(std::floor(100 * available / needed)) : kMaxScale;
}
} // namespace

std::vector<int> pageBreakRows(const Worksheet& sheet) {
    const PageSetup& setup = sheet.pageSetup();
    const CellRange printed = printedRange(sheet);
    std::vector<int> breaks;
    for (int row : setup.breaksAfterRows)
        if (row >= printed.first().row && row < printed.last().row)
            breaks.push_back(row);
    if (setup.rowsPerPage > 0)
        for (int row = printed.first().row - 1 + setup.rowsPerPage; row < printed.last().row; row += setup.rowsPerPage)
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
    if (!breaks.empty())
        scale = std::min(scale, scaleToFit(area.height, tallestPage(sheet, printed, breaks)));
    return std::clamp(scale, kMinScale, kMaxScale);
}
