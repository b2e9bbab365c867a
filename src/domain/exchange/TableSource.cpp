#include "TableSource.h"

#include "SqliteTableSource.h"
#include "domain/db/SqlError.h"
#include "domain/jet/JetTableSource.h"

#include <QDir>
#include <QFile>

SourceFormat detectFormat(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SourceFormat::Unknown;
    const QByteArray head = file.read(32);
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return SourceFormat::Sqlite;
    // Jet 3 and Jet 4 files start with page 0's marker and the engine's name.
    if (head.size() >= 19 && head.mid(4, 15) == QByteArrayLiteral("Standard Jet DB"))
        return SourceFormat::Jet;
    return SourceFormat::Unknown;
}

std::unique_ptr<TableSource> openTableSource(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    switch (detectFormat(path)) {
    case SourceFormat::Sqlite:
        try {
            return std::make_unique<SqliteTableSource>(path);
        } catch (const SqlError& e) {
            throw SourceError(QStringLiteral("Файл %1 не открывается (%2).").arg(shown, e.text()));
        }
    case SourceFormat::Jet:
        return std::make_unique<JetTableSource>(path);
    case SourceFormat::Unknown:
        break;
    }
    QFile file(path);
    if (!file.exists())
        throw SourceError(QStringLiteral("Файл %1 не найден.").arg(shown));
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError(QStringLiteral("Файл %1 не читается (%2).").arg(shown, file.errorString()));
    throw SourceError(QStringLiteral("Файл %1 не является базой данных.").arg(shown));
}
