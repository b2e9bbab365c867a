#include "CellValues.h"

#include "TableDefinition.h"

CellValues::CellValues(const QList<const TableDefinition*>& tables) {
    for (const TableDefinition* table : tables)
        for (const CellDefinition& cell : table->cells) {
            names_ << cell.name;
            texts_.insert(cell.name, QString());
        }
}

QString CellValues::text(const QString& cell) const {
    const auto it = texts_.constFind(cell);
    if (it == texts_.cend())
        throw std::out_of_range("no field " + fieldName(cell).toStdString());
    return *it;
}

void CellValues::setText(const QString& cell, const QString& text) {
    const auto it = texts_.find(cell);
    if (it == texts_.end())
        throw std::out_of_range("no field " + fieldName(cell).toStdString());
    *it = text;
}
