#include "Restore.h"

#include "ArchiveCopy.h"
#include "ServiceError.h"
#include "domain/db/Database.h"
#include "domain/db/DatabaseCopy.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"
#include "domain/db/SqlError.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

namespace {

const QString kRestoreFailed =
    QStringLiteral("Не удалось восстановить БД, возможно БД занята, освободите и попробуйте еще раз!");

[[noreturn]] void refuse(const QString& source, const QString& reason) {
    throw ServiceError(QStringLiteral("Файл «%1» не является базой данных программы Stavor, БД не изменена (%2).")
                           .arg(shownPath(source), reason));
}

// A copy of source beside the working database, checked and given the program's indexes, ready
// to take the working database's place.
std::unique_ptr<DatabaseCopy> preparedCopy(const QString& source, const QString& folder) {
    if (!QFileInfo(source).isFile())
        refuse(source, QStringLiteral("файла нет"));
    try {
        SqlEngine candidate(source, SqlEngine::Access::ReadOnly);
        const QString check = candidate.select(QStringLiteral("PRAGMA quick_check")).first().text(0);
        if (check != QLatin1String("ok"))
            refuse(source, check);
        const QStringList missing = Schema::missingParts(candidate);
        if (!missing.isEmpty())
            refuse(source, missing.join(QStringLiteral("; ")));
        auto copy = std::make_unique<DatabaseCopy>(candidate, folder);
        SqlEngine restored(copy->path());
        // A database that breaks the one-row-per-title rule would fail at the next start.
        Schema::ensureIndexes(restored);
        return copy;
    } catch (const SqlError& e) {
        refuse(source, e.text());
    }
}

// Moves the closed working database into arch under an archive name; empty when there is none.
QString keepWorkingDatabase(Database& data) {
    const QString working = data.workingFile();
    if (!QFileInfo::exists(working))
        return {};
    const QString kept = moveIntoArchive(data.programFolder(), working, StampPrecision::Minutes);
    if (kept.isEmpty())
        throw ServiceError(QStringLiteral("%1 (файл «%2» не удалось перенести в архив)").arg(kRestoreFailed, shownPath(working)));
    return kept;
}

QString replaceWorkingDatabase(Database& data, DatabaseCopy& copy) {
    // The file itself goes to arch, not a copy of it: it is kept even when it is damaged.
    const QString kept = keepWorkingDatabase(data);
    try {
        copy.placeOver(data.workingFile());
    } catch (const SqlError& e) {
        if (!kept.isEmpty())
            QFile::rename(kept, data.workingFile());
        throw ServiceError(QStringLiteral("%1 (%2)").arg(kRestoreFailed, e.text()));
    }
    return kept;
}

} // namespace

QString restoreDatabase(Database& data, const QString& source) {
    const std::unique_ptr<DatabaseCopy> copy = preparedCopy(source, data.programFolder());
    QString kept;
    data.whileClosed([&] { kept = replaceWorkingDatabase(data, *copy); });
    return kept;
}

QString restoreQuestion(const QString& source) {
    return QStringLiteral("Вы действительно хотите восстановиться из %1?").arg(shownPath(source));
}

QStringList restoredMessages(const QString& keptPath) {
    QStringList messages;
    if (!keptPath.isEmpty())
        messages << archiveCopyMessage(keptPath);
    return messages << QStringLiteral("БД успешно восстановлена из копии.");
}
