#pragma once

#include <QString>
#include <cstdint>
#include <deque>
#include <unordered_map>

enum class BorderStyle : std::uint8_t { None, Thin, Medium, Thick, Double, Dotted, Dashed, Hair };
enum class HorizontalAlignment : std::uint8_t { General, Left, Center, Right, Justify, CenterAcross };
enum class VerticalAlignment : std::uint8_t { Bottom, Top, Center };

struct CellBorders {
    BorderStyle left = BorderStyle::None;
    BorderStyle right = BorderStyle::None;
    BorderStyle top = BorderStyle::None;
    BorderStyle bottom = BorderStyle::None;

    bool operator==(const CellBorders&) const = default;
};

// The look of one cell. The defaults are the spreadsheet's own (Calibri 11, general alignment).
struct CellFormat {
    QString fontName;      // empty: the workbook's default font
    double fontSize = 11;  // points
    bool bold = false;
    bool italic = false;
    CellBorders borders;
    HorizontalAlignment horizontal = HorizontalAlignment::General;
    VerticalAlignment vertical = VerticalAlignment::Bottom;
    bool wrap = false;
    int rotation = 0;       // degrees, -90 to 90
    QString numberFormat;   // empty: General

    bool operator==(const CellFormat&) const = default;
};

struct CellFormatHash {
    std::size_t operator()(const CellFormat& format) const;
};

using FormatId = std::uint32_t;

// Every distinct format of a workbook once; cells hold its number, so copying a block of
// cells copies numbers and the writer makes one file style per distinct format.
class FormatTable {
public:
    static constexpr FormatId kDefault = 0;

    FormatTable();
    FormatId intern(const CellFormat& format);
    const CellFormat& at(FormatId id) const { return formats_.at(id); }
    FormatId size() const { return static_cast<FormatId>(formats_.size()); }

private:
    std::deque<CellFormat> formats_;
    std::unordered_map<CellFormat, FormatId, CellFormatHash> ids_;
};
