#include "SourceFiles.h"
#include "domain/db/Database.h"
#include "domain/db/Schema.h"
#include "domain/db/SqlError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

class DatabaseFileTest : public ::testing::Test {
protected:
    QString working() const { return dir.filePath(QLatin1String(Database::kWorkingFile)); }
    QByteArray bytes() const {
        QFile f(working());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    int count(SqlEngine& db, const QString& table) { return db.select("SELECT * FROM " + table).size(); }

    QTemporaryDir dir;
};

// A start killed half-way must leave nothing half-made: the failure of the reference books
// after the schema takes the schema with it, and the next start builds the whole database.
TEST_F(DatabaseFileTest, FailureBetweenSchemaAndReferenceBooksLeavesNoTable) {
    {
        SqlEngine db(working());
        EXPECT_THROW(createWorkingDatabase(db, ":/data/no_such_books.json"), SqlError);
        EXPECT_TRUE(db.tableNames().isEmpty());
    }
    Database data(dir.path());
    EXPECT_GT(count(data.db(), "spobl"), 80);
    EXPECT_GT(count(data.db(), "kodkx"), 4);
}

TEST_F(DatabaseFileTest, OurTablesWithoutReferenceBooksAreCompletedAtStart) {
    {
        SqlEngine db(working());
        Schema::create(db);
    }
    Database data(dir.path());
    EXPECT_GT(count(data.db(), "spobl"), 80);
    EXPECT_GT(count(data.db(), "sppor"), 3);
    EXPECT_TRUE(data.regionNames().contains(QStringLiteral("Оренбургская область")));
}

struct ForeignFile {
    const char* name;
    const char* message;
    std::function<void(const QString&)> make;
};

void writeText(const QString& path) {
    writeFileBytes(path, QByteArray("Кто-то держит здесь свои заметки.\n").repeated(200));
}

void makeSqlite(const QString& path, const QStringList& tables) {
    SqlEngine db(path);
    for (const QString& t : tables)
        db.execute(QStringLiteral("CREATE TABLE %1 (oblm INTEGER, godm INTEGER, kkhm INTEGER, porm INTEGER, rnm, "
                                  "khm)")
                       .arg(t));
    db.execute("INSERT INTO " + tables.first() + " (oblm) VALUES (56)");
}

// Someone else's file under our name is refused with a message naming it, and not one byte of it
// changes: no index, no table, no reference book is added first.
TEST_F(DatabaseFileTest, AFileThatIsNotOurDatabaseIsRefusedAndLeftByteIdentical) {
    const ForeignFile cases[] = {
        {"text", "не является базой данных (file is not a database)", writeText},
        {"other program's database", "не является базой данных программы",
         [](const QString& p) { makeSqlite(p, {"accounts", "tmjs1"}); }},
        {"ours but a table short", "нет её таблиц (sprsost)",
         [](const QString& p) {
             QStringList tables = Schema::allTables();
             tables.removeAll("sprsost");
             makeSqlite(p, tables);
         }},
    };
    for (const ForeignFile& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(working());
        c.make(working());
        const QByteArray before = bytes();
        ASSERT_FALSE(before.isEmpty());
        try {
            Database data(dir.path());
            ADD_FAILURE() << "opened";
        } catch (const SqlError& e) {
            EXPECT_TRUE(e.text().startsWith(QStringLiteral("Файл «%1»").arg(QDir::toNativeSeparators(working()))))
                << e.what();
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.message))) << e.what();
        }
        EXPECT_EQ(bytes(), before);
        EXPECT_FALSE(QFile::exists(working() + "-journal"));
    }
}

} // namespace
