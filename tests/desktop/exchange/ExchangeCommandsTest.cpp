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
    }
    // Triggers the command and returns the information window's text, closing it by its button.
    QString trigger(const char* action) {
        QString shown = "<not shown>";
        QTimer::singleShot(0, window.get(), [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            EXPECT_EQ(modal->objectName(), "FormInformation");
            EXPECT_EQ(modal->windowTitle(), "Информация");
            shown = modal->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
            modal->findChild<QToolButton*>("SpdBtnClose")->click();
        });
        window->findChild<QAction*>(action)->trigger();
        // Without a window the check runs here, while `shown` still exists.
        QApplication::processEvents();
        return shown;
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

} // namespace
