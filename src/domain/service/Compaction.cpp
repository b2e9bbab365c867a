#include "Compaction.h"

#include "ArchiveCopy.h"
#include "ServiceError.h"
#include "domain/db/Database.h"
#include "domain/db/SqlEngine.h"
#include "domain/db/SqlError.h"

#include <QDir>
#include <QFile>

namespace {

const QString kRetry = QStringLiteral("Выйдите из программы и попробуйте еще раз.");

void compactInto(const QString& working, const QString& work) {
    try {
        SqlEngine source(working, SqlEngine::Access::ReadOnly);
        source.vacuumInto(work);
    } catch (const SqlError& e) {
        QFile::remove(work);
        throw ServiceError(QStringLiteral("База не может быть сжата.%1 (%2)").arg(kRetry, e.text()));
    }
}

// The steps that run while the connection is closed.
void compactClosed(Database& data, const std::function<void(const QString&)>& tell) {
    const QString working = data.workingFile();
    const QString work = QDir(data.programFolder()).filePath(QLatin1String(kCompactionWorkFile));
    if (QFile::exists(work) && !QFile::remove(work))
        throw ServiceError(QStringLiteral("Не удалось удалить рабочий файл сжатия «%1». %2").arg(shownPath(work), kRetry));
    if (!QFile::exists(working)) {
        tell(QStringLiteral("Файл базы данных \"%1\" не найден!!!").arg(shownPath(working)));
        return;
    }
    compactInto(working, work);

    const QString archived = moveIntoArchive(data.programFolder(), working, StampPrecision::Seconds);
    if (archived.isEmpty()) {
        QFile::remove(work);
        throw ServiceError(QStringLiteral("Не удалось сжать БД. %1").arg(kRetry));
    }
    tell(QStringLiteral("Файл базы данных ДО УПАКОВКИ был помещен в архив:  ") + shownPath(archived));
    if (!QFile::rename(work, working)) {
        const bool restored = QFile::rename(archived, working);
        throw ServiceError(
            restored ? QStringLiteral("Не удалось заменить БД сжатой копией «%1», прежняя БД возвращена на место. %2")
                           .arg(shownPath(work), kRetry)
                     : QStringLiteral("Не удалось заменить БД сжатой копией «%1» и вернуть прежнюю БД: она "
                                      "сохранена в «%2». Восстановите БД из этого файла.")
                           .arg(shownPath(work), shownPath(archived)));
    }
    tell(QStringLiteral("Файл базы данных stavor.mdb был успешно сжат."));
}

} // namespace

void compactDatabase(Database& data, const std::function<void(const QString&)>& tell) {
    data.whileClosed([&] { compactClosed(data, tell); });
}
