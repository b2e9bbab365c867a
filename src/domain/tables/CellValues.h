#pragma once

#include "CellTexts.h"

#include <QHash>

struct TableDefinition;

// Cell texts held in memory: the cells of the given tables, all empty at first.
class CellValues : public CellTexts {
public:
    explicit CellValues(const QList<const TableDefinition*>& tables);

    QStringList cellNames() const override { return names_; }
    QString text(const QString& cell) const override;
    void setText(const QString& cell, const QString& text) override;

private:
    QStringList names_;
    QHash<QString, QString> texts_;
};
