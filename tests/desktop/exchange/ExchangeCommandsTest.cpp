#include "FarmRows.h"
#include "ScriptedDialogs.h"
#include "SourceFiles.h"
#include "TempProgramFolder.h"
#include "desktop/InformationWindow.h"
#include "desktop/MainWindow.h"
#include "desktop/Session.h"
#include "desktop/exchange/ExchangeCommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class ExchangeCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs = &ScriptedDialogs::installFresh();
        home.addDemoFarms();
        window = std::make_unique<MainWindow>(home.data(), session);
        exchange = std::make_unique<ExchangeCommands>(home.data(), session, window.get());
        window->setCommand("actSend", [this] { exchange->send(); });
        window->setCommand("actReceive", [this] { exchange->receive(); });
        window->setCommand("actImportJet", [this] { exchange->importJet(); });
    }
    // Triggers the command and returns the text of every information window it showed, each
    // closed by its button.
    QStringList triggerAll(const char* action) {
        QStringList shown;
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            EXPECT_EQ(modal->objectName(), "TFormInformation");
            EXPECT_EQ(modal->windowTitle(), "Информация");
            shown << modal->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
            modal->findChild<QToolButton*>("SpdBtnClose")->click();
        });
        closer.start();
        window->findChild<QAction*>(action)->trigger();
        return shown;
    }
    QString trigger(const char* action) {
        const QStringList shown = triggerAll(action);
        EXPECT_LE(shown.size(), 1);
        return shown.isEmpty() ? QString("<not shown>") : shown.first();
    }
    TempProgramFolder home;
    Session session;
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ExchangeCommands> exchange;
};

TEST_F(ExchangeCommandsTest, SendingShowsItsLinesAndSetsTheYear) {
    storeFarmRow(home.db(), 4, FarmTitle{});
    const QStringList lines = trigger("actSend").split('\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.at(0), "В таблицу kodra добавлено 4 записей.");
    EXPECT_EQ(lines.at(5), "В таблицу tmjs4 добавлено 1 записей.2026г.");
    EXPECT_TRUE(lines.last().startsWith("Не забудьте отправить файл ")) << lines.last().toStdString();
    EXPECT_EQ(session.year, "2026");
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_EQ(QDir(home.file("out")).entryList({"56stavor*.mdb"}).size(), 1);
}

TEST_F(ExchangeCommandsTest, ReceivingShowsItsLinesAndTheSameWindowIsReused) {
    writeSqliteSource(home.file("in/books.mdb"), incomingBooks());
    const QStringList lines = trigger("actReceive").split('\n');
    EXPECT_EQ(lines.first(), "Обрабатываем файл books.mdb.");
    EXPECT_EQ(lines.size(), 8);
    InformationWindow* first = exchange->informationWindow();
    // The second run clears the lines of the first.
    EXPECT_EQ(trigger("actReceive").split('\n').at(1), "В таблицу spobl не добавлено новых записей.");
    EXPECT_EQ(exchange->informationWindow(), first);
}

TEST_F(ExchangeCommandsTest, AFailedSendingIsShownAsAnErrorWithoutTheWindow) {
    home.db().execute("DELETE FROM k1obl");
    EXPECT_EQ(trigger("actSend"), "<not shown>");
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors.first().contains("НАСТРОЙКА"));
}

TEST_F(ExchangeCommandsTest, ImportAsksToTakeTheGoodRowsAfterShowingTheRefusedOnes) {
    QAction* item = window->findChild<QAction*>("actImportJet");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Импорт базы формата Jet…");
    EXPECT_TRUE(item->isEnabled());
    const QString file = home.file("old.mdb");
    // Districts and farms of the demo region are there already; the source brings Table 9 rows.
    writeLayoutSource(file, {{"tmjs9", {{"1", "0", "0", "0", "0", "0", "0", "0", "0", "56", "1", "1", "22", "2", "2026", "0", ""},
                                        {"x", "0", "0", "0", "0", "0", "0", "0", "0", "56", "1", "2", "22", "2", "2026", "0", ""}}}});
    exchange->setFileChooser([&] { return file; });
    dialogs->answers = {false};
    QStringList shown = triggerAll("actImportJet");
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().contains("Таблица tmjs9, строка 2 не принята")) << shown.first().toStdString();
    EXPECT_EQ(dialogs->confirmations, QStringList{"Принять остальные строки файла без перечисленных?"});
    EXPECT_TRUE(home.db().select("SELECT * FROM tmjs9").isEmpty());

    // Now there are report tables: the import asks to merge, then to take the good rows.
    storeFarmRow(home.db(), 1, FarmTitle{});
    dialogs->answers = {true, true};
    shown = triggerAll("actImportJet");
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown.last().endsWith("Импорт выполнен, не принято строк — 1.")) << shown.last().toStdString();
    EXPECT_TRUE(dialogs->confirmations.at(1).startsWith("В рабочей базе уже есть таблицы хозяйств."));
    EXPECT_EQ(home.db().select("SELECT * FROM tmjs9").size(), 1);
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();

    // A cancelled dialog does nothing.
    exchange->setFileChooser([] { return QString(); });
    EXPECT_TRUE(triggerAll("actImportJet").isEmpty());
}

} // namespace
