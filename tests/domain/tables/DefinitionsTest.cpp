#include "domain/db/Schema.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/TableDefinition.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// Inserts are positional: the cells must follow the data table's column order exactly.
TEST(DefinitionsTest, CellsFollowTheColumnOrder) {
    for (const TableDefinition* t : reportTables()) {
        SCOPED_TRACE(t->number);
        QStringList lower;
        for (const QString& name : t->cellNames())
            lower << name.toLower();
        EXPECT_EQ(lower, Schema::dataColumns(t->number));
        for (const QString& name : t->cellNames())
            EXPECT_TRUE(name.startsWith(QLatin1String("TM"))) << name.toStdString();
    }
}

TEST(DefinitionsTest, TablesAreInOrderAndFoundByNumber) {
    for (int i = 0; i < reportTables().size(); ++i) {
        EXPECT_EQ(reportTables().at(i)->number, i + 1);
        EXPECT_EQ(&reportTable(i + 1), reportTables().at(i));
    }
}

// A misspelt cell in a rule or leave action would only show when that rule fires.
TEST(DefinitionsTest, RulesAndActionsNameCellsOfTheirTable) {
    for (const TableDefinition* t : reportTables()) {
        SCOPED_TRACE(t->number);
        const QStringList names = t->cellNames();
        QSet<int> tabOrders;
        for (const CellDefinition& c : t->cells)
            tabOrders.insert(c.tabOrder);
        EXPECT_EQ(tabOrders.size(), t->cells.size());
        for (const Rule& r : t->rules)
            EXPECT_TRUE(r.focus.isEmpty() || names.contains(r.focus)) << r.focus.toStdString();
        for (const FieldAction& a : t->leaveActions)
            for (const QString& f : a.fields)
                EXPECT_TRUE(names.contains(f)) << f.toStdString();
    }
}

TEST(DefinitionsTest, FieldsAndPicturesLieOnThePage) {
    for (const TableDefinition* t : reportTables()) {
        SCOPED_TRACE(t->number);
        for (const PaintedPicture& p : t->pictures) {
            for (const PaintedLine& l : p.lines) {
                EXPECT_LE(std::max(l.x1, l.x2), p.width);
                EXPECT_LE(std::max(l.y1, l.y2), p.height);
            }
        }
        for (const CellDefinition& c : t->cells) {
            EXPECT_LE(c.x + c.width, 700) << c.name.toStdString();
            EXPECT_LT(c.y + c.height, t->buttonsY) << c.name.toStdString();
        }
    }
}

// Where each table's page sits in the window and how it is headed, as the user sees it.
struct PageCase {
    int table;
    const char* pageName;
    const char* tabCaption;
    const char* heading;
    int headingY;
    int buttonsY;
};

TEST(DefinitionsTest, PagesAndHeadings) {
    const PageCase cases[] = {
        {1, "TabSheet1", "Таблица 1", "ПОРОДНЫЙ   И   КЛАССНЫЙ   СОСТАВ   КРС   В   ", 32, 344},
        {2, "TabSheet2", " Таблица 2", "РАСПРЕДЕЛЕНИЕ   ПРОБОНИТИРОВАННЫХ   КОРОВ   И   БЫКОВ   В   ", 32, 344},
        {3, "TabSheet3", "Таблица 3", "РАСПРЕДЕЛЕНИЕ   КОРОВ   ПО   ЖИВОЙ   МАССЕ  ПРИ   БОНИТОРОВКЕ   В  ", 32, 344},
        {4, "TabSheet4", "Таблица 4", "ХАРАКТЕРИСТИКА   КОРОВ   ПО   МОЛОЧНОСТИ (живая масса в 7 мес.)   В   ", 24, 384},
        {5, "TabSheet5", "Таблица 5", "РАСПРЕДЕЛЕНИЕ   БЫКОВ   ПО   ЖИВОЙ   МАССЕ   ПРИ   БОНИТИРОВКЕ   В   ", 24, 368},
        {6, "TabSheet6", "Таблица 6", "РАСПРЕДЕЛЕНИЕ   МОЛОДНЯКА   ПО   ЖИВОЙ   МАССЕ   В   ", 24, 368},
        {7, "TabSheet9", "Таблица 7", " РАСПРЕДЕЛЕНИЕ МОЛОДНЯКА ПО ВЫСОТЕ В КРЕСТЦЕ В", 24, 368},
        {8, "TabSheet8", "Таблица 8", " РАСПРЕДЕЛЕНИЕ БЫКОВ И КОРОВ ПО ВЫСОТЕ В КРЕСТЦЕ В", 24, 368},
        {9, "TabSheet7", "Таблица 9", "КЛАССНОСТЬ   РЕАЛИЗОВАННОГО   ПЛЕМЕННОГО   МОЛОДНЯКА,гол.    В   ", 24, 368},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.table);
        const TableDefinition& t = reportTable(c.table);
        EXPECT_EQ(t.pageName, QString::fromUtf8(c.pageName));
        EXPECT_EQ(t.tabCaption, QString::fromUtf8(c.tabCaption));
        EXPECT_EQ(t.heading.text, QString::fromUtf8(c.heading));
        EXPECT_EQ(t.heading.y, c.headingY);
        EXPECT_EQ(t.buttonsY, c.buttonsY);
    }
}

// The masks that differ within a table: a field one digit short refuses a real count.
struct FieldMaskCase {
    const char* cell;
    CellMask mask;
};

TEST(DefinitionsTest, FieldMasks) {
    const FieldMaskCase cases[] = {
        {"TM101", CellMask::Digits6}, {"TM123", CellMask::Digits6}, {"TM130", CellMask::Digits6},
        {"TM103", CellMask::Digits5}, {"TM135", CellMask::Digits5}, {"TM207", CellMask::Digits6},
        {"TM214", CellMask::Digits5}, {"TM201", CellMask::Digits5}, {"TM301", CellMask::Digits5},
        {"TM302", CellMask::Digits4}, {"TM310", CellMask::Digits4}, {"TM321", CellMask::Digits4},
        {"TM329", CellMask::Digits5}, {"TM331", CellMask::Digits6}, {"TM339", CellMask::Digits6},
        {"TM340", CellMask::Digits4}, {"TM501", CellMask::Digits4}, {"TM564", CellMask::Digits4},
        {"TM513", CellMask::Decimal2_1}, {"TM565", CellMask::Decimal2_1}, {"TM7b01", CellMask::Digits4},
        {"TM7t19", CellMask::Digits6}, {"TM7t20", CellMask::Digits3}, {"TM91", CellMask::Digits4},
        {"TM97", CellMask::Digits4},
    };
    for (const FieldMaskCase& c : cases) {
        SCOPED_TRACE(c.cell);
        const QString cell = QString::fromUtf8(c.cell);
        const int number = cell.mid(2, 1).toInt();
        EXPECT_EQ(reportTable(number).cell(cell).mask, c.mask);
    }
}

} // namespace
