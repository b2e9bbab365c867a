#include "ReceiveData.h"

#include "KeyedMerge.h"
#include "SourceLayouts.h"
#include "domain/db/ProgramFolder.h"
#include "domain/db/SqlEngine.h"
#include "domain/db/SqlError.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Every row of every book, converted; the first value that does not fit refuses the file.
std::vector<std::vector<SourceRow>> readBooks(TableSource& source, const QString& fileName) {
    std::vector<std::vector<SourceRow>> books;
    for (const SourceTableSpec& shape : SourceLayouts::referenceBooks()) {
        books.push_back(readRows(source, shape));
        for (const SourceRow& row : books.back())
            if (!row.problem.isEmpty())
                throw SourceError(QStringLiteral("В файле %1 %2: %3.").arg(fileName, rowPlace(shape, row), row.problem));
    }
    return books;
}

QStringList mergeFile(SqlEngine& db, const QString& path) {
    const std::unique_ptr<TableSource> source = openTableSource(path);
    requireLayout(*source, SourceLayouts::referenceBooks());
    const auto books = readBooks(*source, QFileInfo(path).fileName());
    QStringList lines;
    db.transaction([&] {
        for (int i = 0; i < SourceLayouts::referenceBooks().size(); ++i) {
            const SourceTableSpec& shape = SourceLayouts::referenceBooks().at(i);
            const int inserted = mergeByKey(db, shape, books.at(size_t(i)));
            lines << (inserted < 1 ? QStringLiteral("В таблицу %1 не добавлено новых записей.").arg(shape.name)
                                   : QStringLiteral("В таблицу %1 добавлено %2 записей.").arg(shape.name).arg(inserted));
        }
    });
    return lines;
}

} // namespace

ReceiveReport receiveData(SqlEngine& db, const QString& programFolder) {
    QDir().mkpath(ProgramPaths::inArchive(programFolder));
    const QDir in(ProgramPaths::in(programFolder));
    ReceiveReport report;
    for (const QString& name : in.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name)) {
        report.lines << QStringLiteral("Обрабатываем файл %1.").arg(name);
        try {
            report.lines << mergeFile(db, in.filePath(name));
            continue;
        } catch (const SourceError& e) {
            report.lines << e.text() + QStringLiteral(" Файл не принят, ничего не изменено.");
        } catch (const SqlError& e) {
            report.lines << QStringLiteral("Файл %1 не принят: не удалось записать в рабочую базу %2 (%3). "
                                           "Ничего не изменено.")
                                .arg(name, QDir::toNativeSeparators(db.filePath()), e.text());
        }
        report.refusedFiles << name;
    }
    return report;
}
