#include "TempProgramFolder.h"
#include "domain/db/SqlEngine.h"
#include "domain/references/ReferenceEditing.h"

#include <gtest/gtest.h>

namespace {

const ReferenceBook& book(const char* table) { return *findReferenceBook(table); }

QStringList rowsOf(SqlEngine& db, const QString& sql) {
    QStringList rows;
    for (const SqlRow& row : db.select(sql)) {
        QStringList fields;
        for (int i = 0; i < row.fieldCount(); ++i)
            fields << row.text(i);
        rows << fields.join(u'|');
    }
    return rows;
}

class ReferenceBooksTest : public ::testing::Test {
protected:
    ReferenceBooksTest() { home.addDemoFarms(); }
    SqlEngine& db() { return home.db(); }
    QStringList districts() { return rowsOf(db(), "SELECT kodr, kodraj, im FROM kodra ORDER BY kodr, kodraj"); }
    QStringList farms() { return rowsOf(db(), "SELECT kodr, kodraj, kodx, im FROM kodxoz ORDER BY kodr, kodraj, kodx"); }

    TempProgramFolder home;
};

TEST_F(ReferenceBooksTest, EveryBookOpensWithTheColumnsItNames) {
    ASSERT_EQ(referenceBooks().size(), 9);
    for (int i = 0; i < referenceBooks().size(); ++i) {
        const ReferenceBook& b = referenceBooks().at(i);
        EXPECT_EQ(b.tag, i + 1);
        const SqlResult rows = openBookView(db(), b.view);
        ASSERT_GT(rows.size(), 0) << b.table.toStdString();
        for (const BookColumn& c : b.view.columns)
            EXPECT_TRUE(rows.fields().contains(c.field)) << b.table.toStdString() << " " << c.field.toStdString();
        EXPECT_TRUE(rows.fields().contains(b.searchColumn));
        for (const QString& k : b.editing.key)
            EXPECT_TRUE(rows.fields().contains(k)) << b.table.toStdString();
    }
    EXPECT_EQ(openBookView(db(), book("kodra").view)[0].text("spobl.im"), "Оренбургская область");
}

TEST_F(ReferenceBooksTest, SearchTrimsAndIgnoresCase) {
    const SqlResult regions = openBookView(db(), book("spobl").view);
    EXPECT_EQ(regions[searchBookRow(regions, book("spobl"), "  56 ")].text("im"), "Оренбургская область");
    EXPECT_EQ(searchBookRow(regions, book("spobl"), "9999"), -1);
    // Codes stored as text are compared regardless of case, Cyrillic too.
    db().execute("INSERT INTO kodup(kodup, kodu) VALUES('Ab-Жк', 'Тестовая')");
    const SqlResult improving = openBookView(db(), book("kodup").view);
    const int found = searchBookRow(improving, book("kodup"), " aB-жК\t");
    ASSERT_GE(found, 0);
    EXPECT_EQ(improving[found].text("kodu"), "Тестовая");
}

TEST_F(ReferenceBooksTest, RowsThatBreakTheBookAreRefusedAndNothingIsStored) {
    const struct {
        const char* table;
        QStringList values;
        const char* message;
    } cases[] = {
        {"kodra", {"56", "1", "Двойник"}, "Запись с такими кодами уже есть в справочнике (Код региона 56, Код района 1)."},
        {"kodra", {"56", " ", "Без кода"}, "Не заполнено поле «Код района»."},
        {"kodra", {"56", "1а", "Буква"}, "В поле «Код района» должно быть целое число без знака, а не «1а»."},
        {"kodra", {"999", "1", "Нет региона"}, "Региона с кодом 999 нет в справочнике регионов."},
        {"kodxoz", {"56", "9", "1", "Нет района"}, "Района с кодом 9 нет в регионе с кодом 56."},
        {"kodxoz", {"56", "1", "2", "Двойник"},
         "Запись с такими кодами уже есть в справочнике (Код региона 56, Код района 1, Код хозяйства 2)."},
        {"kodkb", {"1", "Двойник"}, "Запись с такими кодами уже есть в справочнике (Код 1)."},
    };
    const QStringList before = districts() + farms();
    for (const auto& c : cases) {
        try {
            addBookRow(db(), book(c.table), c.values);
            ADD_FAILURE() << c.message;
        } catch (const ReferenceError& e) {
            EXPECT_EQ(QString::fromStdString(e.what()), QString::fromUtf8(c.message));
        }
    }
    EXPECT_EQ(districts() + farms(), before);
    EXPECT_EQ(rowsOf(db(), "SELECT count(*) FROM kodkb"), QStringList{"4"});
}

TEST_F(ReferenceBooksTest, AddedDistrictAndFarmAreStoredUnsent) {
    addBookRow(db(), book("kodra"), {" 56", "7 ", "Новый район"});
    addBookRow(db(), book("kodxoz"), {"56", "7", "1", "Новое хозяйство"});
    addBookRow(db(), book("kodra"), {"1", "7", "Тот же код в другом регионе"});
    EXPECT_EQ(rowsOf(db(), "SELECT kodr, kodraj, im, send, datesend FROM kodra WHERE kodraj=7 ORDER BY kodr"),
              QStringList({"1|7|Тот же код в другом регионе|0|", "56|7|Новый район|0|"}));
    EXPECT_TRUE(farms().contains("56|7|1|Новое хозяйство"));
}

TEST_F(ReferenceBooksTest, DeleteAndEditAddressTheFullKey) {
    addBookRow(db(), book("kodra"), {"1", "3", "Район другого региона"});
    addBookRow(db(), book("kodxoz"), {"1", "3", "1", "Хозяйство другого региона"});
    EXPECT_TRUE(deleteBookRow(db(), book("kodra"), {"56", "3"}));
    EXPECT_FALSE(deleteBookRow(db(), book("kodra"), {"56", "3"}));
    EXPECT_TRUE(districts().contains("1|3|Район другого региона"));
    EXPECT_FALSE(districts().contains("56|3|Беляевский"));
    EXPECT_TRUE(deleteBookRow(db(), book("kodxoz"), {"56", "3", "1"}));
    EXPECT_TRUE(farms().contains("1|3|1|Хозяйство другого региона"));
    EXPECT_TRUE(farms().contains("56|1|1|СПК Заря"));

    updateBookRow(db(), book("kodra"), {"1", "3"}, {"1", "3", "Переименован"});
    EXPECT_TRUE(districts().contains("1|3|Переименован"));
    EXPECT_TRUE(districts().contains("56|1|Адамовский"));
    EXPECT_THROW(updateBookRow(db(), book("kodra"), {"1", "3"}, {"56", "1", "Занятый ключ"}), ReferenceError);
    EXPECT_THROW(updateBookRow(db(), book("kodra"), {"1", "8"}, {"1", "8", "Нет такой"}), ReferenceError);
    EXPECT_EQ(openEditRows(db(), book("kodra"), {"1", "3"}).size(), 1);
}

TEST_F(ReferenceBooksTest, LinesImprovingBreedsAndBullCategoriesAreReallyDeleted) {
    for (const auto& [table, key] : {std::pair{"sklin", "101"}, {"kodup", "1"}, {"kodkb", "1"}}) {
        const int before = openBookView(db(), book(table).view).size();
        EXPECT_TRUE(deleteBookRow(db(), book(table), {key})) << table;
        EXPECT_EQ(openBookView(db(), book(table).view).size(), before - 1) << table;
    }
}

} // namespace
