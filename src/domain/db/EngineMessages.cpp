#include "EngineMessages.h"

#include <QDir>
#include <sqlite3.h>

namespace {

// %1 is the file; the engine's text follows in parentheses.
QString sentenceFor(int primaryCode) {
    switch (primaryCode) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return QStringLiteral("База данных «%1» занята другой программой");
    case SQLITE_NOTADB: return QStringLiteral("Файл «%1» не является базой данных");
    case SQLITE_READONLY: return QStringLiteral("База данных «%1» защищена от записи");
    case SQLITE_FULL: return QStringLiteral("Не хватает места на диске для базы данных «%1»");
    case SQLITE_CANTOPEN: return QStringLiteral("Не удалось открыть базу данных «%1»");
    case SQLITE_CORRUPT: return QStringLiteral("База данных «%1» повреждена");
    case SQLITE_IOERR: return QStringLiteral("Ошибка чтения или записи базы данных «%1»");
    case SQLITE_PERM:
    case SQLITE_AUTH: return QStringLiteral("Нет доступа к базе данных «%1»");
    default: return QStringLiteral("Ошибка базы данных «%1»");
    }
}

} // namespace

QString engineFailureMessage(int code, const QString& filePath, const QString& engineText) {
    const QString what = sentenceFor(code & 0xff).arg(QDir::toNativeSeparators(filePath));
    return engineText.isEmpty() ? what + u'.' : QStringLiteral("%1 (%2).").arg(what, engineText);
}
