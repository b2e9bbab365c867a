#include "FarmRows.h"
#include "ScriptedDialogs.h"
#include "TempProgramFolder.h"
#include "desktop/MainWindow.h"
#include "desktop/Session.h"
#include "desktop/consistency/ConsistencyWindow.h"
#include "desktop/correction/CorrectionWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ConsistencyWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.addDemoFarms();
        dialogs = &ScriptedDialogs::installFresh();
        // Only Table 1 stored for one title: three findings; the other title agrees.
        storeFarmRow(home.db(), 1, {.khm = 2}, {{"tm101", 40}, {"tm122", 40}});
        storeFarmRow(home.db(), 9, {.khm = 3});
        window = std::make_unique<ConsistencyWindow>(home.data(), session);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <class T> T* child(const QString& name) {
        T* c = window->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    void check(const QString& region, const QString& year) {
        auto* regions = child<QComboBox>("cbRegion");
        regions->setCurrentIndex(regions->findText(region));
        child<QComboBox>("cbYear")->setCurrentText(year);
        QTest::mouseClick(child<QPushButton>("btnCheck"), Qt::LeftButton);
    }
    QAbstractItemModel* grid() { return child<QTableView>("DBGridCheck")->model(); }

    TempProgramFolder home;
    Session session;
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<ConsistencyWindow> window;
};

TEST_F(ConsistencyWindowTest, ChecksARegionOrAllAndCountsTheFindings) {
    EXPECT_FALSE(child<QPushButton>("btnExcel")->isEnabled());
    check("Оренбургская область", "2026");
    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(grid()->index(0, 2).data().toString(), "ООО Степное");
    EXPECT_EQ(grid()->index(0, 8).data().toString(), "40");
    EXPECT_EQ(child<QLabel>("lblCount")->text(), "Найдено расхождений: 3 (проверено заголовков: 2).");
    check("Все регионы", "2025");
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_TRUE(dialogs->messages.isEmpty());
    check("Все регионы", "25");
    EXPECT_EQ(dialogs->messages, QStringList{"Год «25» должен состоять из четырех цифр."});
}

TEST_F(ConsistencyWindowTest, SavesTheFindingsToDocCheckXlsx) {
    check("Все регионы", "2026");
    QTest::mouseClick(child<QPushButton>("btnExcel"), Qt::LeftButton);
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();
    EXPECT_TRUE(QFileInfo::exists(home.file("doc/check.xlsx")));
}

// The correction of the finding's stored table; closing it runs the check again.
TEST_F(ConsistencyWindowTest, DoubleClickCorrectsTheStoredTableOfTheFinding) {
    check("Оренбургская область", "2026");
    auto* view = child<QTableView>("DBGridCheck");
    const QModelIndex cell = grid()->index(0, 0);
    // A double-click is a click followed by the second press, as a hand gives it.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
    auto* correction = window->findChild<CorrectionWindow*>();
    ASSERT_NE(correction, nullptr);
    ASSERT_TRUE(correction->isVisible());
    auto* pages = correction->findChild<QTabWidget*>("PageControl1");
    EXPECT_TRUE(pages->isTabVisible(0));
    EXPECT_FALSE(pages->isTabVisible(1));
    EXPECT_EQ(correction->findChild<QLineEdit*>("meTM122")->text(), "40");
    correction->findChild<QLineEdit*>("meTM122")->setText("0");
    correction->findChild<QLineEdit*>("meTM101")->setText("0");
    QTest::mouseClick(correction->findChild<QAbstractButton*>("sbSave1"), Qt::LeftButton);
    EXPECT_EQ(dialogs->messages, QStringList{"Запись изменена."});
    EXPECT_FALSE(correction->isVisible());
    EXPECT_EQ(grid()->rowCount(), 0);
}

TEST(ConsistencyCommandTest, SystemMenuOpensTheWindowPresetToTheSettings) {
    TempProgramFolder home;
    home.addDemoFarms();
    ScriptedDialogs::installFresh();
    Session session;
    MainWindow main(home.data(), session);
    setConsistencyCommand(home.data(), main);
    auto* action = main.findChild<QAction*>("actConsistency");
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(action->text(), "Проверка согласованности таблиц");
    QMenu* system = nullptr;
    for (QAction* top : main.menuBar()->actions())
        if (top->text() == "Системные работы")
            system = top->menu();
    ASSERT_NE(system, nullptr);
    EXPECT_TRUE(system->actions().contains(action));

    auto* window = main.findChild<ConsistencyWindow*>();
    ASSERT_NE(window, nullptr);
    QString region;
    QString year;
    QTimer::singleShot(0, window, [&] {
        region = window->findChild<QComboBox*>("cbRegion")->currentText();
        year = window->findChild<QComboBox*>("cbYear")->currentText();
        window->reject();
    });
    action->trigger();
    EXPECT_EQ(region, "Оренбургская область");
    EXPECT_EQ(year, "2026");
}

} // namespace
