#include "FarmRows.h"
#include "WindowFixture.h"
#include "domain/db/ProgramFolder.h"
#include "desktop/totals/TotalsWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString kRegion = QStringLiteral("Оренбургская область");

class TotalsWindowTest : public WindowFixture {
protected:
    QStringList memoLines(QWidget& w) {
        return child<QPlainTextEdit>(w, "MemoTest")->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    }
    QString workbookPath() const { return QDir(ProgramPaths::doc(home.path())).filePath("outstavor.xlsx"); }
};

TEST_F(TotalsWindowTest, ShowsTheSettingsRegionAndYearWithSaveDisabled) {
    TotalsWindow w(home.data());
    w.show();
    EXPECT_EQ(w.windowTitle(), "Stavor. Счет по области.");
    EXPECT_EQ(w.size(), QSize(402, 416));
    EXPECT_EQ(child<QComboBox>(w, "cbChsReg")->currentText(), kRegion);
    auto* year = child<QComboBox>(w, "cbChsYear");
    EXPECT_EQ(year->currentText(), "2026");
    EXPECT_EQ(year->itemText(0), "2006");
    EXPECT_EQ(year->itemText(year->count() - 1), "2020");
    EXPECT_EQ(child<QPushButton>(w, "btnSelect")->text(), "Рассчитать");
    auto* save = child<QToolButton>(w, "sbSave");
    EXPECT_FALSE(save->isEnabled());
    EXPECT_EQ(save->toolTip(), "Сохранить таблицы в файл");
    EXPECT_EQ(save->geometry(), QRect(184, 368, 35, 35));
    EXPECT_EQ(child<QPlainTextEdit>(w, "MemoTest")->geometry(), QRect(8, 120, 385, 241));
}

TEST_F(TotalsWindowTest, NoDataLogsEveryTableAndKeepsSaveDisabled) {
    TotalsWindow w(home.data());
    w.show();
    click(w, "btnSelect");

    const QStringList lines = memoLines(w);
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.first(), "В итоговую таблицу 1 не добавлено записей.");
    EXPECT_EQ(lines.at(8), "В итоговую таблицу 9 не добавлено записей.");
    EXPECT_EQ(lines.last(), "Для Оренбургская область нет данных.");
    EXPECT_FALSE(child<QToolButton>(w, "sbSave")->isEnabled());
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

// The log is the program's report: it cannot be typed into, and Escape does not close it away.
TEST_F(TotalsWindowTest, LogIsReadOnlyAndEscapeKeepsTheWindow) {
    TotalsWindow w(home.data());
    w.show();
    click(w, "btnSelect");
    auto* memo = child<QPlainTextEdit>(w, "MemoTest");
    const QString log = memo->toPlainText();
    memo->setFocus();
    QTest::keyClicks(memo, "abc");
    QTest::keyClick(memo, Qt::Key_Escape);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->toPlainText(), log);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(TotalsWindowTest, ComputingWithDataEnablesOneExport) {
    storeFarmRow(home.db(), 1, FarmTitle{}, {{"tm101", 4}});
    TotalsWindow w(home.data());
    w.show();
    click(w, "btnSelect");
    auto* save = child<QToolButton>(w, "sbSave");
    ASSERT_TRUE(save->isEnabled());
    EXPECT_EQ(memoLines(w).first(), "В итоговую таблицу 1 добавлено 5 записей.");

    click(w, "sbSave");

    EXPECT_FALSE(save->isEnabled()) << "one export per computation";
    EXPECT_TRUE(QFileInfo::exists(workbookPath()));
    const QStringList lines = memoLines(w);
    EXPECT_EQ(lines.at(9), "Формирование выходных данных для 56 Оренбургская область");
    EXPECT_EQ(lines.last(), "Таблица 9 экспортирована в Excel.");
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Clearing the region after a computation: "Рассчитать" keeps the save button as it was, the save
// button itself is spent; either way the user is told and no workbook is written.
TEST_F(TotalsWindowTest, AClearedRegionIsRefusedByBothButtons) {
    const struct {
        const char* button;
        bool saveEnabledAfter;
    } cases[] = {{"btnSelect", true}, {"sbSave", false}};
    storeFarmRow(home.db(), 1, FarmTitle{}, {{"tm101", 4}});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        dialogs = &ScriptedDialogs::installFresh();
        TotalsWindow w(home.data());
        w.show();
        click(w, "btnSelect");
        const int lines = int(memoLines(w).size());
        child<QComboBox>(w, "cbChsReg")->setCurrentText(QString());

        click(w, c.button);

        EXPECT_EQ(dialogs->errors, QStringList{"Нужно выбрать регион и год!"});
        EXPECT_FALSE(QFileInfo::exists(workbookPath()));
        EXPECT_EQ(memoLines(w).size(), lines);
        EXPECT_EQ(child<QToolButton>(w, "sbSave")->isEnabled(), c.saveEnabledAfter);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST_F(TotalsWindowTest, AFailedSaveGoesToTheErrorDisplay) {
    storeFarmRow(home.db(), 1, FarmTitle{}, {{"tm101", 4}});
    ASSERT_TRUE(QDir(ProgramPaths::doc(home.path())).removeRecursively());
    QFile blocker(ProgramPaths::doc(home.path()));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)) << "a file where the doc folder belongs";
    blocker.close();
    TotalsWindow w(home.data());
    w.show();
    click(w, "btnSelect");

    click(w, "sbSave");

    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors.first().contains("outstavor.xlsx")) << dialogs->errors.first().toStdString();
    EXPECT_TRUE(memoLines(w).contains("Таблица 1 экспортирована в Excel."));
}

TEST_F(TotalsWindowTest, TheCommandKeepsOneWindowAndClearsItsLogAtEachOpening) {
    QWidget parent;
    TotalsWindowCommand command(home.data(), &parent);
    QList<QWidget*> shown;
    QStringList memoAtOpening;
    auto inspectAndClose = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        shown << modal;
        memoAtOpening << child<QPlainTextEdit>(*modal, "MemoTest")->toPlainText();
        EXPECT_FALSE(child<QToolButton>(*modal, "sbSave")->isEnabled());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the user works with the normal pointer";
        click(*modal, "btnSelect");
        static_cast<QDialog*>(modal)->reject();
    };

    QTimer::singleShot(0, inspectAndClose);
    command.open();
    QTimer::singleShot(0, inspectAndClose);
    command.open();

    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.first(), shown.last());
    EXPECT_EQ(memoAtOpening, (QStringList{QString(), QString()}));
    EXPECT_TRUE(qobject_cast<TotalsWindow*>(shown.first()));
}

} // namespace
