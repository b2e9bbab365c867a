#include "ScriptedDialogs.h"
#include "TempProgramFolder.h"
#include "domain/db/ProgramFolder.h"
#include "desktop/MainWindow.h"
#include "desktop/Session.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
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
    // Picks the item from the open list, as a click on it does.
    void choose(MainWindow& w, const char* box, const QString& text) {
        auto* cb = child<QComboBox>(w, box);
        cb->setCurrentIndex(cb->findText(text));
        emit cb->activated(cb->currentIndex());
    }
    void chooseDistrict(MainWindow& w, const QString& name) { choose(w, "cbRajon", name); }

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

    for (const char* box : {"cbRajon", "cbXoz", "cbKatXoz", "cbKodPor"}) {
        EXPECT_EQ(child<QComboBox>(w, box)->currentIndex(), -1) << box;
        EXPECT_EQ(child<QComboBox>(w, box)->currentText(), "") << box;
    }

    chooseDistrict(w, "Акбулакский");
    EXPECT_EQ(items(child<QComboBox>(w, "cbXoz")), (QStringList{"СПК Заря", "ЗАО Рассвет"}));
    EXPECT_EQ(session.districtName, "Акбулакский");
}

// The arrow key picks the first district as a user would; its farms come, none of them chosen,
// also when another district's farm was chosen before.
TEST_F(MainWindowTest, DistrictChangeLoadsItsFarmsAndLeavesTheFarmEmpty) {
    home.addDemoFarms();
    MainWindow w(home.data(), session);
    w.show();
    child<QAction>(w, "actInput")->trigger();
    chooseDistrict(w, "Акбулакский");
    choose(w, "cbXoz", "ЗАО Рассвет");
    ASSERT_EQ(w.farmName(), "ЗАО Рассвет");

    auto* district = child<QComboBox>(w, "cbRajon");
    district->setCurrentIndex(-1);
    district->setFocus();
    QTest::keyClick(district, Qt::Key_Down);
    EXPECT_EQ(w.districtName(), "Адамовский");
    auto* farm = child<QComboBox>(w, "cbXoz");
    EXPECT_EQ(items(farm), (QStringList{"СПК Заря", "ООО Степное", "КФХ Иванов"}));
    EXPECT_EQ(farm->currentIndex(), -1);
    EXPECT_EQ(w.farmName(), "");
}

// The list opens wide enough for "Крестьянские (фермерские) хозяйства"; the closed box shows the
// beginning of a chosen name that is wider than itself.
TEST_F(MainWindowTest, CategoryListIsWideEnoughAndTheBoxShowsTheStartOfTheName) {
    home.addDemoFarms();
    MainWindow w(home.data(), session);
    w.show();
    child<QAction>(w, "actInput")->trigger();
    auto* category = child<QComboBox>(w, "cbKatXoz");
    int longest = 0;
    for (const QString& item : items(category))
        longest = std::max(longest, category->view()->fontMetrics().horizontalAdvance(item));
    EXPECT_GT(longest, category->width());
    EXPECT_GE(category->view()->minimumWidth(), longest);

    choose(w, "cbKatXoz", "Сельскохозяйственные организации");
    EXPECT_EQ(category->lineEdit()->cursorPosition(), 0);
    EXPECT_EQ(w.categoryName(), "Сельскохозяйственные организации");
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

// A forgotten box is caught whichever it is; nothing opens under a choice the user did not make.
TEST_F(MainWindowTest, ChooseRefusesAForgottenChoiceAndOtherwiseOpensTheEntry) {
    home.addDemoFarms();
    MainWindow w(home.data(), session);
    int opened = 0;
    w.setEntryOpener([&] { ++opened; });
    child<QAction>(w, "actInput")->trigger();
    auto* btnChoose = child<QPushButton>(w, "btnChoose");

    QTest::mouseClick(btnChoose, Qt::LeftButton);
    EXPECT_EQ(dialogs->messages.last(), "Нужно выбрать все параметры!");
    chooseDistrict(w, "Адамовский");
    choose(w, "cbXoz", "ООО Степное");
    choose(w, "cbKodPor", "Герефордская");
    QTest::mouseClick(btnChoose, Qt::LeftButton);
    EXPECT_EQ(dialogs->messages, (QStringList{"Нужно выбрать все параметры!", "Нужно выбрать все параметры!"}));
    EXPECT_EQ(opened, 0);

    choose(w, "cbKatXoz", "Племенные заводы");
    QTest::mouseClick(btnChoose, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(w.statusBar()->currentMessage(), "Работа с таблицами.");
    EXPECT_EQ((QStringList{w.districtName(), w.farmName(), w.categoryName(), w.breedName()}),
              (QStringList{"Адамовский", "ООО Степное", "Племенные заводы", "Герефордская"}));
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
