#include "DatabaseImport.h"

#include "KeyedMerge.h"
#include "SourceLayouts.h"
#include "domain/db/ProgramFolder.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlEngine.h"
#include "domain/db/SqlError.h"
#include "domain/service/ArchiveCopy.h"

#include <QDir>
#include <QHash>

namespace {

// A row's reference partner: the row's columns `from` must name a row of `table` by `columns`.
struct Partner {
    QString table;
    QStringList columns;
    QStringList from;
};

const QList<Partner>& reportPartners() {
    static const QList<Partner> partners{
        {"spobl", {"kod"}, {"oblm"}},
        {"kodra", {"kodr", "kodraj"}, {"oblm", "rnm"}},
        {"kodxoz", {"kodr", "kodraj", "kodx"}, {"oblm", "rnm", "khm"}},
        {"kodkx", {"kkx"}, {"kkhm"}},
        {"sppor", {"kod"}, {"porm"}},
    };
    return partners;
}

const QList<Partner> kRegionPartner{{"spobl", {"kod"}, {"kodr"}}};
const QList<Partner> kDistrictPartner{{"kodra", {"kodr", "kodraj"}, {"kodr", "kodraj"}}};
const QList<Partner> kSettingsPartner{{"spobl", {"kod"}, {"cobl"}}};

// Thrown inside the transaction to undo everything when a row was refused.
struct RowsRefused {};

class Importer {
public:
    Importer(SqlEngine& db, TableSource& source, const ImportOptions& options)
        : db_(db), source_(source), options_(options) {}

    void run() {
        for (const SourceTableSpec& book : SourceLayouts::referenceBooks())
            take(book, {});
        take(SourceLayouts::districts(), kRegionPartner);
        take(SourceLayouts::farms(), kDistrictPartner);
        takeSettings();
        for (int t = 1; t <= Schema::kReportTableCount; ++t)
            take(SourceLayouts::reportTable(t), reportPartners(), true);
    }

    QStringList tableLines;
    QStringList rowLines;
    int refused = 0;

private:
    QString missingPartner(const SourceTableSpec& shape, const SourceRow& row, const QList<Partner>& partners) {
        for (const Partner& p : partners) {
            QVariantList values;
            QStringList shown;
            for (int i = 0; i < p.from.size(); ++i) {
                values << row.values.at(shape.columnNames().indexOf(p.from.at(i)));
                shown << p.from.at(i) + u'=' + values.last().toString();
            }
            const QString where = p.columns.join(QStringLiteral("=? AND ")) + QStringLiteral("=?");
            if (db_.select(QStringLiteral("SELECT 1 FROM %1 WHERE %2").arg(p.table, where), values).isEmpty())
                return QStringLiteral("в справочнике %1 нет записи для %2").arg(p.table, shown.join(QStringLiteral(", ")));
        }
        return {};
    }

    // Why the row cannot be taken: a value, a missing partner, a title seen earlier in the source.
    QString problemOf(const SourceTableSpec& shape, const SourceRow& row, const QList<Partner>& partners,
                      QHash<QString, int>* titles) {
        if (!row.problem.isEmpty())
            return row.problem;
        if (QString missing = missingPartner(shape, row, partners); !missing.isEmpty())
            return missing;
        if (!titles)
            return {};
        QStringList key;
        for (const QString& column : shape.keys)
            key << row.values.at(shape.columnNames().indexOf(column)).toString();
        const QString title = key.join(u',');
        if (titles->contains(title))
            return QStringLiteral("повторный заголовок таблицы (как в строке %1)").arg(titles->value(title));
        titles->insert(title, row.number);
        return {};
    }

    void refuse(const SourceTableSpec& shape, const SourceRow& row, const QString& problem) {
        ++refused;
        rowLines << QStringLiteral("Таблица %1, строка %2 не принята: %3.").arg(shape.name).arg(row.number).arg(problem);
    }

    // Titled tables keep a local row of the same title; other tables are updated from the source
    // unless merging, which keeps what the working database has.
    void take(const SourceTableSpec& shape, const QList<Partner>& partners, bool titled = false) {
        KeyedMerge merge(db_, shape);
        QHash<QString, int> titles;
        int taken = 0, kept = 0, refusedHere = 0;
        for (const SourceRow& row : readRows(source_, shape)) {
            if (const QString problem = problemOf(shape, row, partners, titled ? &titles : nullptr); !problem.isEmpty()) {
                refuse(shape, row, problem);
                ++refusedHere;
                continue;
            }
            if (merge.merge(row, !titled && !options_.merge) != KeyedMerge::Outcome::Kept) {
                ++taken;
                continue;
            }
            ++kept;
            if (titled)
                rowLines << QStringLiteral("Таблица %1, строка %2: такая таблица уже есть в рабочей базе, оставлена прежняя.")
                                .arg(shape.name).arg(row.number);
        }
        tableLines << summary(shape.name, taken, kept, refusedHere);
    }

