#include "db/Schema.h"
#include "tables/ReportTables.h"
#include "tables/TableDefinition.h"

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

} // namespace
