#include "FarmRows.h"
#include "TempProgramFolder.h"
#include "XlsxReadBack.h"
#include "domain/db/Schema.h"
#include "domain/farmworkbook/FarmSheetMap.h"
#include "domain/farmworkbook/FarmSheetValues.h"
#include "domain/farmworkbook/FarmWorkbook.h"
#include "domain/spreadsheet/CellAddress.h"
#include "domain/spreadsheet/PrintLayout.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/TableDefinition.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const FarmTitle kFarm{56, 1, 2, 22, 2, 2026};
const TableTitle kTitle{"56", "1", "2", "22", "2", "2026"};

QJsonValue cellValue(const QJsonObject& sheet, const QString& address) {
    return sheet.value("cells").toObject().value(address).toObject().value("value");
}

bool isScore(int table, const QString& cell) { return isDecimal(reportTable(table).cell(cell).mask); }

// A value of its own for every cell: table × 1000 + position, a score with a tenth.
QVariant storedValue(int table, int index, const QString& cell) {
    return isScore(table, cell) ? QVariant(10 + index + 0.5) : QVariant(table * 1000 + index + 1);
}

class FarmWorkbookTest : public ::testing::Test {
protected:
    FarmWorkbookTest() { home.addDemoFarms(); }
    void storeAll() {
        for (int t = 1; t <= Schema::kReportTableCount; ++t) {
            QVariantMap cells;
            const QStringList names = reportTable(t).cellNames();
            for (int i = 0; i < names.size(); ++i)
                cells[names.at(i).toLower()] = storedValue(t, i, names.at(i));
            storeFarmRow(home.db(), t, kFarm, cells);
        }
    }
    QJsonObject written(const QList<int>& tables, FarmWorkbookContent content = FarmWorkbookContent::Stored) {
        const QString path = home.file("book.xlsx");
        saveXlsx(buildFarmWorkbook(home.db(), kTitle, tables, content), path);
        return readXlsx(path);
    }

    TempProgramFolder home;
};

// The places the printed form gives, as the paper says them.
TEST(FarmSheetMapTest, NamedCellsStandWhereTheFormHasThem) {
    const struct {
        int table;
        const char* cell;
        const char* address;
    } cases[] = {{1, "TM101", "D11"},  {1, "TM135", "J21"},  {2, "TM201", "D10"},  {2, "TM214", "J13"},
                 {3, "TM301", "C13"},  {3, "TM340", "L22"},  {4, "TM401", "E11"},  {4, "TM416", "H11"},
                 {4, "TM431", "J11"},  {4, "TM445", "J49"},  {5, "TM501", "A15"},  {5, "TM513", "M15"},
                 {5, "TM565", "M31"},  {6, "TM6b01", "E12"}, {6, "TM6b03", "G12"}, {6, "TM6t19", "H12"},
                 {6, "TM6t21", "J12"}, {6, "TM6b16", "E22"}, {6, "TM6t36", "J22"}, {7, "TM7b01", "E12"},
                 {7, "TM7b02", "F12"}, {7, "TM7t11", "G12"}, {7, "TM7t12", "H12"}, {7, "TM7t20", "H20"},
                 {8, "TM8b01", "E12"}, {8, "TM8k11", "G12"}, {8, "TM8k20", "H20"}, {9, "TM91", "D11"},
                 {9, "TM92", "G11"},   {9, "TM93", "J11"},   {9, "TM97", "D17"},   {9, "TM99", "J17"}};
    for (const auto& c : cases) {
        QString found;
        for (const FarmCell& cell : farmSheetMap(c.table).dataCells())
            if (cell.column == QLatin1String(c.cell))
                found = cellName(cell.cell);
        EXPECT_EQ(found, c.address) << c.cell;
    }
    const char* years[] = {"G4", "H4", "J4", "I4", "H4", "H4", "H4", "H4", "I4"};
    for (int t = 1; t <= 9; ++t) {
        QStringList title;
        for (const FarmCell& cell : farmSheetMap(t).titleCells())
            title << cellName(cell.cell);
        EXPECT_EQ(title, QStringList({"B2", "D2", "F2", "H2", "J2", years[t - 1]})) << t;
    }
}

TEST(FarmSheetMapTest, EveryColumnHasAPlaceOfItsOwn) {
    for (int t = 1; t <= 9; ++t) {
        const FarmSheetMap& map = farmSheetMap(t);
        QSet<QString> places;
        for (const FarmCell& cell : map.dataCells() + map.titleCells())
            places << cellName(cell.cell);
        EXPECT_EQ(places.size(), Schema::dataColumns(t).size() + 6) << t;
    }
}

