#include "EntryWindowFixture.h"
#include "OtherReader.h"
#include "desktop/entry/TablePage.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/TableDefinition.h"
#include "domain/tables/TableMessages.h"

#include <QLabel>
#include <QStatusBar>
#include <QTest>

namespace {

struct PageCase {
    const char* name;
    const char* caption;
};
const PageCase kPages[] = {
    {"TabSheet1", "Таблица 1"}, {"TabSheet2", " Таблица 2"}, {"TabSheet3", "Таблица 3"},
    {"TabSheet4", "Таблица 4"}, {"TabSheet5", "Таблица 5"},  {"TabSheet6", "Таблица 6"},
    {"TabSheet9", "Таблица 7"}, {"TabSheet8", "Таблица 8"},  {"TabSheet7", "Таблица 9"},
};

struct ButtonCase {
    const char* name;
    int x;
    const char* hint;
};
const ButtonCase kButtons[] = {
    {"sbSave", 136, "Сохранить"},
    {"sbCancel", 184, "Отменить"},
    {"sbToExcel", 240, "Сохранить таблицу в Excel"},
    {"sbPrint", 296, "Печать"},
    {"sbClose", 344, "Выход"},
};

using EntryWindowTest = EntryWindowFixture;

TEST_F(EntryWindowTest, NinePagesInTableOrder) {
    EXPECT_EQ(window->windowTitle(), "Таблицы");
    EXPECT_EQ(window->size(), QSize(813, 592));
    ASSERT_EQ(pages()->count(), 9);
    for (int table = 1; table <= 9; ++table) {
        const PageCase& expected = kPages[table - 1];
        QWidget* page = pages()->widget(pageIndexOf(table));
        EXPECT_EQ(page->objectName(), expected.name) << table;
        EXPECT_EQ(pages()->tabText(pageIndexOf(table)), expected.caption) << table;
        ASSERT_NE(qobject_cast<TablePage*>(page), nullptr) << table;
    }
}

// The fields must stand exactly where the painted header expects them.
TEST_F(EntryWindowTest, FieldsAndButtonsStandWhereTheDefinitionsPlaceThem) {
    for (const TableDefinition* table : reportTables()) {
        for (const CellDefinition& cell : table->cells) {
            QLineEdit* f = field(cell.name);
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->geometry(), QRect(cell.x, cell.y, cell.width, cell.height)) << cell.name.toStdString();
            EXPECT_EQ(f->parentWidget(), pages()->widget(pageIndexOf(table->number)));
        }
        for (const ButtonCase& b : kButtons) {
            QToolButton* button = child<QToolButton>(b.name + QString::number(table->number));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->toolTip(), b.hint);
            EXPECT_EQ(button->x(), b.x);
            EXPECT_TRUE(button->isEnabled());
            if (table->number != 1 || QString(b.name) != "sbToExcel") {
                EXPECT_EQ(button->geometry(), QRect(b.x, table->buttonsY, 35, 35)) << b.name << table->number;
            }
        }
    }
}

TEST_F(EntryWindowTest, OpeningShowsTheTitleCodesAndZeroesForANewTitle) {
    field("TM101")->setText("7");
    open();
    const QStringList labels{"lblObl", "lblRaj", "lblXoz", "lblKatXoz", "lblPor", "lblYear"};
    const QStringList codes{"56", "1", "2", "21", "3", "2026"};
    for (int i = 0; i < labels.size(); ++i)
        EXPECT_EQ(child<QLabel>(labels[i])->text(), codes[i]) << labels[i].toStdString();
    EXPECT_EQ(session.title.khm, "2");
    EXPECT_EQ(session.year, "2026");
    EXPECT_EQ(pages()->currentIndex(), 0);
    EXPECT_EQ(field("TM101")->text(), "0");
    EXPECT_EQ(child<QStatusBar>("StatusBarTable")->currentMessage(), TableMessages::modeNew());
    EXPECT_TRUE(dialogs->messages.isEmpty());

    showTable(2);
    EXPECT_EQ(child<QLabel>("lblXoz2")->text(), "2");
    EXPECT_EQ(child<QLabel>("lblYear2")->text(), "2026");
}

TEST_F(EntryWindowTest, InsertThenUpdateOfOneTitleWarnsAboutASentRowAndResetsSend) {
    open();
    field("TM101")->setText("10");
    field("TM102")->setText("4");
    field("TM108")->setText("3");
    click("sbSave1");
    EXPECT_EQ(dialogs->messages, QStringList{TableMessages::inserted()});
    EXPECT_EQ(pages()->currentWidget()->objectName(), "TabSheet2");

    home.db().execute("UPDATE tmjs1 SET send=1, datesend='01022026'");
    window->close();
    dialogs->messages.clear();
    open();
    EXPECT_EQ(dialogs->messages, QStringList{TableMessages::sentRowEdited()});
    EXPECT_EQ(pages()->currentIndex(), 0);
    EXPECT_EQ(field("TM101")->text(), "10");
    EXPECT_EQ(child<QStatusBar>("StatusBarTable")->currentMessage(), TableMessages::modeEdit());

    field("TM101")->setText("12");
    click("sbSave1");
    EXPECT_EQ(dialogs->messages.last(), TableMessages::updated());
    const SqlResult stored = rows("tmjs1");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.first().integer("TM101"), 12);
    EXPECT_EQ(stored.first().integer("TM108"), 3);
    EXPECT_FALSE(stored.first().boolean("send"));
    EXPECT_EQ(stored.first().text("datesend"), "");
    EXPECT_EQ(stored.first().integer("khm"), 2);
    EXPECT_EQ(stored.first().integer("kkhm"), 21);
}

