#include "TableDefinition.h"

#include "domain/db/Schema.h"

#include <stdexcept>

QString TableDefinition::dataTable() const { return Schema::dataTable(number); }

QString TableDefinition::tableName() const { return QStringLiteral("Таблица %1").arg(number); }

bool TableDefinition::hasDateSend() const { return Schema::hasDateSend(number); }

QStringList TableDefinition::cellNames() const {
    QStringList names;
    for (const CellDefinition& c : cells)
        names << c.name;
    return names;
}

const CellDefinition& TableDefinition::cell(const QString& name) const {
    for (const CellDefinition& c : cells)
        if (c.name == name)
            return c;
    throw std::out_of_range("no field " + fieldName(name).toStdString());
}

namespace {

QList<Notice> runActions(const QList<FieldAction>& actions, const QString& cell, CellTexts& cells) {
    QList<Notice> notices;
    for (const FieldAction& action : actions)
        if (action.fields.contains(cell))
            notices << action.run(cells);
    return notices;
}

} // namespace

QList<Notice> TableDefinition::leave(const QString& cell, CellTexts& cells) const {
    return runActions(leaveActions, cell, cells);
}

QList<Notice> TableDefinition::change(const QString& cell, CellTexts& cells) const {
    return runActions(changeActions, cell, cells);
}

QStringList cellSeries(const QString& prefix, int from, int to, int step, int width) {
    QStringList names;
    for (int n = from; n <= to; n += step)
        names << prefix + QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    return names;
}

FieldAction recomputeOnLeaving(const QStringList& fields, void (*routine)(CellTexts&)) {
    return {fields, [routine](CellTexts& cells) {
                routine(cells);
                return QList<Notice>{};
            }};
}
