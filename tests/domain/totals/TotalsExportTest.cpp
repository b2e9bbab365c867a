#include "FarmRows.h"
#include "TempProgramFolder.h"
#include "TotalsSheetReadBack.h"
#include "XlsxReadBack.h"
#include "domain/db/ProgramFolder.h"
#include "domain/db/SqlEngine.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"
#include "domain/totals/RegionalTotals.h"
#include "domain/totals/TotalsExport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const QString kRegion = QStringLiteral("Оренбургская область");
const QString kBeefBreeds = QStringLiteral("ПОРОДЫ МЯСНОГО НАПРАВЛЕНИЯ");
constexpr int kLastRowRead = 140;

// Farms of the demo region: breeding (22), ordinary (12) and category 11, which gets no section.
class TotalsExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.addDemoFarms();
        storeFarmRow(home.db(), 1, FarmTitle{.khm = 1, .kkhm = 22, .porm = 2}, {{"tm101", 10}});
        storeFarmRow(home.db(), 1, FarmTitle{.khm = 2, .kkhm = 11, .porm = 2}, {{"tm101", 5}});
        storeFarmRow(home.db(), 1, FarmTitle{.khm = 3, .kkhm = 12, .porm = 3}, {{"tm101", 7}});
        storeFarmRow(home.db(), 3, FarmTitle{.khm = 2, .kkhm = 11, .porm = 2}, {{"tm301", 10}, {"tm310", 400}});
        storeFarmRow(home.db(), 3, FarmTitle{.khm = 3, .kkhm = 12, .porm = 2}, {{"tm301", 30}, {"tm310", 500}});
        RecordedLog computing;
        computeRegionalTotals(home.db(), kRegion, "2026", computing);
    }

    SheetReadBack exported(const QString& region, const QString& sheet) {
        const Workbook book = buildTotalsWorkbook(home.db(), region, "2026", log);
        return saveAndReadSheet(book, sheet);
    }

    // The texts of column 2 (headings) and the values beside the first caption, top to bottom.
    static QStringList headings(const SheetReadBack& s, int firstRow) {
        QStringList texts;
        for (int row = firstRow; row <= kLastRowRead; ++row)
            if (!s.isEmpty(row, 2))
                texts << s.text(row, 2);
        return texts;
    }
    static QList<double> firstColumnValues(const SheetReadBack& s, int captionColumn, const QString& caption,
                                           int valueColumn) {
        QList<double> values;
        for (int row = 1; row <= kLastRowRead; ++row)
            if (s.text(row, captionColumn) == caption)
                values << s.value(row, valueColumn).toDouble();
        return values;
    }

    TempProgramFolder home;
    RecordedLog log;
};

TEST_F(TotalsExportTest, BlocksFollowTheRegionBreedsBreedingFarmsAndCategories) {
    const SheetReadBack s = exported(kRegion, "табл1");

    EXPECT_EQ(s.value(3, 6).toDouble(), 2026);
    EXPECT_EQ(s.text(12, 2), kRegion);
    EXPECT_EQ(s.value(2, 10).toDouble(), 1);
    EXPECT_EQ(headings(s, 13),
              (QStringList{"Казахская белоголовая", "Герефордская", "ПЛЕМЕННЫЕ ХОЗЯЙСТВА", kBeefBreeds,
                           "Казахская белоголовая", "КРЕСТЬЯНСКИЕ (ФЕРМЕРСКИЕ) ХОЗ", "ЯЙСТВА", kBeefBreeds,
                           "Герефордская", "ПЛЕМЕННЫЕ РЕПРОДУКТОРЫ", kBeefBreeds, "Казахская белоголовая"}))
        << "category 11 has no section of its own";
    // The region's breed blocks include category 11.
    EXPECT_EQ(firstColumnValues(s, 3, "Всего КРС", 4), (QList<double>{22, 15, 7, 10, 10, 7, 7, 10, 10}));
    EXPECT_EQ(log.lines.first(), "Формирование выходных данных для 56 Оренбургская область");
    QStringList exportedLines;
    for (int t = 1; t <= 9; ++t)
        exportedLines << QStringLiteral("Таблица %1 экспортирована в Excel.").arg(t);
    EXPECT_EQ(log.lines.mid(1), exportedLines);
}

