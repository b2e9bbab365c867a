#include "FarmRows.h"
#include "ScriptedDialogs.h"
#include "TempProgramFolder.h"
#include "desktop/MainWindow.h"
#include "desktop/Session.h"
#include "desktop/correction/CorrectionCommands.h"
#include "desktop/correction/CorrectionListWindow.h"
#include "desktop/correction/CorrectionWindow.h"
#include "domain/db/Schema.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString kKazakh = QStringLiteral("Казахская белоголовая");
const QString kHereford = QStringLiteral("Герефордская");

class CorrectionWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.addDemoFarms();
        dialogs = &ScriptedDialogs::installFresh();
    }

    void store(int table, const FarmTitle& title, const QVariantMap& cells = {}) {
        storeFarmRow(home.db(), table, title, cells);
    }

    void open(int selector) {
        session.correctionSelector = selector;
        list = std::make_unique<CorrectionListWindow>(home.data(), session);
        list->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
    }

    template <class T> T* child(QWidget* w, const QString& name) {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    template <class T> T* listChild(const QString& name) { return child<T>(list.get(), name); }
    void click(QWidget* w, const QString& name) { QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton); }
    void clickList(const QString& name) { click(list.get(), name); }
    int listed() { return listChild<QTableView>("DBGridCorrect")->model()->rowCount(); }
    void chooseFilter(const QString& district, const QString& breed) {
        listChild<QComboBox>("cbRajon")->setCurrentText(district);
        listChild<QComboBox>("cbPoroda")->setCurrentText(breed);
        clickList("btnFiltr");
    }
    QString filterCaption() { return listChild<QPushButton>("btnFiltr")->text(); }

    // Opens the correction window on the list's current row; it must be shown and active.
    CorrectionWindow* correct() {
        clickList("btnCorrect");
        auto* window = list->findChild<CorrectionWindow*>();
        EXPECT_TRUE(window && window->isVisible());
        if (window) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
        }
        return window;
    }
    QLineEdit* field(QWidget* w, const QString& cell) { return child<QLineEdit>(w, "me" + cell); }
    void typeInto(QWidget* w, const QString& cell, const QString& text) {
        QLineEdit* f = field(w, cell);
        f->setFocus();
        f->selectAll();
        QTest::keyClicks(f, text);
    }

    TempProgramFolder home;
    Session session;
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<CorrectionListWindow> list;
};

TEST_F(CorrectionWindowsTest, SelectorGivesCaptionTableAndButtons) {
    store(1, {});
    store(9, {.khm = 2});
    store(9, {.khm = 3});
    const struct {
        int selector;
        const char* caption;
        int rows;
        bool rowButtons;
    } cases[] = {{0, "Корректировка заголовка всех таблиц", 1, false},
                 {7, "Корректировка таблицы 9", 2, true},
                 {3, "Корректировка таблицы 3", 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selector);
        open(c.selector);
        EXPECT_EQ(list->windowTitle(), c.caption);
        EXPECT_EQ(listed(), c.rows);
        EXPECT_EQ(listChild<QToolButton>("SpdBtnDelete")->isVisible(), c.rowButtons);
        EXPECT_EQ(listChild<QPushButton>("btnCorrect")->isVisible(), c.rowButtons);
        EXPECT_EQ(listChild<QPushButton>("btnCorrect")->isEnabled(), c.rows > 0);
        EXPECT_TRUE(listChild<QToolButton>("SpdBtnEdit")->isVisible());
    }
    const QAbstractItemModel* grid = listChild<QTableView>("DBGridCorrect")->model();
    QStringList captions;
    for (int c = 0; c < grid->columnCount(); ++c)
        captions << grid->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(captions, (QStringList{"Регион", "Район", "Хозяйство", "Код хозяйства", "Порода", "Год"}));
}

