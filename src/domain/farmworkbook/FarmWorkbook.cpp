#include "FarmWorkbook.h"

#include "FarmSheetMap.h"
#include "FarmWorkbookTemplate.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTableStore.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/TableDefinition.h"

namespace {

QString nameOf(SqlEngine& db, const QString& sql, const QVariantList& codes) {
    const SqlResult found = db.select(sql, codes);
    return found.isEmpty() ? QStringLiteral("нет в справочнике") : found.first().text(0);
}

// A whole number as a number, so the spreadsheet sums it; Table 5's scores keep the text
// with the decimal comma that the form prints.
CellValue valueOf(const QString& text, bool decimal) {
    bool whole = false;
    const qint64 number = text.toLongLong(&whole);
    if (decimal || !whole)
        return CellValue(text);
    return CellValue(number);
}

void writeSheet(Workbook& book, SqlEngine& db, const TableTitle& title, int table, FarmWorkbookContent content,
                const QString& titleLine) {
    const FarmSheetMap& map = farmSheetMap(table);
    Worksheet& sheet = book.sheet(map.sheetName());
    const QStringList codes{title.oblm, title.rnm, title.khm, title.kkhm, title.porm, title.godm};
    const QList<FarmCell> titleCells = map.titleCells();
    for (int i = 0; i < titleCells.size(); ++i)
        sheet.setValue(titleCells.at(i).cell, valueOf(codes.at(i).trimmed(), false));
    sheet.setValue({kFarmNamesRow, 1}, titleLine);
    if (content == FarmWorkbookContent::Blank)
        return;
    const TableDefinition& definition = reportTable(table);
    CellValues cells({&definition});
    ReportTableStore store(db, title);
    if (!store.load(definition, cells).found)
        return;
    for (const FarmCell& c : map.dataCells())
        sheet.setValue(c.cell, valueOf(cells.text(c.column), isDecimal(definition.cell(c.column).mask)));
}

} // namespace

QString farmTitleLine(SqlEngine& db, const TableTitle& title) {
    const QString region = title.oblm.trimmed();
    const QString district = title.rnm.trimmed();
    const QString parts[] = {
        QStringLiteral("Регион: %1 (%2)")
            .arg(nameOf(db, QStringLiteral("SELECT im FROM spobl WHERE kod=?"), {region}), region),
        QStringLiteral("район: %1 (%2)")
            .arg(nameOf(db, QStringLiteral("SELECT im FROM kodra WHERE kodr=? and kodraj=?"), {region, district}),
                 district),
        QStringLiteral("хозяйство: %1 (%2)")
            .arg(nameOf(db, QStringLiteral("SELECT im FROM kodxoz WHERE kodr=? and kodraj=? and kodx=?"),
                        {region, district, title.khm.trimmed()}),
                 title.khm.trimmed()),
        QStringLiteral("категория: %1 (%2)")
            .arg(nameOf(db, QStringLiteral("SELECT imy FROM kodkx WHERE kkx=?"), {title.kkhm.trimmed()}),
                 title.kkhm.trimmed()),
        QStringLiteral("порода: %1 (%2)")
            .arg(nameOf(db, QStringLiteral("SELECT im FROM sppor WHERE kod=?"), {title.porm.trimmed()}),
                 title.porm.trimmed()),
    };
    return QStringList(std::begin(parts), std::end(parts)).join(QStringLiteral("; "));
}

Workbook buildFarmWorkbook(SqlEngine& db, const TableTitle& title, const QList<int>& tables,
                           FarmWorkbookContent content) {
    Workbook book = makeFarmTemplate();
    const QString line = farmTitleLine(db, title);
    for (int table : tables)
        writeSheet(book, db, title, table, content, line);
    return book;
}

QString exportFarmTable(SqlEngine& db, const QString& programFolder, const TableTitle& title, int table) {
    Workbook book = buildFarmWorkbook(db, title, {table});
    book.setActiveSheet(farmSheetMap(table).sheetName());
    return saveXlsxToDoc(book, programFolder, QString::fromLatin1(kFarmWorkbookFile));
}

QString exportFarmWorkbook(SqlEngine& db, const QString& programFolder, const TableTitle& title,
                           FarmWorkbookContent content) {
    QList<int> all;
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        all << t;
    return saveXlsxToDoc(buildFarmWorkbook(db, title, all, content), programFolder,
                         QString::fromLatin1(kFarmWorkbookFile));
}
