#include "EntryWindowFixture.h"
#include "FarmForms.h"
#include "XlsxReadBack.h"
#include "desktop/InformationWindow.h"
#include "desktop/MainWindow.h"
#include "desktop/entry/FarmImportCommand.h"
#include "domain/farmworkbook/FarmWorkbook.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using FarmImportTest = EntryWindowFixture;

const TableTitle kDemoTitle{"56", "1", "2", "21", "3", "2026"};

TEST_F(FarmImportTest, TheBlankFormFilledByTheFarmShowsInTheEntryWindow) {
    open();
    QTest::mouseClick(child<QPushButton>("btnBlankToExcel"), Qt::LeftButton);
    ASSERT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();
    const QString form = home.file("farm.xlsx");
    ASSERT_TRUE(QFile::copy(home.file("doc/stavor.xlsx"), form));
    QMap<QString, QVariant> values = filledFormValues();
    values["TM335"] = 10;
    fillXlsx(form, formCells(values));
    window->close();

    FarmImportCommand command(home.data(), nullptr);
    command.setFileChooser([&] { return QStringList{form}; });
    QString report;
    QTimer::singleShot(0, [&] {
        report = command.information().text();
        command.information().accept();
    });
    command.run();
    EXPECT_TRUE(report.contains("Таблица 3: не сохранена: ")) << report.toStdString();
    EXPECT_TRUE(report.contains("Итого: файлов 1, таблиц сохранено 8, не сохранено 1.")) << report.toStdString();

    open();
    EXPECT_EQ(field("TM101")->text(), "10");
    showTable(5);
    EXPECT_EQ(field("TM526")->text(), "75,5");
    EXPECT_EQ(field("TM553")->text(), "40");
    showTable(3);
    EXPECT_EQ(field("TM301")->text(), "0");
}

TEST_F(FarmImportTest, TheImportIsAnItemOfTheEntryMenu) {
    MainWindow main(home.data(), session);
    auto* item = main.findChild<QAction*>("actImportFarmWorkbook");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Импорт таблиц хозяйства из Excel…");
    bool inEntryMenu = false;
    for (QAction* top : main.menuBar()->actions())
        if (top->text() == "Ввод и корректировка" && top->menu())
            inEntryMenu = top->menu()->actions().contains(item);
    EXPECT_TRUE(inEntryMenu);
}

} // namespace
