#include "TitleChange.h"

#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"
#include "domain/db/SqlError.h"
#include "domain/tables/ReportTableStore.h"

namespace {

TitleChangeOutcome changeOne(SqlEngine& db, int table, const TableTitle& from, const TableTitle& to) {
    const QString sql = QStringLiteral("UPDATE ") + Schema::dataTable(table) +
                        QStringLiteral(" SET oblm=?,rnm=?,khm=?,kkhm=?,porm=?,godm=?") +
                        ReportTableStore::titleCondition();
    int changed = 0;
    try {
        db.transaction([&] {
            changed = db.execute(sql, ReportTableStore::titleValues(to) + ReportTableStore::titleValues(from));
        });
    } catch (const SqlError& e) {
        if (e.kind() != SqlError::Kind::UniqueKey)
            throw;
        return TitleChangeOutcome::Duplicate;
    }
    return changed > 0 ? TitleChangeOutcome::Changed : TitleChangeOutcome::Missing;
}

QString spoken(const TitleNamesShown& t) {
    return QStringList{t.region, t.district, t.farm, t.category, t.breed, QString(), t.year}.join(u' ');
}

} // namespace

QString TableTitleChange::message() const {
    const QString name = Schema::dataTable(table);
    switch (outcome) {
    case TitleChangeOutcome::Changed:
        return QStringLiteral("В %1 заголовок изменен.").arg(name);
    case TitleChangeOutcome::Missing:
        return QStringLiteral("Запись с таким заголовком в %1 отсутствует.").arg(name);
    case TitleChangeOutcome::Duplicate:
        break;
    }
    return QStringLiteral("В %1 уже есть запись с таким заголовком.Сначала удалите старую запись - потом "
                          "добавляйте новую.")
        .arg(name);
}

TableTitleChange changeTableTitle(SqlEngine& db, int table, const TableTitle& from, const TableTitle& to) {
    return {table, changeOne(db, table, from, to)};
}

QString allTablesQuestion(const TitleNamesShown& from, const TitleNamesShown& to) {
    return QStringLiteral("Вы действительно хотите заменить %1 на %2 для всех таблиц с Табл 1 по Табл 9?")
        .arg(spoken(from), spoken(to));
}
