#include "SqlResult.h"

#include "SqlError.h"

#include <cmath>

SqlRow::SqlRow(std::shared_ptr<const QStringList> fields, QVariantList values)
    : fields_(std::move(fields)), values_(std::move(values)) {}

int SqlRow::indexOf(const QString& field) const {
    const int i = fields_->indexOf(field, 0);
    if (i >= 0)
        return i;
    for (int k = 0; k < fields_->size(); ++k)
        if (fields_->at(k).compare(field, Qt::CaseInsensitive) == 0)
            return k;
    throw SqlError(QStringLiteral("Поле %1 не найдено в результате запроса.").arg(field));
}

QVariant SqlRow::value(const QString& field) const { return values_.at(indexOf(field)); }

QVariant SqlRow::value(int index) const {
    if (index < 0 || index >= values_.size())
        throw SqlError(QStringLiteral("Нет поля с номером %1 в результате запроса.").arg(index));
    return values_.at(index);
}

bool SqlRow::isNull(const QString& field) const { return value(field).isNull(); }

static QString variantText(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 15);
    }
    return v.toString();
}

QString SqlRow::text(const QString& field) const { return variantText(value(field)); }
QString SqlRow::text(int index) const { return variantText(value(index)); }

// An empty column reads as 0 whether the engine holds NULL or empty text.
static bool isBlank(const QVariant& v) {
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty());
}

qint64 SqlRow::integer(const QString& field) const {
    const QVariant v = value(field);
    if (isBlank(v))
        return 0;
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (ok)
        return n;
    const double d = v.toDouble(&ok);
    if (!ok)
        throw SqlError(QStringLiteral("Значение поля %1 (\"%2\") не является целым числом.")
                           .arg(field, v.toString()));
    return qint64(std::llround(d));
}

double SqlRow::real(const QString& field) const {
    const QVariant v = value(field);
    if (isBlank(v))
        return 0.0;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        throw SqlError(QStringLiteral("Значение поля %1 (\"%2\") не является числом.")
                           .arg(field, v.toString()));
    return d;
}

bool SqlRow::boolean(const QString& field) const {
    const QVariant v = value(field);
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        return s == u"true" || s == u"1" || s == u"-1";
    }
    return v.toLongLong() != 0;
}

SqlResult::SqlResult(QStringList fields, std::vector<QVariantList> rows)
    : fields_(std::make_shared<QStringList>(std::move(fields))) {
    rows_.reserve(rows.size());
    for (auto& r : rows)
        rows_.emplace_back(fields_, std::move(r));
}

const SqlRow& SqlResult::first() const {
    if (rows_.empty())
        throw SqlError(QStringLiteral("Запрос не вернул ни одной записи."));
    return rows_.front();
}

QStringList columnTexts(const SqlResult& result, const QString& field) {
    QStringList out;
    out.reserve(result.size());
    for (const SqlRow& row : result)
        out << row.text(field);
    return out;
}
