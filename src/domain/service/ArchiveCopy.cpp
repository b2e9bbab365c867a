#include "ArchiveCopy.h"

#include "ServiceError.h"
#include "domain/db/Database.h"
#include "domain/db/DatabaseCopy.h"
#include "domain/db/FileStamp.h"
#include "domain/db/ProgramFolder.h"
#include "domain/db/SqlError.h"

#include <QDir>

QString archiveFileName(const QString& programFolder, const QDateTime& when, StampPrecision precision, int attempt) {
    const QString stamp =
        minuteStamp(when) + (precision == StampPrecision::Seconds ? when.toString(QStringLiteral("ss")) : QString());
    const QString repeat = attempt > 1 ? QStringLiteral("_%1").arg(attempt) : QString();
    return QDir(ProgramPaths::archive(programFolder)).filePath(QStringLiteral("stavor%1%2.mdb").arg(stamp, repeat));
}

QString copyIntoArchive(SqlEngine& db, const QString& programFolder, const QDateTime& when) {
    // The folder is made again when a user removed it.
    QDir().mkpath(ProgramPaths::archive(programFolder));
    DatabaseCopy copy(db, ProgramPaths::archive(programFolder));
    return copy.placeAsNew(
        [&](int attempt) { return archiveFileName(programFolder, when, StampPrecision::Minutes, attempt); });
}

QString makeArchiveCopy(Database& data, const QDateTime& when) {
    try {
        return copyIntoArchive(data.db(), data.programFolder(), when);
    } catch (const SqlError& e) {
        throw ServiceError(
            QStringLiteral("Не удалось создать копию БД, возможно БД занята, освободите и попробуйте еще раз! (%1: %2)")
                .arg(shownPath(data.workingFile()), e.text()));
    }
}

QString moveIntoArchive(const QString& programFolder, const QString& file, StampPrecision precision) {
    QDir().mkpath(ProgramPaths::archive(programFolder));
    const QDateTime now = QDateTime::currentDateTime();
    return renameToFreeName(file, [&](int attempt) { return archiveFileName(programFolder, now, precision, attempt); });
}

QString archiveCopyMessage(const QString& archivePath) {
    return QStringLiteral("Создана копия БД   ") + shownPath(archivePath);
}

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }
