#include "CorrectionList.h"

#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"
#include "domain/db/UnicodeLike.h"
#include "domain/tables/ReportTableStore.h"

CorrectionFilter filterAfterSetting(const CorrectionFilter& previous, const QString& district,
                                    const QString& breed) {
    const CorrectionFilter chosen{district.trimmed(), breed.trimmed()};
    return chosen.isEmpty() ? previous : chosen;
}

QList<NamedTitle> correctionList(SqlEngine& db, int table, const CorrectionFilter& filter) {
    TitleCondition condition;
    if (!filter.district.isEmpty()) {
        condition.clauses += QStringLiteral(" AND kodra.im like ? escape '\\'");
        condition.values << exactLikePattern(filter.district);
    }
    if (!filter.breed.isEmpty()) {
        condition.clauses += QStringLiteral(" AND sppor.im like ? escape '\\'");
        condition.values << exactLikePattern(filter.breed);
    }
    return storedTitles(db, table, condition);
}

int deleteStoredTable(SqlEngine& db, int table, const TableTitle& title) {
    return db.execute(QStringLiteral("DELETE FROM ") + Schema::dataTable(table) + ReportTableStore::titleCondition(),
                      ReportTableStore::titleValues(title));
}