TEST_F(TotalsExportTest, BreedBlocksOverCategoriesReweighTheMeans) {
    const SheetReadBack s = exported(kRegion, "табл3");
    // Whole region on rows 13 to 16, then one breed block on 18 to 21.
    EXPECT_EQ(s.text(18, 2), "Казахская белоголовая");
    EXPECT_EQ(s.value(18, 4).toDouble(), 40);
    EXPECT_EQ(s.value(18, 13).toDouble(), 475) << "(10 × 400 + 30 × 500) / 40";
    EXPECT_EQ(s.value(13, 13).toDouble(), 475);
}

TEST_F(TotalsExportTest, ATableWithoutRowsGetsItsFixedCellsAndOneEmptyBlock) {
    const SheetReadBack s = exported(kRegion, "табл2");
    EXPECT_EQ(s.text(9, 2), kRegion);
    EXPECT_EQ(s.value(4, 5).toDouble(), 2026);
    EXPECT_EQ(s.text(11, 4), "Коровы");
    EXPECT_EQ(s.text(12, 4), "Быки-производители");
    for (int c = 6; c <= 12; ++c)
        EXPECT_TRUE(s.isEmpty(11, c)) << "column " << c;
    for (int row = 13; row <= kLastRowRead; ++row)
        EXPECT_TRUE(s.isEmpty(row, 4)) << "row " << row;
}

TEST_F(TotalsExportTest, AnotherRegionFindsNoRowsButEverySheetGetsItsHeading) {
    const SheetReadBack s = exported("Тульская область", "табл1");
    EXPECT_EQ(s.text(12, 2), "Тульская область");
    EXPECT_EQ(s.text(14, 3), "Всего КРС");
    EXPECT_TRUE(s.isEmpty(14, 4));
    EXPECT_TRUE(headings(s, 13).isEmpty());
    EXPECT_EQ(log.lines.first(), "Формирование выходных данных для 71 Тульская область");
    EXPECT_EQ(log.lines.size(), 10);
}

struct RefusedExport {
    const char* region;
    const char* year;
    const char* message;
};

const RefusedExport kRefusedExports[] = {
    {"", "2026", "Нужно выбрать регион и год!"},
    {"Оренбургская область", "", "Нужно выбрать регион и год!"},
    {"Оренбургская область", " ", "Нужно выбрать регион и год!"},
    {"Атлантида", "2026", "Регион «Атлантида» не найден в справочнике регионов."},
    {"Оренбургская область", "20x6", "Год «20x6» указан неверно: нужны четыре цифры."},
};

TEST_F(TotalsExportTest, AnEmptyOrUnknownChoiceIsToldAndNothingIsWritten) {
    for (const RefusedExport& c : kRefusedExports) {
        SCOPED_TRACE(c.message);
        log.lines.clear();
        try {
            buildTotalsWorkbook(home.db(), QString::fromUtf8(c.region), QString::fromUtf8(c.year), log);
            ADD_FAILURE() << "not refused";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), QString::fromUtf8(c.message));
        }
        EXPECT_TRUE(log.lines.isEmpty());
    }
}

TEST_F(TotalsExportTest, AFailedTableIsSkippedAndTheOthersAreExported) {
    home.db().execute("DROP TABLE stmjs3");
    const Workbook book = buildTotalsWorkbook(home.db(), kRegion, "2026", log);
    EXPECT_FALSE(log.lines.contains("Таблица 3 экспортирована в Excel."));
    EXPECT_TRUE(log.lines.contains("Таблица 2 экспортирована в Excel."));
    EXPECT_TRUE(log.lines.contains("Таблица 4 экспортирована в Excel."));
    EXPECT_EQ(log.lines.size(), 9);
    const SheetReadBack s = saveAndReadSheet(book, "табл1");
    EXPECT_EQ(s.value(14, 4).toDouble(), 22);
}

} // namespace
