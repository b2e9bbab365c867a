#include "XlsxWriter.h"

#include "XlsxLibrary.h"

#include "PrintLayout.h"
#include "SpreadsheetError.h"
#include "Workbook.h"
#include "domain/db/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <xlsxwriter.h>

namespace {
constexpr double kCmPerInch = 2.54;
constexpr std::uint8_t kPaperA4 = 9;
constexpr std::uint8_t kPaperA3 = 8;

[[noreturn]] void failSaving(const QString& path, const QString& reason) {
    throw SpreadsheetError(
        QStringLiteral("Не удалось сохранить книгу «%1»: %2.").arg(QDir::toNativeSeparators(path), reason));
}

// Library failures carry the library's own reason; saveXlsx puts it into the Russian message.
struct LibraryFailure {
    lxw_error code;
};

void check(lxw_error code) {
    if (code != LXW_NO_ERROR)
        throw LibraryFailure{code};
}

std::uint8_t borderCode(BorderStyle style) {
    switch (style) {
    case BorderStyle::None: return LXW_BORDER_NONE;
    case BorderStyle::Thin: return LXW_BORDER_THIN;
    case BorderStyle::Medium: return LXW_BORDER_MEDIUM;
    case BorderStyle::Thick: return LXW_BORDER_THICK;
    case BorderStyle::Double: return LXW_BORDER_DOUBLE;
    case BorderStyle::Dotted: return LXW_BORDER_DOTTED;
    case BorderStyle::Dashed: return LXW_BORDER_DASHED;
    case BorderStyle::Hair: return LXW_BORDER_HAIR;
    }
    return LXW_BORDER_NONE;
}

std::uint8_t alignmentCode(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::General: return LXW_ALIGN_NONE;
    case HorizontalAlignment::Left: return LXW_ALIGN_LEFT;
    case HorizontalAlignment::Center: return LXW_ALIGN_CENTER;
    case HorizontalAlignment::Right: return LXW_ALIGN_RIGHT;
    case HorizontalAlignment::Justify: return LXW_ALIGN_JUSTIFY;
    case HorizontalAlignment::CenterAcross: return LXW_ALIGN_CENTER_ACROSS;
    }
    return LXW_ALIGN_NONE;
}

std::uint8_t alignmentCode(VerticalAlignment alignment) {
    switch (alignment) {
    case VerticalAlignment::Bottom: return LXW_ALIGN_VERTICAL_BOTTOM;
    case VerticalAlignment::Top: return LXW_ALIGN_VERTICAL_TOP;
    case VerticalAlignment::Center: return LXW_ALIGN_VERTICAL_CENTER;
    }
    return LXW_ALIGN_VERTICAL_BOTTOM;
}

} // namespace

lxw_format* makeLibraryFormat(lxw_workbook* book, const CellFormat& f) {
    lxw_format* format = workbook_add_format(book);
    if (!f.fontName.isEmpty())
        format_set_font_name(format, f.fontName.toUtf8().constData());
    format_set_font_size(format, f.fontSize);
    if (f.bold)
        format_set_bold(format);
    if (f.italic)
        format_set_italic(format);
    format_set_left(format, borderCode(f.borders.left));
    format_set_right(format, borderCode(f.borders.right));
    format_set_top(format, borderCode(f.borders.top));
    format_set_bottom(format, borderCode(f.borders.bottom));
    if (f.horizontal != HorizontalAlignment::General)
        format_set_align(format, alignmentCode(f.horizontal));
    if (f.vertical != VerticalAlignment::Bottom)
        format_set_align(format, alignmentCode(f.vertical));
    if (f.wrap)
        format_set_text_wrap(format);
    if (f.rotation != 0)
        format_set_rotation(format, static_cast<std::int16_t>(f.rotation));
    if (!f.numberFormat.isEmpty())
        format_set_num_format(format, f.numberFormat.toUtf8().constData());
    return format;
}

void writeLibraryPageSetup(lxw_worksheet* target, const Worksheet& sheet) {
    const PageSetup& setup = sheet.pageSetup();
    if (setup.orientation == PageOrientation::Landscape)
        worksheet_set_landscape(target);
    else
        worksheet_set_portrait(target);
    worksheet_set_paper(target, setup.paper == PaperSize::A3 ? kPaperA3 : kPaperA4);
    const PageMargins& m = setup.margins;
    worksheet_set_margins(target, m.left / kCmPerInch, m.right / kCmPerInch, m.top / kCmPerInch,
                          m.bottom / kCmPerInch);
    if (setup.centerHorizontally)
        worksheet_center_horizontally(target);
    if (setup.printArea) {
        const CellRange& area = *setup.printArea;
        check(worksheet_print_area(target, area.first().row - 1, area.first().column - 1, area.last().row - 1,
                                   area.last().column - 1));
    }
    if (setup.repeatedRows > 0)
        check(worksheet_repeat_rows(target, 0, lxw_row_t(setup.repeatedRows - 1)));
    std::vector<int> breaks = pageBreakRows(sheet);
    if (breaks.empty() && setup.fitToWidth) {
        worksheet_fit_to_pages(target, 1, setup.onePage ? 1 : 0);
        return;
    }
    worksheet_set_print_scale(target, static_cast<std::uint16_t>(printScale(sheet, breaks)));
    if (breaks.empty())
        return;
    // A break "at" a zero-based row ends the page after the one-based row of the same number.
    std::vector<lxw_row_t> rows(breaks.begin(), breaks.end());
    rows.push_back(0);
    check(worksheet_set_h_pagebreaks(target, rows.data()));
}

