#include "FarmRows.h"
#include "TempProgramFolder.h"
#include "domain/correction/CorrectionList.h"
#include "domain/correction/CorrectionSelector.h"
#include "domain/db/Schema.h"

#include <gtest/gtest.h>

namespace {

TEST(CorrectionSelectorTest, SelectorsNameTablesAndCaptions) {
    const struct {
        int selector;
        int table;
        const char* listCaption;
        const char* titleCaption;
    } cases[] = {
        {0, 1, "Корректировка заголовка всех таблиц", "Редактирование заголовка всех таблиц сразу"},
        {1, 1, "Корректировка таблицы 1", "Редактирование заголовка таблицы 1"},
        {6, 6, "Корректировка таблицы 6", "Редактирование заголовка таблицы 6"},
        {7, 9, "Корректировка таблицы 9", "Редактирование заголовка таблицы 9"},
        {8, 7, "Корректировка таблицы 7", "Редактирование заголовка таблицы 7"},
        {9, 8, "Корректировка таблицы 8", "Редактирование заголовка таблицы 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selector);
        EXPECT_EQ(CorrectionSelector::listedTable(c.selector), c.table);
        EXPECT_EQ(CorrectionSelector::listCaption(c.selector), c.listCaption);
        EXPECT_EQ(CorrectionSelector::titleCaption(c.selector), c.titleCaption);
        if (c.selector != 0) {
            EXPECT_EQ(CorrectionSelector::retitledTables(c.selector), QList<int>{c.table});
            EXPECT_EQ(CorrectionSelector::ofTable(c.table), c.selector);
        }
    }
    EXPECT_EQ(CorrectionSelector::retitledTables(0), (QList<int>{1, 2, 3, 4, 5, 6, 9, 7, 8}));
    EXPECT_THROW(CorrectionSelector::listedTable(10), std::out_of_range);
}

TEST(CorrectionFilterTest, SettingKeepsThePreviousConditionWhenNothingIsChosen) {
    const CorrectionFilter previous{"Адамовский", "Калмыцкая"};
    const struct {
        const char* district;
        const char* breed;
        CorrectionFilter expected;
    } cases[] = {
        {"Беляевский", "Герефордская", {"Беляевский", "Герефордская"}},
        {"", "Герефордская", {"", "Герефордская"}},
        {"Беляевский", "", {"Беляевский", ""}},
        {"", "", previous},
        {" ", "", previous},
    };
    for (const auto& c : cases)
        EXPECT_EQ(filterAfterSetting(previous, c.district, c.breed), c.expected) << c.district << "/" << c.breed;
}

class CorrectionListTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.addDemoFarms();
        // District 3 before 1 in storage; other years and a region without farms' names.
        storeFarmRow(home.db(), 2, {.rnm = 3, .khm = 1, .kkhm = 21, .porm = 3});
        storeFarmRow(home.db(), 2, {.rnm = 1, .khm = 2, .kkhm = 22, .porm = 2});
        storeFarmRow(home.db(), 2, {.rnm = 1, .khm = 1, .kkhm = 22, .porm = 3, .godm = 2025});
        storeFarmRow(home.db(), 2, {.rnm = 1, .khm = 1, .kkhm = 22, .porm = 3});
        storeFarmRow(home.db(), 2, {.rnm = 1, .khm = 9, .kkhm = 22, .porm = 3}); // no such farm
    }

    static QStringList lines(const QList<NamedTitle>& titles) {
        QStringList out;
        for (const NamedTitle& t : titles)
            out << QStringList{t.title.godm, t.district, t.farm, t.category, t.breed}.join('|');
        return out;
    }

    TempProgramFolder home;
};

TEST_F(CorrectionListTest, ListsEveryYearByNamesAndSkipsRowsWithoutReferencePartners) {
    const QList<NamedTitle> list = correctionList(home.db(), 2);
    EXPECT_EQ(lines(list), (QStringList{
                               "2025|Адамовский|СПК Заря|Племенные репродукторы|Герефордская",
                               "2026|Адамовский|ООО Степное|Племенные репродукторы|Казахская белоголовая",
                               "2026|Адамовский|СПК Заря|Племенные репродукторы|Герефордская",
                               "2026|Беляевский|ООО Уральское|Племенные заводы|Герефордская",
                           }));
    EXPECT_EQ(list.first().region, "Оренбургская область");
    EXPECT_EQ(list.first().title.khm, "1");
    EXPECT_TRUE(correctionList(home.db(), 3).isEmpty());
}

TEST_F(CorrectionListTest, FilterByDistrictBreedOrBoth) {
    EXPECT_EQ(correctionList(home.db(), 2, {"", "Герефордская"}).size(), 3);
    EXPECT_EQ(correctionList(home.db(), 2, {"Адамовский", ""}).size(), 3);
    EXPECT_EQ(lines(correctionList(home.db(), 2, {"адамовский", "Казахская белоголовая"})),
              QStringList{"2026|Адамовский|ООО Степное|Племенные репродукторы|Казахская белоголовая"});
    EXPECT_TRUE(correctionList(home.db(), 2, {"Адамовский'", ""}).isEmpty());
}

TEST_F(CorrectionListTest, DeleteRemovesOnlyThatTablesRow) {
    const FarmTitle farm{.rnm = 1, .khm = 2, .kkhm = 22, .porm = 2};
    for (int table = 1; table <= Schema::kReportTableCount; ++table)
        if (table != 2)
            storeFarmRow(home.db(), table, farm);
    const TableTitle title{"56", "1", "2", "22", "2", "2026"};
    EXPECT_EQ(deleteStoredTable(home.db(), 2, title), 1);
    for (int table = 1; table <= Schema::kReportTableCount; ++table)
        EXPECT_EQ(home.db().select("SELECT * FROM " + Schema::dataTable(table)).size(), table == 2 ? 4 : 1) << table;
    EXPECT_EQ(lines(correctionList(home.db(), 2, {"Адамовский", ""})).size(), 2);
    EXPECT_EQ(deleteStoredTable(home.db(), 2, title), 0);
}

} // namespace
