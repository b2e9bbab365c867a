#include "FarmRows.h"
#include "StoredColumns.h"
#include "TempProgramFolder.h"
#include "XlsxReadBack.h"
#include "domain/consistency/ConsistencyCheck.h"
#include "domain/consistency/ConsistencyWorkbook.h"
#include "domain/spreadsheet/PrintLayout.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

using namespace CrossTableMessages;

// 40 cows (30 purebred and 4th generation, 10 3rd generation) and 3 breeding bulls in every table.
const StoredColumns kHerd = {{{1, "tm108"}, 3},  {{1, "tm122"}, 40}, {{1, "tm123"}, 30}, {{1, "tm124"}, 10},
                             {{2, "tm207"}, 40}, {{2, "tm214"}, 3},  {{3, "tm331"}, 40}, {{4, "tm401"}, 10},
                             {{4, "tm405"}, 10}, {{4, "tm409"}, 10}, {{4, "tm416"}, 4},  {{4, "tm420"}, 3},
                             {{4, "tm424"}, 3},  {{4, "tm431"}, 20}, {{4, "tm435"}, 15}, {{4, "tm439"}, 5},
                             {{5, "tm553"}, 3}};

struct Expected {
    QString message;
    qint64 left;
    qint64 right;
};

class ConsistencyCheckTest : public ::testing::Test {
protected:
    void SetUp() override { home.addDemoFarms(); }

    // Stores the given columns of Tables 1 to 5 under the title; every table of `tables` gets a row.
    void storeTitle(const FarmTitle& title, const StoredColumns& columns, QList<int> tables = {1, 2, 3, 4, 5}) {
        for (int table : tables) {
            QVariantMap cells;
            for (const auto& [key, value] : columns)
                if (key.first == table)
                    cells.insert(key.second, value);
            storeFarmRow(home.db(), table, title, cells);
        }
    }

    static QList<Expected> found(const ConsistencyReport& report) {
        QList<Expected> list;
        for (const ConsistencyFinding& f : report.findings)
            list << Expected{f.message, f.leftValue, f.rightValue};
        return list;
    }

    TempProgramFolder home;
};

bool operator==(const Expected& a, const Expected& b) {
    return a.message == b.message && a.left == b.left && a.right == b.right;
}
void PrintTo(const Expected& e, std::ostream* os) { *os << e.message.toStdString() << " " << e.left << "/" << e.right; }

