#include "CorrectionTables.h"

#include "domain/tables/CrossTableChecks.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/Table6.h"
#include "domain/tables/TableDefinition.h"

namespace {

// Leaving these fields does nothing: they are taken out of every leave action.
void idleOnLeaving(TableDefinition& table, const QStringList& fields) {
    QList<FieldAction> kept;
    for (FieldAction action : table.leaveActions) {
        for (const QString& f : fields)
            action.fields.removeAll(f);
        if (!action.fields.isEmpty())
            kept << action;
    }
    table.leaveActions = kept;
}

// What leaving the field ran runs at every edit of it instead.
void onEditInsteadOfLeaving(TableDefinition& table, const QString& field) {
    for (const FieldAction& action : table.leaveActions)
        if (action.fields.contains(field))
            table.changeActions << FieldAction{{field}, action.run};
    idleOnLeaving(table, {field});
}

void setMask(TableDefinition& table, const QString& cell, CellMask mask) {
    for (CellDefinition& c : table.cells)
        if (c.name == cell)
            c.mask = mask;
}

void replaceLabel(TableDefinition& table, const QString& from, const QString& to) {
    for (PageLabel& label : table.labels)
        if (label.text == from)
            label.text = to;
}

TableDefinition variant(int number) {
    TableDefinition t = number == 6 ? table6Definition(AverageRounding::TowardZero) : reportTable(number);
    t.crossTableRules = number <= 5 ? correctionCrossTableRules(number) : QList<Rule>{};
    switch (number) {
    case 3:
        setMask(t, QStringLiteral("TM321"), CellMask::Digits5);
        break;
    case 5:
        idleOnLeaving(t, {QStringLiteral("TM523")});
        onEditInsteadOfLeaving(t, QStringLiteral("TM565"));
        break;
    case 6:
        replaceLabel(t, QStringLiteral("в возрасте: 205 дней"), QStringLiteral("в возрасте: 7 мес."));
        idleOnLeaving(t, {QStringLiteral("TM6b18"), QStringLiteral("TM6t36")});
        break;
    default:
        break;
    }
    return t;
}

QList<TableDefinition> buildAll() {
    QList<TableDefinition> tables;
    for (const TableDefinition* t : reportTables())
        tables << variant(t->number);
    return tables;
}

} // namespace

const QList<const TableDefinition*>& correctionTables() {
    static const QList<TableDefinition> tables = buildAll();
    static const QList<const TableDefinition*> pointers = [] {
        QList<const TableDefinition*> list;
        for (const TableDefinition& t : tables)
            list << &t;
        return list;
    }();
    return pointers;
}

const TableDefinition& correctionTable(int number) { return tableNumbered(correctionTables(), number); }
