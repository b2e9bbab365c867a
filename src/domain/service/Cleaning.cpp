#include "Cleaning.h"

#include "ArchiveCopy.h"
#include "ServiceError.h"
#include "domain/db/Database.h"
#include "domain/db/SqlError.h"

#include <stdexcept>

const QStringList& cleanableTables() {
    static const QStringList tables{QStringLiteral("kodra"), QStringLiteral("kodxoz"), QStringLiteral("tmjs1"),
                                    QStringLiteral("tmjs2"), QStringLiteral("tmjs3"),  QStringLiteral("tmjs4"),
                                    QStringLiteral("tmjs5"), QStringLiteral("tmjs6"),  QStringLiteral("tmjs9")};
    return tables;
}

void requireCleanable(const QStringList& tables) {
    for (const QString& table : tables)
        if (!cleanableTables().contains(table))
            throw std::invalid_argument(QStringLiteral("Таблицу «%1» очищать нельзя; можно: %2.")
                                            .arg(table, cleanableTables().join(QStringLiteral(", ")))
                                            .toStdString());
}

QString cleanDatabase(Database& data, const QStringList& tables) {
    requireCleanable(tables);
    // A cleaning without a copy to go back to would lose the season's data for good.
    const QString copy = makeArchiveCopy(data);
    SqlEngine& db = data.db();
    QString current;
    try {
        db.transaction([&] {
            for (const QString& table : cleanableTables()) {
                if (!tables.contains(table))
                    continue;
                current = table;
                db.execute(QStringLiteral("delete from ") + table);
            }
        });
    } catch (const SqlError& e) {
        throw ServiceError(QStringLiteral("Не удалось очистить таблицу %1, ни одна таблица не очищена (%2).")
                               .arg(current, e.text()));
    }
    return copy;
}

QString cleaningCopyMessage(const QString& archivePath) {
    return archiveCopyMessage(archivePath) + QStringLiteral(" до очистки.");
}
