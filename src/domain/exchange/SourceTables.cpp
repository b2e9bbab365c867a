#include "SourceTables.h"

#include <QDir>
#include <optional>
#include <cmath>

namespace {

bool containsName(const QStringList& names, const QString& name) { return names.contains(name, Qt::CaseInsensitive); }

bool isBlank(const QVariant& v) { return v.isNull() || v.toString().trimmed().isEmpty(); }

// Whole numbers stored as reals read without a fraction.
QString plainText(const QVariant& v) {
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
    }
    return v.toString();
}

std::optional<qint64> codeValue(const QVariant& v) {
    bool ok = false;
    const QString text = plainText(v).trimmed();
    const qint64 n = text.toLongLong(&ok);
    if (ok)
        return n;
    return std::nullopt;
}

std::optional<double> numberValue(const QVariant& v) {
    bool ok = false;
    const double d = plainText(v).trimmed().replace(u',', u'.').toDouble(&ok);
    if (ok && std::isfinite(d))
        return d;
    return std::nullopt;
}

std::optional<bool> flagValue(const QVariant& v) {
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString s = plainText(v).trimmed().toLower();
    if (s == u"true" || s == u"1" || s == u"-1")
        return true;
    if (s.isEmpty() || s == u"false" || s == u"0")
        return false;
    return std::nullopt;
}

// The converted value, or a problem text.
QVariant convert(const QVariant& raw, const SourceColumn& column, bool isKey, QString& problem) {
    if (column.kind == ValueKind::Text)
        return raw.isNull() ? QString() : plainText(raw);
    if (column.kind == ValueKind::Flag) {
        if (const auto flag = flagValue(raw))
            return *flag;
        problem = QStringLiteral("значение «%1» в столбце %2 не является признаком").arg(raw.toString(), column.name);
        return {};
    }
    if (isBlank(raw)) {
        if (isKey)
            problem = QStringLiteral("пустое значение ключа %1").arg(column.name);
        return {};
    }
    if (column.kind == ValueKind::Code) {
        if (const auto code = codeValue(raw))
            return *code;
        problem = QStringLiteral("код «%1» в столбце %2 не является числом").arg(raw.toString(), column.name);
        return {};
    }
    if (const auto number = numberValue(raw))
        return *number;
    problem = QStringLiteral("значение «%1» в столбце %2 не является числом").arg(raw.toString(), column.name);
    return {};
}

} // namespace

QStringList SourceTableSpec::columnNames() const {
    QStringList names;
    for (const SourceColumn& c : columns)
        names << c.name;
    return names;
}

void requireLayout(TableSource& source, const QList<SourceTableSpec>& tables) {
    QStringList missing;
    const QStringList present = source.tableNames();
    for (const SourceTableSpec& table : tables) {
        if (!containsName(present, table.name)) {
            missing << QStringLiteral("нет таблицы %1").arg(table.name);
            continue;
        }
        const QStringList columns = source.columnNames(table.name);
        for (const QString& column : table.columnNames())
            if (!containsName(columns, column))
                missing << QStringLiteral("в таблице %1 нет столбца %2").arg(table.name, column);
    }
    if (!missing.isEmpty())
        throw SourceError(QStringLiteral("В файле %1 %2.")
                              .arg(QDir::toNativeSeparators(source.filePath()), missing.join(QStringLiteral("; "))));
}

std::vector<SourceRow> readRows(TableSource& source, const SourceTableSpec& table) {
    std::vector<SourceRow> out;
    int number = 0;
    for (const QVariantList& raw : source.rows(table.name, table.columnNames())) {
        SourceRow row{++number, {}, {}};
        for (int i = 0; i < table.columns.size(); ++i) {
            const SourceColumn& column = table.columns.at(i);
            QString problem;
            row.values << convert(raw.value(i), column, table.keys.contains(column.name), problem);
            if (row.problem.isEmpty())
                row.problem = problem;
        }
        out.push_back(std::move(row));
    }
    return out;
}

QString rowPlace(const SourceTableSpec& table, const SourceRow& row) {
    return QStringLiteral("в таблице %1, строка %2").arg(table.name).arg(row.number);
}
