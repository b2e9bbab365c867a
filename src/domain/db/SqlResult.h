#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

// One row of a result; fields are found by name without regard to case, or by position.
class SqlRow {
public:
    SqlRow(std::shared_ptr<const QStringList> fields, QVariantList values);

    QVariant value(const QString& field) const;
    QVariant value(int index) const;
    bool isNull(const QString& field) const;
    // Null reads as empty text; whole numbers stored as reals read without a fraction.
    QString text(const QString& field) const;
    QString text(int index) const;
    qint64 integer(const QString& field) const;
    double real(const QString& field) const;
    bool boolean(const QString& field) const;
    int fieldCount() const { return int(values_.size()); }

private:
    int indexOf(const QString& field) const;

    std::shared_ptr<const QStringList> fields_;
    QVariantList values_;
};

// The whole result of a SELECT, read at once: it knows its record count and can be walked freely.
class SqlResult {
public:
    SqlResult() = default;
    SqlResult(QStringList fields, std::vector<QVariantList> rows);

    int size() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    const SqlRow& operator[](int i) const { return rows_.at(size_t(i)); }
    const SqlRow& first() const;
    const QStringList& fields() const { return *fields_; }
    auto begin() const { return rows_.begin(); }
    auto end() const { return rows_.end(); }

private:
    std::shared_ptr<const QStringList> fields_ = std::make_shared<QStringList>();
    std::vector<SqlRow> rows_;
};

// Texts of one column, in the order returned: the shape of every combo-box list.
QStringList columnTexts(const SqlResult& result, const QString& field);