TEST_F(EntryWindowTest, BlankFieldsAreStoredAsZero) {
    open();
    showTable(2);
    for (const QString& cell : reportTable(2).cellNames())
        field(cell)->clear();
    field("TM203")->setText("4");
    field("TM207")->setText("4");
    click("sbSave2");
    EXPECT_EQ(dialogs->messages, QStringList{TableMessages::inserted()});
    EXPECT_EQ(field("TM201")->text(), "0");
    const SqlResult stored = rows("tmjs2");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.first().text("TM201"), "0");
    EXPECT_EQ(stored.first().text("TM214"), "0");
    EXPECT_EQ(stored.first().integer("TM207"), 4);
}

// Another program reads the database while Save writes: the error is shown, never the success.
TEST_F(EntryWindowTest, AStoreThatCannotCommitIsReportedAndNotCalledAdded) {
    open();
    field("TM101")->setText("10");
    field("TM102")->setText("4");
    field("TM108")->setText("3");
    {
        OtherReader reader(home.data().workingFile());
        click("sbSave1");
    }
    EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(u'\n').toStdString();
    EXPECT_EQ(dialogs->errors, QStringList{busyMessage(home.data().workingFile())});
    EXPECT_EQ(pages()->currentIndex(), 0);
    EXPECT_TRUE(rows("tmjs1").isEmpty());
}

TEST_F(EntryWindowTest, CancelZeroesEveryPageAndTheNextSaveUpdatesTheStoredRowWithZeros) {
    open();
    showTable(2);
    field("TM201")->setText("5");
    field("TM207")->setText("5");
    click("sbSave2");
    showTable(2);
    ASSERT_EQ(field("TM207")->text(), "5");
    field("TM101")->setText("9");
    field("TM340")->clear();

    click("sbCancel2");
    for (const TableDefinition* table : reportTables())
        for (const QString& cell : table->cellNames())
            EXPECT_EQ(field(cell)->text(), "0") << cell.toStdString();

    dialogs->messages.clear();
    click("sbSave2");
    EXPECT_EQ(dialogs->messages, QStringList{TableMessages::updated()});
    const SqlResult stored = rows("tmjs2");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.first().integer("TM201"), 0);
    EXPECT_EQ(stored.first().integer("TM207"), 0);
}

// After a store the window shows the next table's page; after Table 9 the page of Table 7.
TEST_F(EntryWindowTest, SavingMovesOnToTheNextTablesPage) {
    const std::pair<int, const char*> nextPage[] = {
        {1, "TabSheet2"}, {2, "TabSheet3"}, {3, "TabSheet4"}, {4, "TabSheet5"}, {5, "TabSheet6"},
        {6, "TabSheet9"}, {7, "TabSheet8"}, {8, "TabSheet7"}, {9, "TabSheet9"},
    };
    open();
    for (const auto& [table, page] : nextPage) {
        if (!std::any_of(reportTables().begin(), reportTables().end(),
                         [table](const TableDefinition* t) { return t->number == table; }))
            continue;
        showTable(table);
        click("sbSave" + QString::number(table));
        EXPECT_EQ(dialogs->messages.last(), TableMessages::inserted()) << table;
        EXPECT_EQ(pages()->currentWidget()->objectName(), page) << table;
    }
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();
}

TEST_F(EntryWindowTest, FailedCheckShowsEveryMessageFocusesTheLastRuleAndStoresNothing) {
    open();
    field("TM108")->setText("10");
    field("TM109")->setText("6");
    field("TM110")->setText("5");
    field("TM135")->clear();
    click("sbSave1");
    EXPECT_EQ(dialogs->messages, (QStringList{"Сумма по второй строке неверна.", "Сумма по первой колонке неверна.",
                                              "Сумма по второй колонке неверна.",
                                              "Сумма по третьей колонке неверна."}));
    EXPECT_EQ(QApplication::focusWidget(), field("TM103"));
    EXPECT_EQ(pages()->currentIndex(), 0);
    EXPECT_EQ(rows("tmjs1").size(), 0);
    EXPECT_EQ(field("TM135")->text(), "0");
}

TEST_F(EntryWindowTest, ChangingPagesStoresNothingAndDiscardsUnsavedEdits) {
    open();
    showTable(2);
    field("TM201")->setText("8");
    showTable(3);
    showTable(2);
    EXPECT_EQ(field("TM201")->text(), "0");
    EXPECT_EQ(rows("tmjs2").size(), 0);
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(EntryWindowTest, CloseHidesTheWindowAndTheNextOpeningStartsOnPageOne) {
    open();
    showTable(3);
    click("sbClose3");
    EXPECT_FALSE(window->isVisible());
    open();
    EXPECT_EQ(pages()->currentIndex(), 0);
}

// A field holding a blank between digits (put there by other means than typing, which the mask
// refuses) stops the store with the general error display, naming the place as the page prints it.
TEST_F(EntryWindowTest, UnreadableFieldIsReportedAndNothingIsStored) {
    open();
    field("TM101")->setText("1 2");
    click("sbSave1");
    EXPECT_EQ(dialogs->errors,
              QStringList{"Таблица 1, строка «Всего КРС», колонка 1: значение «1 2» не является числом."});
    EXPECT_EQ(rows("tmjs1").size(), 0);
    EXPECT_TRUE(window->isVisible());
}

} // namespace
