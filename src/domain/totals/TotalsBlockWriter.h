#pragma once

#include "TotalsSheetLayout.h"

#include <QHash>
#include <QString>

class Worksheet;

// The values of one total row by column name ("tm101", "tm6b03"); a missing column reads as 0,
// so an empty result writes a block of blanks.
using TotalsValues = QHash<QString, double>;

// What stands above or beside a block: nothing (the whole region), a category ("ПЛЕМЕННЫЕ
// ХОЗЯЙСТВА" or an upper-cased category name) or a breed.
struct TotalsHeading {
    enum Kind { None, Category, Breed };
    Kind kind = None;
    QString text;

    static TotalsHeading category(const QString& text) { return {Category, text}; }
    static TotalsHeading breed(const QString& text) { return {Breed, text}; }
};

// The lines of a category heading: the name on one line up to 28 characters, else on two, then
// "ПОРОДЫ МЯСНОГО НАПРАВЛЕНИЯ".
QStringList categoryHeadingLines(const QString& text);

// Writes the blocks of one total table down its sheet, one per total row, breaking into
// 70-row pages that each begin with a copy of the sheet's header.
class TotalsBlockWriter {
public:
    TotalsBlockWriter(int table, Worksheet& sheet);

    // The first page's fixed cells: year, region name and page number 1.
    void startFirstPage(const QString& year, const QString& regionName);
    // One block from the values of one total row.
    void FeelTable(const TotalsValues& values, const TotalsHeading& heading = {});

    // The row after which the next block starts.
    int rowPointer() const { return rowPointer_; }
    void setRowPointer(int row) { rowPointer_ = row; }
    int pageNumber() const { return pageNumber_; }

private:
    void breakPageIfFull();
    // Repeats the header at the row pointer with the next page number.
    void PaintHeaderTable();
    void writeGrid(int firstRow, const TotalsValues& values);
    void writeCaptions(int firstRow, int column);
    void writeHeading(int firstRow, const TotalsHeading& heading);
    int headingRows(const TotalsHeading& heading) const;

    const TotalsSheetLayout& layout_;
    const TotalsGrid grid_;
    Worksheet& sheet_;
    int rowPointer_;
    int pageNumber_ = 0;
};
