#include "FarmRows.h"
#include "TempProgramFolder.h"
#include "domain/correction/CorrectionSelector.h"
#include "domain/correction/TitleChange.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlError.h"
#include "domain/tables/TitleResolver.h"

#include <gtest/gtest.h>

namespace {

class TitleChangeTest : public ::testing::Test {
protected:
    void SetUp() override { home.addDemoFarms(); }

    int rowsOf(int table, int year) {
        return home.db().select("SELECT * FROM " + Schema::dataTable(table) + " WHERE godm=?", {year}).size();
    }

    TempProgramFolder home;
    const FarmTitle oldFarm{.rnm = 1, .khm = 2, .kkhm = 22, .porm = 2, .godm = 2025};
    const TableTitle from{"56", "1", "2", "22", "2", "2025"};
    const TableTitle to{"56", "1", "2", "22", "2", "2026"};
};

// Tables 3 and 8 lack the old title, Table 4 already holds the new one.
TEST_F(TitleChangeTest, AllNineTablesEachReportTheirOwnOutcome) {
    for (int table : {1, 2, 4, 5, 6, 7, 9})
        storeFarmRow(home.db(), table, oldFarm, {{Schema::dataColumns(table).first(), 17}});
    home.db().execute("UPDATE tmjs1 SET send=1");
    storeFarmRow(home.db(), 4, {.rnm = 1, .khm = 2, .kkhm = 22, .porm = 2, .godm = 2026}, {{"tm401", 5}});

    QStringList messages;
    for (int table : CorrectionSelector::retitledTables(CorrectionSelector::kAllTables))
        messages << changeTableTitle(home.db(), table, from, to).message();
    EXPECT_EQ(messages,
              (QStringList{"В tmjs1 заголовок изменен.", "В tmjs2 заголовок изменен.",
                           "Запись с таким заголовком в tmjs3 отсутствует.",
                           "В tmjs4 уже есть запись с таким заголовком.Сначала удалите старую запись - потом "
                           "добавляйте новую.",
                           "В tmjs5 заголовок изменен.", "В tmjs6 заголовок изменен.", "В tmjs9 заголовок изменен.",
                           "В tmjs7 заголовок изменен.", "Запись с таким заголовком в tmjs8 отсутствует."}));
    for (int table : {1, 2, 5, 6, 7, 9}) {
        EXPECT_EQ(rowsOf(table, 2025), 0) << table;
        const SqlRow row = home.db().select("SELECT * FROM " + Schema::dataTable(table)).first();
        EXPECT_EQ(row.integer(Schema::dataColumns(table).first()), 17) << table;
    }
    EXPECT_TRUE(home.db().select("SELECT send FROM tmjs1").first().boolean("send"));
    EXPECT_EQ(rowsOf(4, 2025), 1);
    EXPECT_EQ(home.db().select("SELECT tm401 FROM tmjs4 WHERE godm=2026").first().integer("tm401"), 5);
}

// Only a unique-key conflict is the duplicate message; any other engine error is the caller's.
TEST_F(TitleChangeTest, OtherEngineErrorsAreNotTakenForADuplicate) {
    storeFarmRow(home.db(), 1, oldFarm);
    home.db().execute("CREATE TRIGGER refuse BEFORE UPDATE ON tmjs1 BEGIN SELECT RAISE(ABORT, 'запрещено'); END");
    try {
        changeTableTitle(home.db(), 1, from, to);
        FAIL() << "no error";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.kind(), SqlError::Kind::Other);
        EXPECT_TRUE(e.text().contains("запрещено")) << e.text().toStdString();
    }
    EXPECT_EQ(rowsOf(1, 2025), 1);
}

TEST_F(TitleChangeTest, ConfirmationNamesBothTitlesWithTwoBlanksBeforeTheYears) {
    EXPECT_EQ(allTablesQuestion({"Р", "Д", "Х", "К", "П", "2025"}, {"Р", "Д", "Х2", "К", "П", "2026"}),
              "Вы действительно хотите заменить Р Д Х К П  2025 на Р Д Х2 К П  2026 для всех таблиц с Табл 1 по "
              "Табл 9?");
}

TEST_F(TitleChangeTest, NewTitleResolvesNamesWithinTheirScope) {
    const TitleChoice choice{"оренбургская область", {"Акбулакский", "СПК Заря", "Племенные заводы", "Калмыцкая"}, "2027"};
    const TableTitle title = resolveTitle(home.db(), choice);
    EXPECT_EQ(QStringList({title.oblm, title.rnm, title.khm, title.kkhm, title.porm, title.godm}),
              QStringList({"56", "2", "1", "21", "1", "2027"}));
    const struct {
        TitleChoice choice;
        const char* message;
    } failures[] = {
        {{"Нет такой", choice.names, "2027"}, "Регион «Нет такой» не найден."},
        {{choice.region, {"Акбулакский", "ООО Степное", "Племенные заводы", "Калмыцкая"}, "2027"},
         "Хозяйство «ООО Степное» не найдено в районе «Акбулакский»."},
        {{choice.region, choice.names, "27"}, "Год «27» должен состоять из четырех цифр."},
    };
    for (const auto& f : failures) {
        try {
            resolveTitle(home.db(), f.choice);
            ADD_FAILURE() << f.message;
        } catch (const TitleError& e) {
            EXPECT_STREQ(e.what(), f.message);
        }
    }
}

} // namespace
