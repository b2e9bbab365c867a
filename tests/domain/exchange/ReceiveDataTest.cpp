#include "FarmRows.h"
#include "SourceFiles.h"
#include "TempProgramFolder.h"
#include "domain/db/SqlEngine.h"
#include "domain/exchange/ReceiveData.h"
#include "domain/exchange/SendData.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class ReceiveDataTest : public ::testing::Test {
protected:
    QString incoming(const QString& name) const { return home.file("in/" + name); }
    void put(const QString& name, const QList<SourceTableRows>& tables) { writeSqliteSource(incoming(name), tables); }
    ReceiveReport receive() { return receiveData(home.db(), home.path()); }
    QString text(const QString& sql, const QVariantList& params = {}) {
        const SqlResult r = home.db().select(sql, params);
        return r.isEmpty() ? QString("<none>") : r.first().text(0);
    }
    // Every reference book as text, to show a refused file changed nothing.
    QString books() {
        QString all;
        for (const char* t : {"spobl", "sppor", "sklin", "kodup", "kodst", "kodkx", "kodkb"})
            for (const SqlRow& row : home.db().select(QString("SELECT * FROM %1").arg(t)))
                for (int i = 0; i < row.fieldCount(); ++i)
                    all += row.text(i) + '|';
        return all;
    }
    static QStringList addedOnePerBook() {
        QStringList lines;
        for (const char* t : {"spobl", "sppor", "sklin", "kodup", "kodst", "kodkx", "kodkb"})
            lines << QString("В таблицу %1 добавлено 1 записей.").arg(t);
        return lines;
    }
    TempProgramFolder home;
};

TEST_F(ReceiveDataTest, ASentFileWithBooksBringsTheBooksButNoDistrictsFarmsOrTables) {
    TempProgramFolder sender;
    sender.addDemoFarms();
    storeFarmRow(sender.db(), 3, FarmTitle{});
    const QString sent = sendData(sender.data(), QDateTime(QDate(2026, 3, 1), QTime(9, 5))).file;
    // The upper level sends its reference books in a file of the same make.
    QFile::copy(sent, incoming("56stavor0103260905.mdb"));
    {
        SqlEngine file(incoming("56stavor0103260905.mdb"));
        for (const SourceTableRows& t : incomingBooks()) {
            file.execute(QString("CREATE TABLE %1 (%2)").arg(t.name, t.columns.join(',')));
            QStringList marks;
            marks.fill("?", t.columns.size());
            file.execute(QString("INSERT INTO %1 VALUES (%2)").arg(t.name, marks.join(',')), t.rows.first());
        }
    }
    const ReceiveReport report = receive();

    EXPECT_EQ(report.lines, QStringList{"Обрабатываем файл 56stavor0103260905.mdb."} + addedOnePerBook());
    EXPECT_TRUE(report.refusedFiles.isEmpty());
    EXPECT_EQ(text("SELECT im FROM spobl WHERE kod=90"), "Земля Франца-Иосифа");
    EXPECT_EQ(text("SELECT gru||stj||grj FROM sppor WHERE kod=90"), "234");
    EXPECT_EQ(text("SELECT count(*) FROM kodra"), "0");
    EXPECT_EQ(text("SELECT count(*) FROM kodxoz"), "0");
    EXPECT_EQ(text("SELECT count(*) FROM tmjs3"), "0");
    EXPECT_TRUE(QDir(home.file("in/arch")).exists());
}

TEST_F(ReceiveDataTest, CodesCompareByValueAndKnownKeysUpdateWithoutCounting) {
    home.db().execute("INSERT INTO kodkb (kodr, im) VALUES (7, 'Старое имя')");
    QList<SourceTableRows> books = incomingBooks();
    tableNamed(books, "kodkb").rows = {{"07", "Д'Артаньян"}, {" 8 ", "Восьмой"}};
    put("a.mdb", books);
    const ReceiveReport first = receive();
    EXPECT_EQ(first.lines.last(), "В таблицу kodkb добавлено 1 записей.");
    EXPECT_EQ(text("SELECT im FROM kodkb WHERE kodr=7"), "Д'Артаньян");
    EXPECT_EQ(text("SELECT count(*) FROM kodkb WHERE kodr IN (7, 8)"), "2");
    EXPECT_EQ(text("SELECT typeof(kodr) FROM kodkb WHERE kodr=8"), "integer");

    // The same file again: everything is found, nothing is new.
    const ReceiveReport second = receive();
    EXPECT_EQ(second.lines.size(), 8);
    for (int i = 1; i < 8; ++i)
        EXPECT_TRUE(second.lines.at(i).endsWith("не добавлено новых записей.")) << second.lines.at(i).toStdString();
}

