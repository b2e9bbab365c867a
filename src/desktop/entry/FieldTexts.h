#pragma once

#include "domain/tables/CellTexts.h"

#include <QHash>

class QLineEdit;

// The texts of a window's input fields, by column name, for the report tables' rules, recomputes,
// loads and stores.
class FieldTexts : public CellTexts {
public:
    // Fields are kept in the order they are added (page and column order).
    void add(const QString& cell, QLineEdit* field);
    // Unknown names throw std::out_of_range.
    QLineEdit* field(const QString& cell) const;

    QStringList cellNames() const override { return names_; }
    QString text(const QString& cell) const override;
    void setText(const QString& cell, const QString& text) override;

private:
    QStringList names_;
    QHash<QString, QLineEdit*> fields_;
};
