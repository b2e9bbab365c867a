#include "ScriptedDialogs.h"
#include "TempProgramFolder.h"
#include "domain/db/ProgramFolder.h"
#include "desktop/MainWindow.h"
#include "desktop/Session.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QStringList items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { dialogs = &ScriptedDialogs::installFresh(); }

    template <class T> T* child(MainWindow& w, const char* name) {
        T* c = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void chooseDistrict(MainWindow& w, const QString& name) {
        auto* cb = child<QComboBox>(w, "cbRajon");
        cb->setCurrentIndex(cb->findText(name));
        emit cb->activated(cb->currentIndex());
    }

    TempProgramFolder home;
    Session session;
    ScriptedDialogs* dialogs = nullptr;
};

TEST_F(MainWindowTest, StartWithoutSettingsAsksForThemAndKeepsInputClosed) {
    MainWindow w(home.data(), session);
    EXPECT_EQ(dialogs->messages,
              QStringList{"Выбирайте пункт меню НАСТРОЙКА и сделайте первоначальную настройку."});
    EXPECT_FALSE(child<QPushButton>(w, "btnChoose")->isEnabled());
    EXPECT_EQ(w.statusBar()->currentMessage(), "Выбирайте нужный пункт меню.");
    EXPECT_EQ(w.windowTitle(), "Stavor");
    for (const char* sub : {"in", "out", "arch", "doc"})
        EXPECT_TRUE(QDir(home.file(sub)).exists()) << sub;
}

TEST_F(MainWindowTest, ToolbarHasTheEightCommandsWithTheirHints) {
    MainWindow w(home.data(), session);
    QStringList hints;
    for (QAction* a : child<QToolBar>(w, "ToolBar1")->actions())
        if (!a->isSeparator())
            hints << a->toolTip();
    EXPECT_EQ(hints, (QStringList{"Ввод", "Принять данные", "Отправить данные", "Настройка",
                                  "Справка о состоянии БД", "Создать архив БД", "Восстановить БД из архива ",
                                  "Сжать БД"}));
}

TEST_F(MainWindowTest, InputModeFillsTheListsAndADistrictChoiceFillsItsFarms) {
    home.addDemoFarms();
    MainWindow w(home.data(), session);
    EXPECT_TRUE(dialogs->messages.isEmpty());
    child<QAction>(w, "actInput")->trigger();

    EXPECT_EQ(child<QLabel>(w, "lblRegion")->text(), "Оренбургская область");
    EXPECT_EQ(child<QLabel>(w, "lblYear")->text(), "2026");
    EXPECT_EQ(session.regionCode, "56");
    EXPECT_EQ(items(child<QComboBox>(w, "cbRajon")),
              (QStringList{"Адамовский", "Акбулакский", "Беляевский", "Домбаровский"}));
    EXPECT_TRUE(items(child<QComboBox>(w, "cbKatXoz")).contains("Племенные заводы"));
    EXPECT_TRUE(items(child<QComboBox>(w, "cbKodPor")).contains("Калмыцкая"));
    EXPECT_TRUE(child<QPushButton>(w, "btnChoose")->isEnabled());

    chooseDistrict(w, "Акбулакский");
    EXPECT_EQ(items(child<QComboBox>(w, "cbXoz")), (QStringList{"СПК Заря", "ЗАО Рассвет"}));
    EXPECT_EQ(session.districtName, "Акбулакский");
}

TEST_F(MainWindowTest, DistrictOfTheSameNameInAnotherRegionAndApostrophesDoNotConfuseTheFarmList) {
    home.addDemoFarms();
    SqlEngine& db = home.db();
    db.execute("INSERT INTO kodra (kodr, kodraj, im) VALUES (2, 7, 'Адамовский')");
    db.execute("INSERT INTO kodxoz (kodr, kodraj, kodx, im) VALUES (2, 7, 1, 'Чужое')");
    db.execute("INSERT INTO kodra (kodr, kodraj, im) VALUES (56, 9, 'Кара''ул')");
    db.execute("INSERT INTO kodxoz (kodr, kodraj, kodx, im) VALUES (56, 9, 1, 'СПК ''Восход''')");
    MainWindow w(home.data(), session);
    child<QAction>(w, "actInput")->trigger();

    chooseDistrict(w, "Адамовский");
    EXPECT_EQ(items(child<QComboBox>(w, "cbXoz")), (QStringList{"СПК Заря", "ООО Степное", "КФХ Иванов"}));
    chooseDistrict(w, "Кара'ул");
    EXPECT_EQ(items(child<QComboBox>(w, "cbXoz")), QStringList{"СПК 'Восход'"});
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(MainWindowTest, ChooseRefusesAnEmptyNameAndOtherwiseOpensTheEntry) {
    home.addDemoFarms();
    MainWindow w(home.data(), session);
    int opened = 0;
    w.setEntryOpener([&] { ++opened; });
    child<QAction>(w, "actInput")->trigger();
    auto* choose = child<QPushButton>(w, "btnChoose");

    QTest::mouseClick(choose, Qt::LeftButton);
    EXPECT_EQ(dialogs->messages.last(), "Нужно выбрать все параметры!");
    EXPECT_EQ(opened, 0);

    chooseDistrict(w, "Адамовский");
    QTest::mouseClick(choose, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(w.statusBar()->currentMessage(), "Работа с таблицами.");
    EXPECT_EQ(w.farmName(), "СПК Заря");
}

TEST_F(MainWindowTest, CommandsWithoutTheirWindowStayDisabled) {
    MainWindow w(home.data(), session);
    for (const char* name : {"actReceive", "actSend", "actStatusReport", "actArchive", "actRestore", "actCompact",
                             "actClean", "actCorrect0", "actCorrect7", "actSpravSpobl"})
        EXPECT_FALSE(child<QAction>(w, name)->isEnabled()) << name;
    for (const char* name : {"actInput", "actSettings", "actAbout", "actExit"})
        EXPECT_TRUE(child<QAction>(w, name)->isEnabled()) << name;
}

TEST_F(MainWindowTest, ClosingMovesIncomingFilesIntoTheirArchive) {
    MainWindow w(home.data(), session);
    for (const char* name : {"in/a.mdb", "in/b.mdb", "in/keep.txt"}) {
        QFile f(home.file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    w.close();
    EXPECT_EQ(QDir(home.file("in/arch")).entryList(QDir::Files), (QStringList{"a.mdb", "b.mdb"}));
    EXPECT_EQ(QDir(home.file("in")).entryList(QDir::Files), QStringList{"keep.txt"});
}

} // namespace
