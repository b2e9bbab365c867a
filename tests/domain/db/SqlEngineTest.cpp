#include "OtherReader.h"
#include "domain/db/SqlEngine.h"
#include "domain/db/SqlError.h"
#include "domain/db/UnicodeLike.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SqlEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = std::make_unique<SqlEngine>(dir.filePath("t.mdb"));
        db->execute("CREATE TABLE names (kod INTEGER, im TEXT, v NUMERIC, flag BOOLEAN)");
    }
    QTemporaryDir dir;
    std::unique_ptr<SqlEngine> db;
};

TEST_F(SqlEngineTest, BoundTextWithApostropheIsStoredAndFound) {
    db->execute("INSERT INTO names (kod, im) VALUES (?, ?)", {1, "Д'Артаньян"});
    const SqlResult r = db->select("SELECT kod FROM names WHERE im=?", {"Д'Артаньян"});
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r.first().integer("KOD"), 1);
}

TEST_F(SqlEngineTest, FieldsReadAsTextIntegerRealAndFlag) {
    db->execute("INSERT INTO names VALUES (:p1,:p2,:p3,:p4)", {"12", "x", "75.5", false});
    db->execute("INSERT INTO names VALUES (:p1,:p2,:p3,:p4)", {"13", QVariant(), "450", true});
    const SqlResult r = db->select("SELECT * FROM names ORDER BY kod");
    EXPECT_EQ(r[0].text("kod"), "12");
    EXPECT_EQ(r[0].text("v"), "75.5");
    EXPECT_DOUBLE_EQ(r[0].real("v"), 75.5);
    EXPECT_FALSE(r[0].boolean("flag"));
    EXPECT_EQ(r[1].text("im"), "");
    EXPECT_EQ(r[1].text("v"), "450");
    EXPECT_EQ(r[1].integer("v"), 450);
    EXPECT_TRUE(r[1].boolean("flag"));
    EXPECT_THROW(r[0].text("missing"), SqlError);

    db->execute("INSERT INTO names (kod, v) VALUES (14, '')");
    const SqlRow blank = db->select("SELECT v FROM names WHERE kod=14").first();
    EXPECT_EQ(blank.integer("v"), 0);
    EXPECT_EQ(blank.real("v"), 0.0);
}

TEST_F(SqlEngineTest, AffectedRowCounts) {
    db->execute("INSERT INTO names (kod) VALUES (1), (2), (3)");
    EXPECT_EQ(db->execute("UPDATE names SET im='a' WHERE kod>1"), 2);
    EXPECT_EQ(db->execute("DELETE FROM names WHERE kod=9"), 0);
}

TEST_F(SqlEngineTest, EngineErrorsAreRussianWithTheFileAndTheEngineText) {
    try {
        db->select("SELECT * FROM nowhere");
        FAIL();
    } catch (const SqlError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Ошибка базы данных «%1» (no such table: nowhere).").arg(db->filePath()));
    }
}

// Another program reads while we write: the COMMIT waits, fails, is rolled back and reported, and
// the connection is not left inside a transaction that would swallow the statements after it.
TEST_F(SqlEngineTest, CommitRefusedByAReaderIsRolledBackAndReported) {
    OtherReader reader(db->filePath());
    try {
        db->transaction([&] { db->execute("INSERT INTO names (kod) VALUES (1)"); });
        FAIL() << "committed under a reader";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.text(), busyMessage(db->filePath()));
    }
    reader.release();
    EXPECT_TRUE(db->select("SELECT * FROM names").isEmpty());

    db->execute("INSERT INTO names (kod) VALUES (2)");
    OtherReader later(db->filePath());
    EXPECT_EQ(later.count("names"), 1);
}

