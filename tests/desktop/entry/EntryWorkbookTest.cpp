#include "EntryWindowFixture.h"
#include "FarmRows.h"
#include "XlsxReadBack.h"

#include <QFile>
#include <QJsonObject>
#include <QPushButton>
#include <QTest>

namespace {

using EntryWorkbookTest = EntryWindowFixture;

const FarmTitle kDemoTitle{56, 1, 2, 21, 3, 2026};

QJsonValue valueAt(const QJsonObject& book, const QString& sheet, const QString& address) {
    return sheetOf(book, sheet).value("cells").toObject().value(address).toObject().value("value");
}

TEST_F(EntryWorkbookTest, APageEditedButNotSavedExportsItsStoredRow) {
    storeFarmRow(home.db(), 3, kDemoTitle, {{"tm301", 100}, {"tm340", 480}});
    open();
    showTable(3);
    field("TM301")->setText("999");
    click("sbToExcel3");
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();
    const QJsonObject book = readXlsx(home.file("doc/stavor.xlsx"));
    EXPECT_EQ(valueAt(book, "table3", "C13").toDouble(), 100);
    EXPECT_EQ(valueAt(book, "table3", "L22").toDouble(), 480);
    EXPECT_EQ(valueAt(book, "table3", "J4").toDouble(), 2026);
    EXPECT_EQ(field("TM301")->text(), "999");
}

TEST_F(EntryWorkbookTest, AllTablesGoIntoOneWorkbookAndAMissingOneStaysEmpty) {
    storeFarmRow(home.db(), 5, kDemoTitle, {{"tm513", 75.5}});
    storeFarmRow(home.db(), 9, kDemoTitle, {{"tm97", 12}});
    open();
    QTest::mouseClick(child<QPushButton>("btnAllToExcel"), Qt::LeftButton);
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();
    const QJsonObject book = readXlsx(home.file("doc/stavor.xlsx"));
    EXPECT_EQ(valueAt(book, "table5", "M15").toString(), "75,5");
    EXPECT_EQ(valueAt(book, "table9", "D17").toDouble(), 12);
    EXPECT_TRUE(valueAt(book, "table1", "D11").isNull());
    EXPECT_EQ(valueAt(book, "table1", "H2").toDouble(), 21);
}

} // namespace