TEST_F(ReceiveDataTest, ARefusedFileChangesNothingAndTheNextIsStillTaken) {
    QList<SourceTableRows> noKodkb = incomingBooks();
    noKodkb.removeLast();
    tableNamed(noKodkb, "sppor").columns.removeAll("udl1");
    for (QVariantList& row : tableNamed(noKodkb, "sppor").rows)
        row.removeAt(4);
    put("1.mdb", noKodkb);
    QList<SourceTableRows> badCode = incomingBooks();
    tableNamed(badCode, "sklin").rows << QVariantList{"1", "9x", "Кривой", ""};
    put("2.mdb", badCode);
    QList<SourceTableRows> emptyKey = incomingBooks();
    tableNamed(emptyKey, "kodst").rows << QVariantList{"", "Без кода"};
    put("3.mdb", emptyKey);
    writeFileBytes(incoming("4.mdb"), "kod;im\n1;x\n");
    put("5.mdb", incomingBooks());
    const QByteArray untouched = fileBytes(incoming("2.mdb"));
    const QString before = books();

    const ReceiveReport report = receive();

    EXPECT_EQ(report.refusedFiles, (QStringList{"1.mdb", "2.mdb", "3.mdb", "4.mdb"}));
    ASSERT_EQ(report.lines.size(), 2 * 4 + 8) << report.lines.join('\n').toStdString();
    EXPECT_TRUE(report.lines.at(1).contains("в таблице sppor нет столбца udl1; нет таблицы kodkb"))
        << report.lines.at(1).toStdString();
    EXPECT_TRUE(report.lines.at(3).contains("в таблице sklin, строка 2: код «9x» в столбце kod не является числом"))
        << report.lines.at(3).toStdString();
    EXPECT_TRUE(report.lines.at(5).contains("в таблице kodst, строка 2: пустое значение ключа kodr"))
        << report.lines.at(5).toStdString();
    EXPECT_TRUE(report.lines.at(7).contains("4.mdb не является базой данных")) << report.lines.at(7).toStdString();
    for (int i : {1, 3, 5, 7})
        EXPECT_TRUE(report.lines.at(i).endsWith("Файл не принят, ничего не изменено."));
    EXPECT_EQ(report.lines.mid(8), QStringList{"Обрабатываем файл 5.mdb."} + addedOnePerBook());
    EXPECT_EQ(fileBytes(incoming("2.mdb")), untouched);

    // Only the good file's rows arrived: the refused ones carried the same books.
    EXPECT_EQ(text("SELECT count(*) FROM kodst WHERE im='Без кода'"), "0");
    EXPECT_NE(books(), before);
    EXPECT_EQ(text("SELECT count(*) FROM kodkb WHERE kodr=90"), "1");
}

TEST_F(ReceiveDataTest, AnEmptyFolderOrEmptyTablesReportNothingNew) {
    EXPECT_TRUE(receive().lines.isEmpty());
    QList<SourceTableRows> empty = incomingBooks();
    for (SourceTableRows& t : empty)
        t.rows.clear();
    put("empty.mdb", empty);
    const QString before = books();
    const ReceiveReport report = receive();
    EXPECT_EQ(report.lines.at(1), "В таблицу spobl не добавлено новых записей.");
    EXPECT_EQ(report.lines.size(), 8);
    EXPECT_EQ(books(), before);
}

TEST_F(ReceiveDataTest, AJetFileIsTakenLikeASqliteOneAndRefusedByItsMissingBooks) {
    // The public Jet fixture holds none of the books: it must be read, named and refused whole.
    QFile::copy(STAVOR_FIXTURES "/jet/DateTestDatabase.mdb", incoming("a_jet.mdb"));
    put("b.mdb", incomingBooks());
    const QString before = books();
    const ReceiveReport report = receive();
    EXPECT_EQ(report.refusedFiles, QStringList{"a_jet.mdb"});
    ASSERT_EQ(report.lines.size(), 2 + 8);
    EXPECT_TRUE(report.lines.at(1).contains("a_jet.mdb нет таблицы spobl; нет таблицы sppor"))
        << report.lines.at(1).toStdString();
    EXPECT_EQ(report.lines.at(2), "Обрабатываем файл b.mdb.");
    EXPECT_NE(books(), before);
}

} // namespace
