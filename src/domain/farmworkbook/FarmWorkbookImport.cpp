#include "FarmWorkbookImport.h"

#include "FarmSheetMap.h"
#include "FarmSheetValues.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlError.h"
#include "domain/spreadsheet/SpreadsheetError.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxReader.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/SaveTable.h"
#include "domain/tables/TableDefinition.h"
#include "domain/tables/TableMessages.h"

#include <QDir>
#include <algorithm>

namespace {

QList<const CellDefinition*> inTabOrder(const TableDefinition& table) {
    QList<const CellDefinition*> cells;
    for (const CellDefinition& c : table.cells)
        cells << &c;
    std::stable_sort(cells.begin(), cells.end(),
                     [](const CellDefinition* a, const CellDefinition* b) { return a->tabOrder < b->tabOrder; });
    return cells;
}

// A person typing the sheet into a page cleared to zeros, field by field in tab order, each
// field left after it: a blank cell is skipped, so a total a leave action has just computed
// stays. The leave guards warn by the page's own rules, which Save runs again, so their notices
// are those of the check. The stored row only decides between update and insert.
FarmPageImport typeAndSave(SqlEngine& db, const TableTitle& title, const TableDefinition& table,
                           const QHash<QString, QString>& typed) {
    CellValues cells({&table});
    ReportTableStore store(db, title);
    const PageLoad load = store.load(table, cells);
    cells.setAllZero();
    for (const CellDefinition* cell : inTabOrder(table)) {
        if (!cell->readOnly && !typed.value(cell->name).isEmpty())
            cells.setText(cell->name, typed.value(cell->name));
        table.leave(cell->name, cells);
    }
    const SaveOutcome outcome = saveTable(table, cells, store, load.found ? StoreMode::Update : StoreMode::Insert);
    const bool failed = outcome.storeMessage == TableMessages::updateFailed() ||
                        outcome.storeMessage == TableMessages::insertFailed();
    FarmPageImport page{table.number, outcome.check.passed && !failed, {}};
    if (failed)
        page.messages << outcome.storeMessage;
    for (const Notice& n : outcome.check.notices)
        if (!page.messages.contains(n.message))
            page.messages << n.message;
    return page;
}

FarmPageImport importPage(SqlEngine& db, const TableTitle& title, const Worksheet& sheet, const FarmSheetMap& map) {
    if (titleDiffers(sheet, map, title))
        return {map.table, false,
                {QStringLiteral("заголовок листа «%1» не совпадает с заголовком листа «table1»").arg(map.sheetName())}};
    try {
        return typeAndSave(db, title, reportTable(map.table), typedTexts(sheet, map));
    } catch (const FarmSheetError& e) {
        return {map.table, false, {QString::fromStdString(e.what())}};
    } catch (const CellConversionError& e) {
        return {map.table, false, {QString::fromStdString(e.what())}};
    }
}

const Worksheet* titleSheet(const Workbook& book) {
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        if (const Worksheet* sheet = book.findSheet(farmSheetMap(t).sheetName()))
            return sheet;
    return nullptr;
}

void importPages(SqlEngine& db, const Workbook& book, FarmFileImport& file) {
    const Worksheet* first = titleSheet(book);
    if (!first)
        throw FarmSheetError(QStringLiteral("в книге нет листов «table1» … «table9»"));
    file.title = readFarmTitle(db, *first, farmSheetMap(first->name().mid(5).toInt()));
    for (int t = 1; t <= Schema::kReportTableCount; ++t) {
        const FarmSheetMap& map = farmSheetMap(t);
        const Worksheet* sheet = book.findSheet(map.sheetName());
        if (sheet && hasValues(*sheet, map))
            file.pages << importPage(db, file.title, *sheet, map);
    }
}

QString fileName(const QString& path) { return QDir::toNativeSeparators(path); }

QStringList fileLines(const FarmFileImport& file) {
    if (file.outcome != FarmFileOutcome::Read)
        return {QStringLiteral("Файл «%1»: не принят: %2").arg(fileName(file.path), file.error)};
    const TableTitle& t = file.title;
    QStringList lines{QStringLiteral("Файл «%1»: регион %2, район %3, хозяйство %4, категория %5, порода %6, год %7")
                          .arg(fileName(file.path), t.oblm, t.rnm, t.khm, t.kkhm, t.porm, t.godm)};
    if (file.pages.isEmpty())
        lines << QStringLiteral("  заполненных таблиц нет");
    for (const FarmPageImport& page : file.pages) {
        const QString name = reportTable(page.table).tableName();
        const QString details = page.messages.join(QStringLiteral(" "));
        if (!page.stored)
            lines << QStringLiteral("  %1: не сохранена: %2").arg(name, details);
        else if (details.isEmpty())
            lines << QStringLiteral("  %1: сохранена").arg(name);
        else
            lines << QStringLiteral("  %1: сохранена; предупреждения: %2").arg(name, details);
    }
    return lines;
}

} // namespace

FarmFileImport importFarmWorkbook(SqlEngine& db, const QString& path) {
    FarmFileImport file;
    file.path = path;
    try {
        importPages(db, loadXlsxValues(path), file);
    } catch (const FarmSheetError& e) {
        file.outcome = FarmFileOutcome::Refused;
        file.error = QString::fromStdString(e.what());
    } catch (const SpreadsheetError& e) {
        file.outcome = FarmFileOutcome::Failed;
        file.error = e.text();
    } catch (const SqlError& e) {
        file.outcome = FarmFileOutcome::Failed;
        file.error = QString::fromStdString(e.what());
    }
    return file;
}

QStringList farmImportReport(const QList<FarmFileImport>& files) {
    QStringList lines;
    int stored = 0;
    int refused = 0;
    for (const FarmFileImport& file : files) {
        lines << fileLines(file);
        for (const FarmPageImport& page : file.pages)
            ++(page.stored ? stored : refused);
    }
    lines << QStringLiteral("Итого: файлов %1, таблиц сохранено %2, не сохранено %3.")
                 .arg(files.size())
                 .arg(stored)
                 .arg(refused);
    return lines;
}

int farmImportExitCode(const QList<FarmFileImport>& files) {
    int code = 0;
    for (const FarmFileImport& file : files) {
        if (file.outcome == FarmFileOutcome::Failed)
            return 1;
        const bool refusedPage = std::any_of(file.pages.begin(), file.pages.end(),
                                             [](const FarmPageImport& p) { return !p.stored; });
        if (file.outcome == FarmFileOutcome::Refused || refusedPage)
            code = 3;
    }
    return code;
}
