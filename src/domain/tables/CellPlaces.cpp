#include "CellPlaces.h"

#include "ReportTables.h"
#include "TableDefinition.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>

namespace {

// One line of the page's small font. A caption belongs to the row of fields it overlaps by at
// least half a line; one that overlaps no row heads the rows below it (as "В том числе" does).
constexpr int kLineHeight = 12;

struct PlacedText {
    int x, y;
    QString text;
};

struct Span {
    int from, to; // [from, to)
};

int overlap(Span a, Span b) { return std::max(0, std::min(a.to, b.to) - std::max(a.from, b.from)); }

int firstRowTop(const TableDefinition& table) {
    int top = std::numeric_limits<int>::max();
    for (const CellDefinition& c : table.cells)
        top = std::min(top, c.y);
    return top;
}

// Column headers lie wholly above the fields; every other picture and label captions rows.
bool isHeader(const PaintedPicture& p, const TableDefinition& table) { return p.y + p.height <= firstRowTop(table); }

QList<PlacedText> rowCaptionTexts(const TableDefinition& table) {
    QList<PlacedText> texts;
    for (const PaintedPicture& p : table.pictures)
        if (!isHeader(p, table))
            for (const PaintedText& t : p.texts)
                texts << PlacedText{p.x + t.x, p.y + t.y, t.text};
    for (const PageLabel& l : table.labels)
        texts << PlacedText{l.x, l.y, l.text};
    return texts;
}

QList<Span> rowsOf(const TableDefinition& table) {
    std::map<int, int> bottoms;
    for (const CellDefinition& c : table.cells)
        bottoms[c.y] = std::max(bottoms[c.y], c.y + c.height);
    QList<Span> rows;
    for (const auto& [top, bottom] : bottoms)
        rows << Span{top, bottom};
    return rows;
}

bool isRowMember(const PlacedText& t, Span row) { return 2 * overlap({t.y, t.y + kLineHeight}, row) >= kLineHeight; }

QString joined(QList<PlacedText> texts, bool byColumn) {
    std::sort(texts.begin(), texts.end(), [byColumn](const PlacedText& a, const PlacedText& b) {
        return byColumn ? std::pair(a.y, a.x) < std::pair(b.y, b.x) : std::pair(a.x, a.y) < std::pair(b.x, b.y);
    });
    QStringList words;
    for (const PlacedText& t : texts)
        words << t.text;
    return words.join(u' ').simplified();
}

QString rowCaption(const TableDefinition& table, Span row) {
    const QList<Span> rows = rowsOf(table);
    std::optional<PlacedText> heading;
    QList<PlacedText> members;
    for (const PlacedText& t : rowCaptionTexts(table)) {
        if (isRowMember(t, row))
            members << t;
        const bool headsRows = std::none_of(rows.begin(), rows.end(), [&](Span r) { return isRowMember(t, r); });
        if (headsRows && t.y <= row.from && (!heading || heading->y < t.y))
            heading = t;
    }
    const QString words = joined(members, false);
    return heading ? (heading->text + u' ' + words).simplified() : words;
}

// A column of the header: between the nearest lines that reach its bottom, below the lower of
// their tops (captions of grouped columns stand above).
struct ColumnBand {
    int left, right, top;
    bool found() const { return left < right; }
};

ColumnBand columnBand(const PaintedPicture& header, int x) {
    ColumnBand band{std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 0};
    int leftTop = 0, rightTop = 0;
    for (const PaintedLine& l : header.lines) {
        const int lineX = header.x + l.x1;
        if (l.x1 != l.x2 || std::max(l.y1, l.y2) < header.height - 2)
            continue;
        const int lineTop = std::min(l.y1, l.y2);
        if (lineX <= x && lineX > band.left) {
            band.left = lineX;
            leftTop = lineTop;
        } else if (lineX > x && lineX < band.right) {
            band.right = lineX;
            rightTop = lineTop;
        }
    }
    band.top = std::max(leftTop, rightTop);
    return band;
}

QList<PlacedText> bandTexts(const PaintedPicture& header, const ColumnBand& band) {
    QList<PlacedText> texts;
    for (const PaintedText& t : header.texts) {
        const int x = header.x + t.x;
        if (x >= band.left && x < band.right && t.y >= band.top)
            texts << PlacedText{x, t.y, t.text.trimmed()};
    }
    return texts;
}

bool isNumber(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

int centreX(const CellDefinition& c) { return c.x + c.width / 2; }

const PaintedPicture* headerOf(const TableDefinition& table) {
    for (const PaintedPicture& p : table.pictures)
        if (isHeader(p, table))
            return &p;
    return nullptr;
}

std::optional<QString> numberAt(const PaintedPicture& header, int x, int y) {
    for (const PlacedText& t : bandTexts(header, columnBand(header, x)))
        if (t.y == y && isNumber(t.text))
            return t.text;
    return std::nullopt;
}

// The line of column numbers: a height at which every column of fields has a number.
std::optional<int> numberRow(const TableDefinition& table, const PaintedPicture& header) {
    for (const PaintedText& candidate : header.texts) {
        if (!isNumber(candidate.text.trimmed()))
            continue;
        const bool everyColumn = std::all_of(table.cells.begin(), table.cells.end(), [&](const CellDefinition& c) {
            return numberAt(header, centreX(c), candidate.y).has_value();
        });
        if (everyColumn)
            return candidate.y;
    }
    return std::nullopt;
}

QString columnName(const TableDefinition& table, const CellDefinition& cell) {
    const PaintedPicture* header = headerOf(table);
    if (header) {
        if (const std::optional<int> y = numberRow(table, *header))
            return QStringLiteral("колонка %1").arg(*numberAt(*header, centreX(cell), *y));
        const ColumnBand band = columnBand(*header, centreX(cell));
        const QString caption = band.found() ? joined(bandTexts(*header, band), true) : QString();
        if (!caption.isEmpty())
            return QStringLiteral("колонка «%1»").arg(caption);
    }
    std::map<int, bool> columns;
    for (const CellDefinition& c : table.cells)
        columns[centreX(c)] = true;
    return QStringLiteral("колонка %1").arg(std::distance(columns.begin(), columns.find(centreX(cell))) + 1);
}

QString rowName(const TableDefinition& table, const CellDefinition& cell) {
    const QList<Span> rows = rowsOf(table);
    const auto row = std::find_if(rows.begin(), rows.end(), [&](Span r) { return r.from == cell.y; });
    const QString caption = rowCaption(table, *row);
    if (caption.isEmpty())
        return QStringLiteral("строка %1").arg(std::distance(rows.begin(), row) + 1);
    return QStringLiteral("строка «%1»").arg(caption);
}

} // namespace

CellPlace cellPlace(const TableDefinition& table, const QString& cell) {
    const CellDefinition& c = table.cell(cell);
    return {rowName(table, c), columnName(table, c)};
}

QString describeCellPlace(const QString& cell) {
    for (const TableDefinition* table : reportTables()) {
        if (!table->cellNames().contains(cell))
            continue;
        const CellPlace place = cellPlace(*table, cell);
        return table->tableName() + QStringLiteral(", ") + place.row + QStringLiteral(", ") + place.column;
    }
    return {};
}
