#include "Database.h"

#include "ReferenceData.h"
#include "Schema.h"

#include "SqlError.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

// A file with tables, but not all of ours, belongs to another program: it is refused untouched.
void requireOwnTables(SqlEngine& db, const QStringList& present) {
    const QStringList missing = Schema::missingTables(present);
    if (!missing.isEmpty())
        throw SqlError(QStringLiteral("Файл «%1» не является базой данных программы: в нём нет её таблиц (%2). "
                                      "Файл оставлен без изменений.")
                           .arg(QDir::toNativeSeparators(db.filePath()), missing.join(QStringLiteral(", "))));
}

bool referenceBooksEmpty(SqlEngine& db) {
    const QStringList& books = Schema::referenceTables();
    return std::all_of(books.begin(), books.end(), [&](const QString& table) {
        return db.select(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(table)).isEmpty();
    });
}

} // namespace

void createWorkingDatabase(SqlEngine& db, const QString& referenceBooks) {
    db.transaction([&] {
        Schema::create(db);
        ReferenceData::load(db, referenceBooks);
    });
}

Database::Database(const QString& programFolder) : folder_(QDir(programFolder).absolutePath()) {
    prepareBlankDatabase();
    engine_ = std::make_unique<SqlEngine>(workingFile());
    prepareWorkingDatabase();
}

QString Database::workingFile() const { return QDir(folder_).filePath(QLatin1String(kWorkingFile)); }
QString Database::blankFile() const { return QDir(folder_).filePath(QLatin1String(kBlankFile)); }

void Database::prepareWorkingDatabase() {
    const QStringList present = engine_->tableNames();
    if (present.isEmpty()) {
        createWorkingDatabase(*engine_, QString::fromLatin1(ReferenceData::kReferenceBooks));
        return;
    }
    requireOwnTables(*engine_, present);
    // A database made before its creation was one transaction may lack the reference books.
    engine_->transaction([&] {
        Schema::ensureIndexes(*engine_);
        if (referenceBooksEmpty(*engine_))
            ReferenceData::loadReferenceBooks(*engine_);
    });
}

void Database::prepareBlankDatabase() const {
    if (QFileInfo::exists(blankFile()))
        return;
    SqlEngine blank(blankFile());
    // Writes a valid database header, so the blank file is a database and not a zero-length file.
    blank.execute(QStringLiteral("CREATE TABLE blank_header (x)"));
    blank.execute(QStringLiteral("DROP TABLE blank_header"));
}

void Database::close() { engine_->close(); }

void Database::reopen() {
    engine_->reopen();
    prepareWorkingDatabase();
}

void Database::whileClosed(const std::function<void()>& work) {
    close();
    try {
        work();
    } catch (...) {
        try {
            reopen();
        } catch (...) {
            // The work's own failure is the one the user needs to read.
        }
        throw;
    }
    reopen();
}

bool Database::hasSettings() { return !engine_->select(QStringLiteral("select * from k1obl")).isEmpty(); }

std::optional<RegionYear> Database::settings() {
    const SqlResult r = engine_->select(QStringLiteral(
        "SELECT spobl.im, k1obl.god, cobl  FROM k1obl INNER JOIN spobl ON k1obl.cobl = spobl.kod"));
    if (r.isEmpty())
        return std::nullopt;
    const SqlRow& row = r.first();
    return RegionYear{row.text(QStringLiteral("cobl")).trimmed(), row.text(QStringLiteral("im")),
                      row.text(QStringLiteral("god")).trimmed()};
}

QStringList Database::regionNames() {
    return columnTexts(engine_->select(QStringLiteral("select * from spobl order by im")), QStringLiteral("im"));
}

QStringList Database::districtNames(const QString& regionName) {
    return columnTexts(engine_->select(QStringLiteral("select im from kodra where kodr=(select kod from spobl "
                                                      "where im=?) order by rowid"),
                                       {regionName}),
                       QStringLiteral("im"));
}

QStringList Database::farmNames(const QString& regionName, const QString& districtName) {
    // The district is looked up within the region: district names repeat across regions.
    return columnTexts(
        engine_->select(QStringLiteral("select im from kodxoz where kodr=(select kod from spobl where im=?) "
                                       "and kodraj=(select kodraj from kodra where im=? and "
                                       "kodr=(select kod from spobl where im=?)) order by rowid"),
                        {regionName, districtName, regionName}),
        QStringLiteral("im"));
}

QStringList Database::categoryNames() {
    return columnTexts(engine_->select(QStringLiteral("select * from kodkx order by rowid")), QStringLiteral("imy"));
}

QStringList Database::breedNames() {
    return columnTexts(engine_->select(QStringLiteral("select * from sppor order by rowid")), QStringLiteral("im"));
}