TEST_F(FarmWorkbookTest, EveryStoredCellIsReadBackAtItsPlace) {
    storeAll();
    const QJsonObject book = written({1, 2, 3, 4, 5, 6, 7, 8, 9});
    for (int t = 1; t <= 9; ++t) {
        const QJsonObject sheet = sheetOf(book, QStringLiteral("table%1").arg(t));
        ASSERT_FALSE(sheet.isEmpty()) << t;
        const QList<FarmCell> cells = farmSheetMap(t).dataCells();
        for (int i = 0; i < cells.size(); ++i) {
            const QString& name = cells.at(i).column;
            const QJsonValue value = cellValue(sheet, cellName(cells.at(i).cell));
            if (isScore(t, name))
                EXPECT_EQ(value.toString(), QStringLiteral("%1,5").arg(10 + i)) << name.toStdString();
            else
                EXPECT_EQ(value.toDouble(), t * 1000 + i + 1) << name.toStdString();
        }
        const QStringList codes{"56", "1", "2", "22", "2", "2026"};
        const QList<FarmCell> title = farmSheetMap(t).titleCells();
        for (int i = 0; i < title.size(); ++i)
            EXPECT_EQ(cellValue(sheet, cellName(title.at(i).cell)).toDouble(), codes.at(i).toDouble());
        EXPECT_TRUE(cellValue(sheet, "A3").toString().contains("хозяйство: ООО Степное (2)"))
            << cellValue(sheet, "A3").toString().toStdString();
    }
}

TEST_F(FarmWorkbookTest, WithoutAStoredRowOrForABlankFormTheValueCellsAreEmpty) {
    storeAll();
    home.db().execute("DELETE FROM tmjs3");
    const QJsonObject stored = written({3, 4});
    const QJsonObject blank = written({4}, FarmWorkbookContent::Blank);
    for (const QJsonObject& sheet : {sheetOf(stored, "table3"), sheetOf(blank, "table4")}) {
        const int table = sheet.value("name").toString().right(1).toInt();
        for (const FarmCell& cell : farmSheetMap(table).dataCells())
            EXPECT_TRUE(cellValue(sheet, cellName(cell.cell)).isNull()) << cell.column.toStdString();
        EXPECT_EQ(cellValue(sheet, "B2").toDouble(), 56);
    }
    EXPECT_EQ(cellValue(sheetOf(stored, "table4"), "E11").toDouble(), 4001);
}

TEST_F(FarmWorkbookTest, SheetsCarryTheFormsHeadingAndCaptions) {
    const QJsonObject sheet = sheetOf(written({5}), "table5");
    EXPECT_EQ(cellValue(sheet, "M1").toString(), "Таблица 5");
    EXPECT_EQ(cellValue(sheet, "I4").toString(), "ГОДУ");
    EXPECT_EQ(cellValue(sheet, "A14").toString(), "2-Х ЛЕТ");
    const QJsonObject value = sheet.value("cells").toObject().value("M15").toObject();
    EXPECT_EQ(value.value("border").toArray().at(0).toString(), "thin");
}

// Each form is one printed page: all of the sheet, at a fixed scale at which the widest-measuring
// program still fits it on its sheet of paper.
TEST_F(FarmWorkbookTest, EachFormPrintsWholeOnOneSheetOfPaper) {
    storeAll();
    QList<int> all;
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        all << t;
    const Workbook book = buildFarmWorkbook(home.db(), kTitle, all);
    EXPECT_EQ(sheetsOverflowingPaper(book), QStringList{});
    const QString path = home.file("book.xlsx");
    saveXlsx(book, path);
    const QJsonArray written = readXlsx(path).value("sheets").toArray();
    ASSERT_EQ(written.size(), book.sheetCount());
    for (int i = 0; i < book.sheetCount(); ++i) {
        const Worksheet& sheet = book.sheetAt(i);
        SCOPED_TRACE(sheet.name().toStdString());
        const PageSetup& setup = sheet.pageSetup();
        EXPECT_TRUE(setup.onePage);
        ASSERT_TRUE(setup.printArea);
        sheet.forEachCell([&](CellAddress cell, const CellValue&, FormatId) {
            EXPECT_TRUE(setup.printArea->contains(cell)) << cell.row << ":" << cell.column;
        });
        const QJsonObject back = written.at(i).toObject();
        EXPECT_EQ(back.value("rowBreaks").toArray().size(), 0);
        EXPECT_FALSE(back.value("fitToPage").toBool());
        EXPECT_EQ(back.value("scale").toInt(), setup.scale);
        EXPECT_EQ(back.value("orientation").toString(),
                  setup.orientation == PageOrientation::Landscape ? "landscape" : "portrait");
    }
}

} // namespace