TEST_F(ConsistencyCheckTest, AgreeingTitlesGiveNoFinding) {
    storeTitle({.khm = 1}, kHerd);
    storeTitle({.khm = 2}, kHerd, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    storeFarmRow(home.db(), 8, {.khm = 3});
    const ConsistencyReport report = checkConsistency(home.db(), "56", "2026");
    EXPECT_TRUE(report.findings.isEmpty());
    EXPECT_EQ(report.titlesChecked, 3);
    EXPECT_EQ(findingsCountText(report), "Найдено расхождений: 0 (проверено заголовков: 3).");
}

// Each comparison found once, with both windows' messages; three values that must all agree
// (bulls of Tables 1, 2 and 5) break two comparisons when one of them differs.
TEST_F(ConsistencyCheckTest, EachKindOfDisagreementIsFoundOnceWithItsValues) {
    const struct {
        const char* name;
        StoredColumns change;
        QList<Expected> expected;
    } cases[] = {
        {"Table 2 cows", {{{2, "tm207"}, 39}}, {{cows2, 40, 39}}},
        {"Table 3 cows", {{{3, "tm331"}, 41}}, {{cows3, 40, 41}}},
        {"Table 4 all cows", {{{4, "tm431"}, 21}}, {{total4, 41, 40}}},
        {"Table 4 purebred", {{{4, "tm401"}, 11}}, {{pure4, 30, 31}}},
        {"Table 4 3rd generation", {{{4, "tm424"}, 2}}, {{third4, 10, 9}}},
        {"Table 1 bulls", {{{1, "tm108"}, 4}}, {{bulls2, 4, 3}, {bulls5, 4, 3}}},
        {"Table 2 bulls", {{{2, "tm214"}, 4}}, {{bulls2, 3, 4}, {bulls25, 4, 3}}},
        {"Table 5 bulls", {{{5, "tm553"}, 5}}, {{bulls5, 3, 5}, {bulls25, 3, 5}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder fresh;
        fresh.addDemoFarms();
        for (int table = 1; table <= 5; ++table) {
            QVariantMap cells;
            for (const auto& [key, value] : with(kHerd, c.change))
                if (key.first == table)
                    cells.insert(key.second, value);
            storeFarmRow(fresh.db(), table, {}, cells);
        }
        EXPECT_EQ(found(checkConsistency(fresh.db(), "56", "2026")), c.expected);
    }
}

TEST_F(ConsistencyCheckTest, OnlyTable1StoredComparesWithZeroAndNamesTheTitle) {
    storeTitle({.khm = 2, .porm = 3}, {{{1, "tm122"}, 40}}, {1});
    const ConsistencyReport report = checkConsistency(home.db(), "", "2026");
    EXPECT_EQ(found(report), (QList<Expected>{{cows2, 40, 0}, {cows3, 40, 0}, {total4, 0, 40}}));
    const ConsistencyFinding& first = report.findings.first();
    EXPECT_EQ(QStringList({first.title.region, first.title.district, first.title.farm, first.title.category,
                           first.title.breed, first.title.title.godm}),
              QStringList({"Оренбургская область", "Адамовский", "ООО Степное", "Племенные репродукторы",
                           "Герефордская", "2026"}));
    EXPECT_EQ(std::pair(first.leftTable, first.rightTable), std::pair(1, 2));
    // Table 4 is not stored: its comparison is corrected on Table 1.
    EXPECT_EQ(report.findings.last().tableToCorrect, 1);
    EXPECT_EQ(findingTexts(first).at(6), "Таблица 1 – Таблица 2");
}

TEST_F(ConsistencyCheckTest, ScopeIsOneYearAndOneRegionOrAll) {
    home.db().execute("INSERT INTO kodra(kodr,kodraj,im) VALUES(57,1,'Болховский')");
    home.db().execute("INSERT INTO kodxoz(kodr,kodraj,kodx,im) VALUES(57,1,1,'СПК Рассвет')");
    storeTitle({.khm = 3}, {{{2, "tm207"}, 1}}, {2});
    storeTitle({.khm = 1, .godm = 2025}, {{{2, "tm207"}, 1}}, {2});
    storeTitle({.oblm = 57}, {{{2, "tm207"}, 1}}, {2});
    storeTitle({.rnm = 3, .khm = 2}, {{{2, "tm207"}, 1}}, {2});

    const auto farms = [](const ConsistencyReport& r) {
        QStringList names;
        for (const ConsistencyFinding& f : r.findings)
            names << f.title.farm;
        return names;
    };
    EXPECT_EQ(farms(checkConsistency(home.db(), "56", "2026")), (QStringList{"КФХ Иванов", "СПК Колос"}));
    EXPECT_EQ(farms(checkConsistency(home.db(), "", "2026")), (QStringList{"КФХ Иванов", "СПК Колос", "СПК Рассвет"}));
    EXPECT_EQ(farms(checkConsistency(home.db(), "56", "2025")), QStringList{"СПК Заря"});
    EXPECT_TRUE(checkConsistency(home.db(), "56", "2024").findings.isEmpty());
}

TEST_F(ConsistencyCheckTest, WorkbookHasHeadingCountAndOneRowAFinding) {
    storeTitle({}, {{{1, "tm122"}, 40}}, {1});
    const ConsistencyReport report = checkConsistency(home.db(), "56", "2026");
    const QString path = saveXlsxToDoc(consistencyWorkbook(report, "Оренбургская область", "2026"), home.path(),
                                       QString::fromLatin1(kConsistencyWorkbookFile));
    EXPECT_TRUE(path.endsWith("doc/check.xlsx"));
    const QJsonObject cells = sheetOf(readXlsx(path), "Проверка").value("cells").toObject();
    const auto value = [&cells](const char* cell) { return cells.value(cell).toObject().value("value").toVariant(); };
    EXPECT_EQ(value("A1").toString(), "Проверка согласованности таблиц: Оренбургская область, 2026 год");
    EXPECT_EQ(value("A2").toString(), "Найдено расхождений: 3 (проверено заголовков: 1).");
    EXPECT_EQ(value("H3").toString(), "Сообщение");
    EXPECT_EQ(value("C4").toString(), "СПК Заря");
    EXPECT_EQ(value("H4").toString(), cows2);
    EXPECT_EQ(value("I4").toInt(), 40);
    EXPECT_EQ(value("J6").toInt(), 40);
    EXPECT_FALSE(value("A7").isValid());
}

// The findings flow over the pages under the repeated heading, every column across the paper.
TEST_F(ConsistencyCheckTest, WorkbookPrintsAllColumnsUnderTheHeadingOnEveryPage) {
    storeTitle({}, {{{1, "tm122"}, 40}}, {1});
    storeTitle({.khm = 2}, kHerd);
    const ConsistencyReport report = checkConsistency(home.db(), "56", "2026");
    ASSERT_FALSE(report.findings.isEmpty());
    const Workbook book = consistencyWorkbook(report, "Оренбургская область", "2026");
    EXPECT_EQ(sheetsOverflowingPaper(book), QStringList{});
    const QJsonObject sheet = sheetOf(
        readXlsx(saveXlsxToDoc(book, home.path(), QString::fromLatin1(kConsistencyWorkbookFile))), "Проверка");
    EXPECT_EQ(sheet.value("printTitleRows").toString(), "$1:$3");
    EXPECT_EQ(sheet.value("scale").toInt(), book.sheetAt(0).pageSetup().scale);
    EXPECT_EQ(sheet.value("orientation").toString(), "landscape");
}

} // namespace