    void takeSettings() {
        const SourceTableSpec& shape = SourceLayouts::settings();
        const std::vector<SourceRow> rows = readRows(source_, shape);
        if (rows.empty()) {
            tableLines << summary(shape.name, 0, 0, 0);
            return;
        }
        const SourceRow& row = rows.front();
        if (const QString problem = problemOf(shape, row, kSettingsPartner, nullptr); !problem.isEmpty()) {
            refuse(shape, row, problem);
            tableLines << summary(shape.name, 0, 0, 1);
            return;
        }
        if (options_.merge && !db_.select(QStringLiteral("SELECT 1 FROM k1obl")).isEmpty()) {
            tableLines << summary(shape.name, 0, 1, 0);
            return;
        }
        db_.execute(QStringLiteral("DELETE FROM k1obl"));
        db_.execute(QStringLiteral("INSERT INTO k1obl (cobl, god) VALUES (?, ?)"), row.values);
        tableLines << summary(shape.name, 1, 0, 0);
    }

    static QString summary(const QString& table, int taken, int kept, int refusedHere) {
        QString line = QStringLiteral("Таблица %1: принято %2 записей").arg(table).arg(taken);
        if (kept > 0)
            line += QStringLiteral(", оставлено прежних %1").arg(kept);
        if (refusedHere > 0)
            line += QStringLiteral(", не принято %1").arg(refusedHere);
        return line + u'.';
    }

    SqlEngine& db_;
    TableSource& source_;
    const ImportOptions& options_;
};

QList<SourceTableSpec> importedTables() {
    QList<SourceTableSpec> tables = SourceLayouts::referenceBooks();
    tables << SourceLayouts::districts() << SourceLayouts::farms() << SourceLayouts::settings();
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        tables << SourceLayouts::reportTable(t);
    return tables;
}

[[noreturn]] void refuseImport(const QString& text) { throw std::runtime_error(text.toStdString()); }

QString archiveCopy(SqlEngine& db, const QString& programFolder, const QDateTime& now) {
    try {
        return copyIntoArchive(db, programFolder, now);
    } catch (const SqlError& e) {
        refuseImport(QStringLiteral("Не удалось создать копию БД в папке %1 (%2). Импорт не выполнен.")
                         .arg(QDir::toNativeSeparators(ProgramPaths::archive(programFolder)), e.text()));
    }
}

} // namespace

bool holdsReportTables(SqlEngine& db) {
    for (int t = 1; t <= Schema::kReportTableCount; ++t)
        if (!db.select(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(Schema::dataTable(t))).isEmpty())
            return true;
    return false;
}

ImportReport importDatabase(SqlEngine& db, TableSource& source, const QString& programFolder,
                            const ImportOptions& options, const QDateTime& now) {
    requireLayout(source, importedTables());
    if (!options.merge && holdsReportTables(db))
        refuseImport(QStringLiteral("В рабочей базе уже есть таблицы хозяйств. Импорт не выполнен, ничего не "
                                    "изменено. Добавить данные к имеющимся можно с объединением (--merge)."));
    const QString archive = archiveCopy(db, programFolder, now);
    Importer importer(db, source, options);
    ImportReport report;
    try {
        db.transaction([&] {
            importer.run();
            if (importer.refused > 0 && !options.skipBad)
                throw RowsRefused{};
        });
    } catch (const RowsRefused&) {
        report.refused = importer.refused;
        report.lines = importer.rowLines;
        report.lines << QStringLiteral("Импорт не выполнен: не принято строк — %1. Рабочая база не изменена.")
                            .arg(importer.refused);
        return report;
    } catch (const SqlError& e) {
        refuseImport(QStringLiteral("Импорт не выполнен: не удалось записать в рабочую базу %1 (%2). "
                                    "Рабочая база не изменена.")
                         .arg(QDir::toNativeSeparators(db.filePath()), e.text()));
    }
    report.done = true;
    report.refused = importer.refused;
    report.lines << archiveCopyMessage(archive) + QStringLiteral(" до импорта.");
    report.lines << importer.tableLines << importer.rowLines;
    report.lines << (importer.refused > 0 ? QStringLiteral("Импорт выполнен, не принято строк — %1.").arg(importer.refused)
                                          : QStringLiteral("Импорт выполнен."));
    return report;
}
