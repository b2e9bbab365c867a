#include "CellFormat.h"

#include <QHashFunctions>

std::size_t CellFormatHash::operator()(const CellFormat& f) const {
    const auto b = f.borders;
    const int flags = (f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.wrap ? 4 : 0);
    const int layout = int(b.left) | int(b.right) << 4 | int(b.top) << 8 | int(b.bottom) << 12 |
                       int(f.horizontal) << 16 | int(f.vertical) << 20 | flags << 24;
    return qHashMulti(0, f.fontName, f.fontSize, layout, f.rotation, f.numberFormat);
}

FormatTable::FormatTable() { intern(CellFormat{}); }

FormatId FormatTable::intern(const CellFormat& format) {
    const auto [it, added] = ids_.try_emplace(format, size());
    if (added)
        formats_.push_back(format);
    return it->second;
}
