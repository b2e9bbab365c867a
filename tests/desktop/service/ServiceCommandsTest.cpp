#include "DatabaseContents.h"
#include "FarmRows.h"
#include "WindowFixture.h"
#include "desktop/MainWindow.h"
#include "desktop/Session.h"
#include "desktop/service/CleaningWindow.h"
#include "desktop/service/ServiceCommands.h"
#include "domain/service/ArchiveCopy.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ServiceCommandsTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        storeFarmRow(home.db(), 1, FarmTitle{});
    }
    QString archived(int index) { return QDir(home.file("arch")).filePath(archiveFiles(home.path()).at(index)); }

    Session session;
};

TEST_F(ServiceCommandsTest, SystemWorkItemsAreEnabledAndArchiveMakesACopy) {
    MainWindow w(home.data(), session);
    ServiceCommands commands(home.data(), &w);
    commands.install(w);
    for (const char* name : {"actStatusReport", "actArchive", "actRestore", "actCompact", "actClean"})
        EXPECT_TRUE(child<QAction>(w, name)->isEnabled()) << name;

    child<QAction>(w, "actArchive")->trigger();

    ASSERT_EQ(archiveFiles(home.path()).size(), 1);
    EXPECT_EQ(dialogs->messages.last(), archiveCopyMessage(archived(0)));
    EXPECT_EQ(contentsOfFile(archived(0)), contentsOf(home.db()));
}

TEST_F(ServiceCommandsTest, RestoreAsksForAFileInArchAndConfirmation) {
    const QString archive = makeArchiveCopy(home.data());
    const DatabaseContents old = contentsOf(home.db());
    home.db().execute("DELETE FROM tmjs1");
    ServiceCommands commands(home.data(), nullptr);
    QStringList asked;
    QString answer;
    commands.setFileChooser([&](const QString& folder) {
        asked << folder;
        return answer;
    });

    commands.restore(); // cancelled dialog
    dialogs->answers = {false};
    answer = archive;
    commands.restore(); // "No"
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_TRUE(contentsOf(home.db()).value("tmjs1").isEmpty());

    commands.restore();

    EXPECT_EQ(asked, QStringList(3, home.file("arch")));
    EXPECT_EQ(dialogs->confirmations,
              QStringList(2, "Вы действительно хотите восстановиться из " + QDir::toNativeSeparators(archive) + "?"));
    EXPECT_EQ(contentsOf(home.db()), old);
    ASSERT_EQ(archiveFiles(home.path()).size(), 2);
    EXPECT_EQ(dialogs->messages, (QStringList{archiveCopyMessage(archived(1)), "БД успешно восстановлена из копии."}));
}

TEST_F(ServiceCommandsTest, CompactionTellsItsStepsWithTheProgramsTitle) {
    ServiceCommands commands(home.data(), nullptr);
    commands.compact();
    ASSERT_EQ(dialogs->notices.size(), 2);
    EXPECT_TRUE(dialogs->notices.first().startsWith("Файл базы данных ДО УПАКОВКИ был помещен в архив:  "));
    EXPECT_EQ(dialogs->notices.last(), "Файл базы данных stavor.mdb был успешно сжат.");
    EXPECT_EQ(home.db().select("SELECT * FROM tmjs1").size(), 1);
}

TEST_F(ServiceCommandsTest, CleaningWindowEmptiesTheTickedTablesOnlyOnYesAndKeepsItsTicks) {
    QWidget parent;
    ServiceCommands commands(home.data(), &parent);
    QList<QWidget*> shown;
    QList<bool> ticked;
    const auto tickAndClean = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        shown << modal;
        auto* table1 = child<QCheckBox>(*modal, "cbTable1");
        ticked << table1->isChecked();
        table1->setChecked(true);
        click(*modal, "btnClean");
        static_cast<QDialog*>(modal)->reject();
    };

    dialogs->answers = {false};
    QTimer::singleShot(0, tickAndClean);
    commands.openCleaning();
    EXPECT_TRUE(archiveFiles(home.path()).isEmpty()) << "No does nothing";
    QTimer::singleShot(0, tickAndClean);
    commands.openCleaning();

    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.first(), shown.last());
    EXPECT_EQ(ticked, (QList<bool>{false, true}));
    EXPECT_EQ(dialogs->confirmations, QStringList(2, "Очистить выбранные таблицы?"));
    EXPECT_TRUE(home.db().select("SELECT * FROM tmjs1").isEmpty());
    EXPECT_FALSE(home.db().select("SELECT * FROM kodra").isEmpty());
    ASSERT_EQ(archiveFiles(home.path()).size(), 1);
    EXPECT_EQ(dialogs->messages, QStringList{"Создана копия БД   " + QDir::toNativeSeparators(archived(0)) + " до очистки."});
}

TEST_F(ServiceCommandsTest, CleaningWindowHasItsBoxesInTheirGroups) {
    CleaningWindow w(home.data());
    EXPECT_EQ(w.windowTitle(), "Очистить БД");
    EXPECT_EQ(w.size(), QSize(384, 305));
    const struct {
        const char* box;
        const char* text;
        const char* group;
    } boxes[] = {{"cbRajon", "Районы", "Справочники  "},     {"cbXoz", "Хозяйства", "Справочники  "},
                 {"cbTable1", "Таблица 1", "Таблицы"},        {"cbTable6", "Таблица 6", "Таблицы"},
                 {"cbTable9", "Таблица 9", "Таблицы"}};
    for (const auto& b : boxes) {
        auto* box = child<QCheckBox>(w, b.box);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString::fromUtf8(b.text));
        EXPECT_FALSE(box->isChecked());
        EXPECT_EQ(qobject_cast<QGroupBox*>(box->parentWidget())->title(), QString::fromUtf8(b.group));
    }
    EXPECT_EQ(w.findChildren<QCheckBox*>().size(), 9);
}

} // namespace
