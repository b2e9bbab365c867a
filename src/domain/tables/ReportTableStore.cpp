#include "ReportTableStore.h"

#include "TableDefinition.h"
#include "TableMessages.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"

#include <stdexcept>

namespace {

QString cellText(const SqlRow& row, const CellDefinition& cell) {
    if (row.isNull(cell.name))
        return {};
    if (isDecimal(cell.mask))
        return QString::number(row.real(cell.name), 'f', 1).replace(u'.', u',');
    return row.text(cell.name);
}

QVariantList numbers(const TableDefinition& table, const CellTexts& cells) {
    QVariantList values;
    for (const CellDefinition& c : table.cells)
        values << (isDecimal(c.mask) ? QVariant(cells.decimal(c.name)) : QVariant(cells.integer(c.name)));
    return values;
}

// Every store marks the row unsent, so a changed row travels again with the next sending.
QVariantList unsent(const TableDefinition& table) {
    QVariantList values{false};
    if (table.hasDateSend())
        values << QStringLiteral("");
    return values;
}

} // namespace

QString PageLoad::mode() const { return found ? TableMessages::modeEdit() : TableMessages::modeNew(); }

ReportTableStore::ReportTableStore(SqlEngine& db, const TableTitle& title) : db_(db), title_(title) {}

QString ReportTableStore::titleCondition() {
    QStringList parts;
    for (const QString& column : Schema::titleColumns())
        parts << column + QStringLiteral("=?");
    return QStringLiteral(" where ") + parts.join(QStringLiteral(" and "));
}

QVariantList ReportTableStore::titleValues(const TableTitle& title) {
    return {title.oblm.trimmed(), title.rnm.trimmed(), title.khm.trimmed(),
            title.kkhm.trimmed(), title.porm.trimmed(), title.godm.trimmed()};
}

PageLoad ReportTableStore::load(const TableDefinition& table, CellTexts& cells) {
    const SqlResult result =
        db_.select(QStringLiteral("SELECT * FROM ") + table.dataTable() + titleCondition(), titleValues(title_));
    if (result.isEmpty()) {
        cells.setAllZero();
        return {};
    }
    const SqlRow& row = result.first();
    for (const CellDefinition& c : table.cells)
        cells.setText(c.name, cellText(row, c));
    return {true, row.boolean(QStringLiteral("send"))};
}

QString ReportTableStore::store(const TableDefinition& table, const CellTexts& cells, StoreMode mode) {
    const QVariantList values = numbers(table, cells);
    if (mode == StoreMode::Update)
        return update(table, values) < 1 ? TableMessages::updateFailed() : TableMessages::updated();
    return insert(table, values) < 1 ? TableMessages::insertFailed() : TableMessages::inserted();
}

int ReportTableStore::update(const TableDefinition& table, const QVariantList& cellValues) {
    QStringList assignments;
    for (const QString& name : table.cellNames())
        assignments << name + QStringLiteral("=?");
    assignments << QStringLiteral("send=?");
    if (table.hasDateSend())
        assignments << QStringLiteral("datesend=?");
    const QString sql = QStringLiteral("UPDATE ") + table.dataTable() + QStringLiteral(" SET ") +
                        assignments.join(u',') + titleCondition();
    return db_.execute(sql, cellValues + unsent(table) + titleValues(title_));
}

int ReportTableStore::insert(const TableDefinition& table, const QVariantList& cellValues) {
    const QVariantList values = cellValues + titleValues(title_) + unsent(table);
    QStringList parameters;
    for (int i = 1; i <= values.size(); ++i)
        parameters << QStringLiteral(":p%1").arg(i);
    const QString sql = QStringLiteral("INSERT INTO ") + table.dataTable() + QStringLiteral(" VALUES(") +
                        parameters.join(u',') + u')';
    return db_.execute(sql, values);
}

qint64 ReportTableStore::storedInteger(int table, const QString& column) {
    if (!Schema::dataColumns(table).contains(column, Qt::CaseInsensitive))
        throw std::invalid_argument("no column " + column.toStdString());
    const SqlResult result = db_.select(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM ") +
                                            Schema::dataTable(table) + titleCondition(),
                                        titleValues(title_));
    return result.isEmpty() ? 0 : result.first().integer(column);
}

StoredReader ReportTableStore::storedReader() {
    return [this](int table, const QString& column) { return storedInteger(table, column); };
}