// The engine has already rolled back (as after a full disk): the undoing fails too, but the
// error that started it is the one reported.
TEST_F(SqlEngineTest, FailedRollbackNeverReplacesTheFirstError) {
    const struct {
        const char* name;
        bool nested;
    } cases[] = {{"outermost", false}, {"nested", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto failing = [&] {
            db->execute("INSERT INTO names (kod) VALUES (1)");
            db->execute("ROLLBACK");
            throw SqlError("first");
        };
        try {
            db->transaction([&] { c.nested ? db->transaction(failing) : failing(); });
            FAIL() << "no error";
        } catch (const SqlError& e) {
            EXPECT_EQ(e.text(), "first");
        }
        db->execute("INSERT INTO names (kod) VALUES (2)");
        EXPECT_EQ(OtherReader(db->filePath()).count("names"), 1);
        db->execute("DELETE FROM names");
    }
}

TEST_F(SqlEngineTest, FailedTransactionLeavesNothingAndNestedSavepointsRollBackAlone) {
    EXPECT_THROW(db->transaction([&] {
        db->execute("INSERT INTO names (kod) VALUES (1)");
        db->execute("INSERT INTO nowhere VALUES (1)");
    }),
                 SqlError);
    EXPECT_TRUE(db->select("SELECT * FROM names").isEmpty());

    db->transaction([&] {
        db->execute("INSERT INTO names (kod) VALUES (1)");
        EXPECT_THROW(db->transaction([&] {
            db->execute("INSERT INTO names (kod) VALUES (2)");
            throw SqlError("stop");
        }),
                     SqlError);
    });
    EXPECT_EQ(columnTexts(db->select("SELECT kod FROM names"), "kod"), QStringList{"1"});
}

TEST_F(SqlEngineTest, LikeIgnoresCaseOfCyrillicLetters) {
    db->execute("INSERT INTO names (kod, im) VALUES (1, 'Калмыцкая'), (2, 'Ёлкино')");
    const struct {
        const char* pattern;
        int count;
    } cases[] = {{"калмыцкая", 1}, {"КАЛМЫЦКАЯ", 1}, {"Калмыц", 0}, {"ёлкино", 1}, {"Калм%", 1}, {"_лкино", 1}};
    for (const auto& c : cases)
        EXPECT_EQ(db->select("SELECT * FROM names WHERE im like ?", {QString::fromUtf8(c.pattern)}).size(), c.count)
            << c.pattern;
    EXPECT_TRUE(unicodeLike("a!%", "A%", '!'));
    EXPECT_FALSE(unicodeLike("a!%", "Ab", '!'));
}

TEST_F(SqlEngineTest, AttachedFileAndConsistentCopy) {
    db->execute("INSERT INTO names (kod, im) VALUES (5, 'пять')");
    const QString copy = dir.filePath("copy.mdb");
    db->vacuumInto(copy);
    EXPECT_THROW(db->vacuumInto(copy), SqlError);

    db->attach(copy, "other");
    EXPECT_TRUE(db->tableExists("names", "other"));
    EXPECT_EQ(db->select("SELECT im FROM other.names").first().text("im"), "пять");
    db->detach("other");
    EXPECT_THROW(db->attach(copy, "bad name"), SqlError);
}

TEST_F(SqlEngineTest, TableCopiedIntoAnAttachedFileKeepsItsDefinitionAndTakesTheChosenRows) {
    db->execute("INSERT INTO names (kod, im) VALUES (1, 'a'), (2, 'b'), (3, 'c')");
    const QString other = dir.filePath("other.mdb");
    SqlEngine(other).execute("CREATE TABLE placeholder (x)");
    {
        const Attachment attached(*db, other, "other");
        EXPECT_EQ(db->copyTableInto("other", "names", "kod>=?", {2}), 2);
        EXPECT_THROW(db->copyTableInto("other", "names"), SqlError); // it exists there now
        EXPECT_THROW(db->copyTableInto("other", "nowhere"), SqlError);
    }
    EXPECT_THROW(db->select("SELECT * FROM other.names"), SqlError); // detached with the scope
    SqlEngine copy(other, SqlEngine::Access::ReadOnly);
    EXPECT_EQ(copy.select("SELECT sql FROM sqlite_master WHERE name='names'").first().text("sql"),
              "CREATE TABLE names (kod INTEGER, im TEXT, v NUMERIC, flag BOOLEAN)");
    EXPECT_EQ(copy.select("SELECT im FROM names ORDER BY kod").size(), 2);
}

TEST_F(SqlEngineTest, ClosedDatabaseRefusesStatementsUntilReopened) {
    db->close();
    EXPECT_THROW(db->select("SELECT 1"), SqlError);
    db->reopen();
    EXPECT_EQ(db->select("SELECT 1 AS one").first().integer("one"), 1);
}

TEST_F(SqlEngineTest, ReadOnlyNeverCreatesOrChangesTheFile) {
    const QString missing = dir.filePath("missing.mdb");
    EXPECT_THROW(SqlEngine(missing, SqlEngine::Access::ReadOnly), SqlError);
    EXPECT_FALSE(QFile::exists(missing));

    db->execute("INSERT INTO names (kod) VALUES (1)");
    db->close();
    QFile file(dir.filePath("t.mdb"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    {
        SqlEngine reader(dir.filePath("t.mdb"), SqlEngine::Access::ReadOnly);
        EXPECT_EQ(reader.select("SELECT kod FROM names").size(), 1);
        EXPECT_THROW(reader.execute("INSERT INTO names (kod) VALUES (2)"), SqlError);
        EXPECT_THROW(reader.execute("DELETE FROM names"), SqlError);
        reader.vacuumInto(dir.filePath("copy.mdb"));
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(SqlEngine(dir.filePath("copy.mdb")).select("SELECT kod FROM names").size(), 1);
}

} // namespace
