#include "domain/tables/CellPlaces.h"
#include "domain/tables/CellValues.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/TableDefinition.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// Rows named by their captions (with the caption that heads them, where one does), columns by the
// printed column number or, on pages without numbers, by their caption.
TEST(CellPlacesTest, CellsAreNamedAsTheirPagePrintsThem) {
    const struct {
        const char* cell;
        const char* place;
    } cases[] = {
        {"TM104", "Таблица 1, строка «Всего КРС», колонка 4"},
        {"TM122", "Таблица 1, строка «В том числе коровы», колонка 1"},
        {"TM130", "Таблица 1, строка «телки старше 2-х лет и нетели», колонка 2"},
        {"TM201", "Таблица 2, строка «Коровы», колонка «до 2-х лет»"},
        {"TM213", "Таблица 2, строка «Быки-производители», колонка «8 лет и старше»"},
        {"TM321", "Таблица 3, строка «5 лет и старше», колонка 1"},
        {"TM340", "Таблица 3, строка «Всего по стаду», колонка 10"},
        {"TM417", "Таблица 4, строка «ПЕРВЫЙ ОТЕЛ Всего, гол.», колонка «III поколение»"},
        {"TM445", "Таблица 4, строка «СРЕДНЕЕ ПО СТАДУ Сред. живая масса в 205 дней», колонка «ВСЕГО»"},
        {"TM514", "Таблица 5, строка «3-х лет», колонка 1"},
        {"TM565", "Таблица 5, строка «ИТОГО», колонка 13"},
        {"TM6t20", "Таблица 6, строка «Новорожденные», колонка 5"},
        {"TM7b10", "Таблица 7, строка «ИТОГО», колонка 2"},
        {"TM8k11", "Таблица 8, строка «2-Х ЛЕТ И МЛАДШЕ», колонка 3"},
        {"TM95", "Таблица 9, строка «Телки», колонка 2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describeCellPlace(c.cell), QString::fromUtf8(c.place)) << c.cell;
    EXPECT_EQ(describeCellPlace("TM136"), "");
}

// Every field of every page can be told from the others by its row and column names alone.
TEST(CellPlacesTest, EveryCellHasItsOwnRowAndColumnName) {
    for (const TableDefinition* table : reportTables()) {
        QSet<QString> places;
        QHash<int, QString> rowByY;
        QHash<int, QString> columnByX;
        for (const CellDefinition& cell : table->cells) {
            SCOPED_TRACE(cell.name.toStdString());
            const CellPlace place = cellPlace(*table, cell.name);
            EXPECT_TRUE(place.row.contains(u'«')) << place.row.toStdString();
            EXPECT_EQ(rowByY.value(cell.y, place.row), place.row);
            rowByY.insert(cell.y, place.row);
            EXPECT_EQ(columnByX.value(cell.x + cell.width / 2, place.column), place.column);
            columnByX.insert(cell.x + cell.width / 2, place.column);
            places.insert(place.row + place.column);
        }
        EXPECT_EQ(places.size(), table->cells.size()) << table->number;
        EXPECT_EQ(QSet<QString>(rowByY.begin(), rowByY.end()).size(), rowByY.size()) << table->number;
    }
}

TEST(CellPlacesTest, ConversionErrorNamesThePlaceNotTheField) {
    CellValues cells(reportTables());
    cells.setText("TM6b04", "1 2");
    try {
        cells.integer("TM6b04");
        FAIL() << "read";
    } catch (const CellConversionError& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()),
                  "Таблица 6, строка «в возрасте: 205 дней», колонка 1: значение «1 2» не является числом.");
    }
}

} // namespace