void writeLibrarySizes(lxw_worksheet* target, const Worksheet& sheet) {
    if (sheet.defaultRowHeight() != LXW_DEF_ROW_HEIGHT)
        worksheet_set_default_row(target, sheet.defaultRowHeight(), LXW_FALSE);
    for (const auto& [column, width] : sheet.columnWidths())
        check(worksheet_set_column(target, lxw_col_t(column - 1), lxw_col_t(column - 1), width, nullptr));
    for (const auto& [row, height] : sheet.rowHeights())
        check(worksheet_set_row(target, lxw_row_t(row - 1), height, nullptr));
}

namespace {

void writeCells(lxw_worksheet* target, const Worksheet& sheet, const std::vector<lxw_format*>& formats) {
    // The merge puts the top left cell's format on the whole range; the cells written after it
    // keep their own.
    for (const CellRange& m : sheet.mergedRanges())
        check(worksheet_merge_range(target, m.first().row - 1, lxw_col_t(m.first().column - 1), m.last().row - 1,
                                    lxw_col_t(m.last().column - 1), "", formats[sheet.formatId(m.first())]));
    sheet.forEachCell([&](CellAddress cell, const CellValue& value, FormatId formatId) {
        const lxw_row_t row = cell.row - 1;
        const lxw_col_t column = lxw_col_t(cell.column - 1);
        lxw_format* format = formats[formatId];
        if (value.isNumber())
            check(worksheet_write_number(target, row, column, value.number(), format));
        else if (value.isText())
            check(worksheet_write_string(target, row, column, value.text().toUtf8().constData(), format));
        else
            check(worksheet_write_blank(target, row, column, format));
    });
}

struct LibraryWorkbook {
    lxw_workbook* book;
    ~LibraryWorkbook() {
        if (book)
            lxw_workbook_free(book);
    }
};

void writeFile(const Workbook& book, const QString& fileName) {
    lxw_workbook_options options{};
    LibraryWorkbook file{workbook_new_opt(QFile::encodeName(fileName).constData(), &options)};
    if (!file.book)
        throw LibraryFailure{LXW_ERROR_MEMORY_MALLOC_FAILED};
    std::vector<lxw_format*> formats;
    for (FormatId id = 0; id < book.formats().size(); ++id)
        formats.push_back(makeLibraryFormat(file.book, book.formats().at(id)));
    for (int i = 0; i < book.sheetCount(); ++i) {
        const Worksheet& sheet = book.sheetAt(i);
        lxw_worksheet* target = workbook_add_worksheet(file.book, sheet.name().toUtf8().constData());
        if (!target)
            throw LibraryFailure{LXW_ERROR_SHEETNAME_LENGTH_EXCEEDED};
        writeLibrarySizes(target, sheet);
        writeLibraryPageSetup(target, sheet);
        writeCells(target, sheet, formats);
        if (i == book.activeSheet())
            worksheet_activate(target);
    }
    // workbook_close frees the workbook whatever it returns.
    lxw_workbook* closing = std::exchange(file.book, nullptr);
    check(workbook_close(closing));
}

// The temporary files of this target that a killed run left behind.
void removeLeftovers(const QDir& folder, const QString& pattern) {
    for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(folder.filePath(name));
}
} // namespace

void saveXlsx(const Workbook& book, const QString& path) {
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    if (!folder.exists())
        failSaving(path, QStringLiteral("папки «%1» нет").arg(QDir::toNativeSeparators(folder.path())));
    const QString temporaryName = QStringLiteral(".%1.").arg(target.fileName());
    removeLeftovers(folder, temporaryName + QStringLiteral("??????"));
    QTemporaryFile temporary(folder.filePath(temporaryName + QStringLiteral("XXXXXX")));
    if (!temporary.open())
        failSaving(path, QStringLiteral("нельзя записывать в папку «%1»").arg(QDir::toNativeSeparators(folder.path())));
    temporary.close();
    try {
        writeFile(book, temporary.fileName());
    } catch (const LibraryFailure& failure) {
        failSaving(path, QStringLiteral("ошибка записи (%1)").arg(QString::fromUtf8(lxw_strerror(failure.code))));
    }
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    std::error_code error;
    // Unlike QFile::rename, this replaces an existing target in one step.
    std::filesystem::rename(std::filesystem::path(temporary.fileName().toStdU16String()),
                            std::filesystem::path(target.absoluteFilePath().toStdU16String()), error);
    if (error)
        failSaving(path, QStringLiteral("файл открыт в другой программе или защищён от записи (%1)")
                             .arg(QString::fromLocal8Bit(error.message())));
    temporary.setAutoRemove(false);
}

QString saveXlsxToDoc(const Workbook& book, const QString& programFolder, const QString& fileName) {
    const QString doc = ProgramPaths::doc(programFolder);
    QDir().mkpath(doc);
    const QString path = QDir(doc).filePath(fileName);
    saveXlsx(book, path);
    return path;
}