TEST_F(CorrectionWindowsTest, FilterSurvivesADeleteAndAnEmptyChoiceKeepsIt) {
    store(2, {.khm = 1, .porm = 2});
    store(2, {.khm = 2, .porm = 2});
    store(2, {.khm = 3, .porm = 3});
    store(2, {.rnm = 2, .khm = 1, .porm = 2});
    store(1, {.khm = 1, .porm = 2});
    open(2);
    ASSERT_EQ(listed(), 4);

    chooseFilter("", kKazakh);
    EXPECT_EQ(listed(), 3);
    EXPECT_EQ(filterCaption(), "Отменить фильтр");

    dialogs->answers = {false};
    clickList("SpdBtnDelete");
    EXPECT_EQ(dialogs->confirmations, QStringList{"Удалить запись?"});
    EXPECT_EQ(listed(), 3);

    dialogs->answers = {true};
    clickList("SpdBtnDelete");
    EXPECT_EQ(listed(), 2);
    EXPECT_EQ(filterCaption(), "Установить фильтр");
    EXPECT_EQ(home.db().select("SELECT * FROM tmjs1").size(), 1);
    EXPECT_TRUE(dialogs->messages.isEmpty());

    chooseFilter("", "");
    EXPECT_EQ(listed(), 2);
    chooseFilter("", "");
    EXPECT_EQ(filterCaption(), "Установить фильтр");
    EXPECT_EQ(listed(), 3);

    chooseFilter("Адамовский", kKazakh);
    EXPECT_EQ(listed(), 1);
    list->hide();
    list->show();
    EXPECT_EQ(listed(), 1);
}

// Heads 2 and 2 weighing 101 and 102: the correction window stores 101 (the entry window 102).
TEST_F(CorrectionWindowsTest, CorrectingTable6ShowsOnlyItsPageAndClosesBothWindows) {
    store(6, {}, {{"tm6b01", 2}, {"tm6b03", 101}, {"tm6b16", 2}, {"tm6b18", 101}});
    store(1, {});
    open(6);
    CorrectionWindow* window = correct();
    ASSERT_NE(window, nullptr);
    auto* pages = child<QTabWidget>(window, "PageControl1");
    for (int i = 0; i < pages->count(); ++i)
        EXPECT_EQ(pages->isTabVisible(i), i == 5) << i;
    EXPECT_EQ(child<QStatusBar>(window, "StatusBarTable")->currentMessage(), "Режим редактирования существующей записи.");
    EXPECT_EQ(field(window, "TM6b03")->text(), "101");

    typeInto(window, "TM6b04", "2");
    typeInto(window, "TM6b06", "102");
    field(window, "TM6b07")->setFocus();
    EXPECT_EQ(field(window, "TM6b18")->text(), "101");
    click(window, "sbSave6");

    EXPECT_EQ(dialogs->messages, QStringList{"Запись изменена."});
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(list->isVisible());
    const SqlRow row = home.db().select("SELECT * FROM tmjs6").first();
    EXPECT_EQ(row.integer("tm6b16"), 4);
    EXPECT_EQ(row.integer("tm6b18"), 101);
    EXPECT_FALSE(row.boolean("send"));
}

TEST_F(CorrectionWindowsTest, Table1WarnsAboutTable2AndStoresAnyway) {
    store(1, {}, {{"tm101", 40}, {"tm122", 40}});
    store(2, {}, {{"tm207", 39}});
    store(3, {}, {{"tm331", 40}});
    open(1);
    CorrectionWindow* window = correct();
    ASSERT_NE(window, nullptr);
    click(window, "sbSave1");
    EXPECT_EQ(dialogs->messages,
              (QStringList{"Итого\\Коровы из Таблицы 2 не соответствует Всего КРС\\Коровы из Таблицы 1.",
                           "Запись изменена."}));
    EXPECT_FALSE(list->isVisible());
}

TEST_F(CorrectionWindowsTest, Table3FailsWhileTable1DisagreesAndKeepsTheWindowOpen) {
    store(3, {}, {{"tm301", 5}, {"tm302", 5}, {"tm310", 500}, {"tm331", 5}, {"tm332", 5}, {"tm340", 500}});
    open(3);
    CorrectionWindow* window = correct();
    ASSERT_NE(window, nullptr);
    field(window, "TM321")->setText("12345");
    EXPECT_TRUE(field(window, "TM321")->hasAcceptableInput());
    field(window, "TM321")->setText("0");
    click(window, "sbSave3");
    EXPECT_EQ(dialogs->messages,
              QStringList{"Итого по стаду\\Всего коров из Таблицы 3 не соответствует Всего КРС\\Коровы из Таблицы 1."});
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(field(window, "TM331")->hasFocus());
    click(window, "sbCancel3");
    EXPECT_EQ(field(window, "TM301")->text(), "0");
    click(window, "sbClose3");
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(home.db().select("SELECT tm301 FROM tmjs3").first().integer("tm301"), 5);
}

