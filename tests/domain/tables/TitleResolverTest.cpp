#include "TempProgramFolder.h"
#include "domain/tables/TitleResolver.h"

#include <gtest/gtest.h>

namespace {

class TitleResolverTest : public ::testing::Test {
protected:
    TempProgramFolder home;

    void SetUp() override {
        home.addDemoFarms();
        // The same farm name once more, in a third district and under another code.
        home.db().execute("INSERT INTO kodxoz (kodr, kodraj, kodx, im) VALUES (56, 4, 3, 'СПК Заря')");
        home.db().execute("INSERT INTO kodxoz (kodr, kodraj, kodx, im) VALUES (56, 1, 4, 'КФХ О''Нил')");
    }

    TitleNames names(const QString& district, const QString& farm) {
        return {district, farm, QStringLiteral("Сельскохозяйственные организации"), QStringLiteral("Калмыцкая")};
    }
};

TEST_F(TitleResolverTest, SixCodesFromSettingsAndNames) {
    const TableTitle t = CreateUpperForTables(home.data(), names("Адамовский", "ООО Степное"));
    EXPECT_EQ(t.oblm, "56");
    EXPECT_EQ(t.rnm, "1");
    EXPECT_EQ(t.khm, "2");
    EXPECT_EQ(t.kkhm, "11");
    EXPECT_EQ(t.porm, "1");
    EXPECT_EQ(t.godm, "2026");
}

TEST_F(TitleResolverTest, SharedFarmNameGoesToTheChosenDistrictsFarm) {
    const TableTitle first = CreateUpperForTables(home.data(), names("Адамовский", "СПК Заря"));
    EXPECT_EQ(first.rnm, "1");
    EXPECT_EQ(first.khm, "1");
    const TableTitle fourth = CreateUpperForTables(home.data(), names("Домбаровский", "СПК Заря"));
    EXPECT_EQ(fourth.rnm, "4");
    EXPECT_EQ(fourth.khm, "3");
}

TEST_F(TitleResolverTest, NamesAreBoundAndComparedWithoutCase) {
    EXPECT_EQ(CreateUpperForTables(home.data(), names("Адамовский", "КФХ О'Нил")).khm, "4");
    const TableTitle t = CreateUpperForTables(
        home.data(), {"АКБУЛАКСКИЙ", "спк заря", "сельскохозяйственные организации", "калмыцкая"});
    EXPECT_EQ(t.rnm, "2");
    EXPECT_EQ(t.khm, "1");
    EXPECT_EQ(t.kkhm, "11");
}

struct UnresolvedCase {
    TitleNames names;
    const char* message;
};

TEST_F(TitleResolverTest, NameThatResolvesToNothingSaysWhat) {
    const QString category = QStringLiteral("Сельскохозяйственные организации");
    const UnresolvedCase cases[] = {
        {{"Нет такого", "СПК Заря", category, "Калмыцкая"}, "Район «Нет такого» не найден в области с кодом 56."},
        {{"Адамовский", "ЗАО Рассвет", category, "Калмыцкая"},
         "Хозяйство «ЗАО Рассвет» не найдено в районе «Адамовский»."},
        {{"Адамовский", "СПК%", category, "Калмыцкая"}, "Хозяйство «СПК%» не найдено в районе «Адамовский»."},
        {{"Адамовский", "СПК Заря", "Колхоз", "Калмыцкая"}, "Категория хозяйства «Колхоз» не найдена."},
        {{"Адамовский", "СПК Заря", category, "Калм_цкая"}, "Порода «Калм_цкая» не найдена."},
    };
    for (const UnresolvedCase& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            CreateUpperForTables(home.data(), c.names);
            ADD_FAILURE() << "resolved";
        } catch (const TitleError& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), QString::fromUtf8(c.message));
        }
    }
}

TEST(TitleResolverSettingsTest, MissingSettingsSayWhat) {
    TempProgramFolder home;
    home.db().execute("DELETE FROM k1obl");
    EXPECT_THROW(CreateUpperForTables(home.data(), {"Адамовский", "СПК Заря", "x", "y"}), TitleError);
}

} // namespace
