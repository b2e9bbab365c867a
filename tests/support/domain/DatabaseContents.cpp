#include "DatabaseContents.h"

#include "domain/db/ProgramFolder.h"
#include "domain/db/SqlEngine.h"

#include <QDir>

DatabaseContents contentsOf(SqlEngine& db) {
    DatabaseContents contents;
    for (const QString& table : db.tableNames()) {
        QList<QVariantList>& rows = contents[table];
        for (const SqlRow& row : db.select(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table))) {
            QVariantList values;
            for (int i = 0; i < row.fieldCount(); ++i)
                values << row.value(i);
            rows << values;
        }
    }
    return contents;
}

DatabaseContents contentsOfFile(const QString& path) {
    SqlEngine db(path, SqlEngine::Access::ReadOnly);
    return contentsOf(db);
}

QStringList archiveFiles(const QString& programFolder) {
    return QDir(ProgramPaths::archive(programFolder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