TEST_F(CorrectionWindowsTest, TitleOfAllTablesMovesToAnotherYearAndCancelRestoresTheChoice) {
    for (int table : {1, 2, 9})
        store(table, {.godm = 2025}, {{Schema::dataColumns(table).first(), 3}});
    open(0);
    clickList("SpdBtnEdit");
    auto* edit = list->findChild<QDialog*>("TFormEditTitleTable");
    ASSERT_TRUE(edit && edit->isVisible());
    EXPECT_EQ(edit->windowTitle(), "Редактирование заголовка всех таблиц сразу");
    EXPECT_EQ(child<QLabel>(edit, "lblXoz")->text(), "СПК Заря");
    EXPECT_EQ(child<QLabel>(edit, "lblYear")->text(), "2025");
    auto* farm = child<QComboBox>(edit, "cbXoz");
    EXPECT_EQ(farm->currentText(), "СПК Заря");
    EXPECT_EQ(farm->count(), 3);

    auto* district = child<QComboBox>(edit, "cbRajon");
    district->setCurrentIndex(district->findText("Беляевский"));
    EXPECT_EQ(farm->currentText(), "");
    click(edit, "sbCancel");
    EXPECT_EQ(child<QComboBox>(edit, "cbRajon")->currentText(), "Адамовский");
    EXPECT_EQ(farm->currentText(), "СПК Заря");

    child<QComboBox>(edit, "cbYear")->setCurrentText("2026");
    dialogs->answers = {true};
    click(edit, "sbSave");
    ASSERT_EQ(dialogs->confirmations.size(), 1);
    EXPECT_TRUE(dialogs->confirmations.first().endsWith("Казахская белоголовая  2026 для всех таблиц с Табл 1 по Табл 9?"))
        << dialogs->confirmations.first().toStdString();
    ASSERT_EQ(dialogs->messages.size(), 9);
    EXPECT_EQ(dialogs->messages.first(), "В tmjs1 заголовок изменен.");
    EXPECT_EQ(dialogs->messages.at(3), "Запись с таким заголовком в tmjs4 отсутствует.");
    EXPECT_TRUE(edit->isVisible());
    for (int table : {1, 2, 9})
        EXPECT_EQ(home.db().select("SELECT godm FROM " + Schema::dataTable(table)).first().integer("godm"), 2026);

    click(edit, "sbClose");
    EXPECT_EQ(listChild<QTableView>("DBGridCorrect")->model()->index(0, 5).data().toString(), "2026");
}

TEST_F(CorrectionWindowsTest, TitleEditingRefusesAnEmptyChoiceAndAnUnknownName) {
    store(4, {});
    open(4);
    clickList("SpdBtnEdit");
    auto* edit = list->findChild<QDialog*>("TFormEditTitleTable");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->windowTitle(), "Редактирование заголовка таблицы 4");
    child<QComboBox>(edit, "cbKodPor")->setCurrentText("");
    click(edit, "sbSave");
    child<QComboBox>(edit, "cbKodPor")->setCurrentText("Нет такой");
    click(edit, "sbSave");
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_EQ(dialogs->messages.first(), "Нужно выбрать все параметры!");
    EXPECT_TRUE(dialogs->messages.last().startsWith("Ошибка выбора параметров.Попробуйте еще раз!"));
    EXPECT_TRUE(dialogs->confirmations.isEmpty());
}

TEST_F(CorrectionWindowsTest, MainWindowItemsSetTheSelectorAndShowTheList) {
    MainWindow main(home.data(), session);
    setCorrectionCommands(home.data(), main);
    auto* list = main.findChild<CorrectionListWindow*>();
    ASSERT_NE(list, nullptr);
    const struct {
        const char* action;
        int selector;
        const char* caption;
    } cases[] = {{"actCorrect7", 7, "Корректировка таблицы 9"}, {"actCorrect0", 0, "Корректировка заголовка всех таблиц"}};
    for (const auto& c : cases) {
        auto* action = main.findChild<QAction*>(c.action);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled());
        QString shownCaption;
        QTimer::singleShot(0, list, [&] {
            shownCaption = list->windowTitle();
            list->reject();
        });
        action->trigger();
        EXPECT_EQ(session.correctionSelector, c.selector);
        EXPECT_EQ(shownCaption, c.caption);
    }
    EXPECT_EQ(main.statusBar()->currentMessage(), "Корректировка Таблицы 9.");
}

} // namespace
