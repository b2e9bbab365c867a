#include "EntryWindowFixture.h"

#include "domain/tables/ReportTables.h"
#include "domain/tables/TableDefinition.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

namespace {

using EntryKeysTest = EntryWindowFixture;

void typeAndEnter(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

TEST_F(EntryKeysTest, EnterMovesToTheNextFieldInTabOrder) {
    open();
    field("TM101")->setFocus();
    QTest::keyClick(field("TM101"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), field("TM102"));
    field("TM107")->setFocus();
    QTest::keyClick(field("TM107"), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), field("TM108"));
}

// Leaving a field by Enter runs its leave handler: Table 3's herd total and weighted average.
TEST_F(EntryKeysTest, EnterRunsTheLeaveHandlersOfTable3) {
    open();
    showTable(3);
    typeAndEnter(field("TM301"), "10");
    EXPECT_EQ(QApplication::focusWidget(), field("TM302"));
    EXPECT_EQ(field("TM331")->text(), "10");
    typeAndEnter(field("TM310"), "450");
    EXPECT_EQ(QApplication::focusWidget(), field("TM311"));
    typeAndEnter(field("TM311"), "30");
    typeAndEnter(field("TM320"), "520");
    EXPECT_EQ(field("TM331")->text(), "40");
    EXPECT_EQ(field("TM340")->text(), "502"); // 502.5 goes to the even neighbour
    typeAndEnter(field("TM309"), "7");
    EXPECT_EQ(field("TM339")->text(), "7");
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

// Leaving a field by the mouse counts as well; a field without a handler changes nothing.
TEST_F(EntryKeysTest, LeavingByAnyMeansRecomputesOnlyFromTriggerFields) {
    open();
    showTable(3);
    field("TM302")->setFocus();
    field("TM302")->setText("5");
    field("TM301")->setText("3");
    field("TM303")->setFocus();
    EXPECT_EQ(field("TM331")->text(), "0");
    field("TM301")->setFocus();
    QTest::mouseClick(field("TM311"), Qt::LeftButton);
    EXPECT_EQ(field("TM331")->text(), "3");
}

// A leave handler's notice is shown, then the focus goes to the field it names.
TEST_F(EntryKeysTest, LeaveNoticeIsShownAndTheFocusReturnsToItsField) {
    open();
    showTable(7);
    typeAndEnter(field("TM7b01"), "3");
    EXPECT_EQ(field("TM7b09")->text(), "3");
    field("TM7b02")->setFocus();
    QTest::keyClick(field("TM7b02"), Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{"Эта ячейка не может равняться 0."});
    EXPECT_EQ(QApplication::focusWidget(), field("TM7b02"));
}

struct MaskCase {
    int table;
    const char* cell;
    const char* typed;
    const char* shown;
};

TEST_F(EntryKeysTest, FieldsAcceptOnlyWhatTheirMaskAccepts) {
    const MaskCase cases[] = {
        {1, "TM101", "1a2b", "12"},         // letters refused
        {1, "TM104", "1 2", "12"},          // no blank between digits
        {1, "TM101", "12345678", "123456"}, // six digits
        {1, "TM103", "1234567", "12345"},   // five digits
        {2, "TM201", "-3,5", "35"},         // no sign, no decimal comma
        {3, "TM302", "123456", "1234"},     // four digits
        {5, "TM513", "755", "75,5"},        // the comma stands after two digits by itself
        {5, "TM513", "7.5", "7,5"},         // a point counts as the comma
        {5, "TM513", "75,55", "75,5"},      // one digit after the comma
        {5, "TM513", "a7,x5", "7,5"},
    };
    open();
    for (const MaskCase& c : cases) {
        showTable(c.table);
        QLineEdit* f = field(c.cell);
        f->setFocus();
        f->clear();
        QTest::keyClicks(f, c.typed);
        EXPECT_EQ(f->text(), c.shown) << c.cell << " " << c.typed;
    }
}

// A page's typed values survive every key (and the wheel over the tabs) that could leave the page
// or close the window.
TEST_F(EntryKeysTest, EscapeArrowsAndCtrlTabKeepThePageAndItsTypedValues) {
    open();
    showTable(3);
    QLineEdit* typed = field("TM302");
    typed->setFocus();
    typed->selectAll();
    QTest::keyClicks(typed, "15");
    for (int key : {Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageDown})
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(pages()->tabBar(), &wheel);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(pages()->currentIndex(), pageIndexOf(3));
    EXPECT_EQ(typed->text(), "15");
    EXPECT_EQ(pages()->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(pages()->tabBar()->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

// Enter walks the page's fields in the described tab order (Table 4 across its rows, Table 6
// through its read-only newborn cells) and after the last field comes back to the first.
TEST_F(EntryKeysTest, EnterCyclesThroughThePageFieldsInTabOrder) {
    open();
    for (int table : {1, 4, 6, 9}) {
        SCOPED_TRACE(table);
        showTable(table);
        QList<CellDefinition> cells = reportTable(table).cells;
        std::stable_sort(cells.begin(), cells.end(),
                         [](const CellDefinition& a, const CellDefinition& b) { return a.tabOrder < b.tabOrder; });
        field(cells.first().name)->setFocus();
        for (int step = 1; step <= cells.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            ASSERT_EQ(QApplication::focusWidget(), field(cells[step % cells.size()].name)) << step;
        }
    }
    showTable(4);
    field("TM401")->setFocus();
    QTest::keyClick(field("TM401"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), field("TM416"));
    QTest::keyClick(field("TM416"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), field("TM431"));
    QTest::keyClick(field("TM431"), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), field("TM416"));
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(EntryKeysTest, ReadOnlyCellsLookReadOnlyAndTheWindowKeepsItsSize) {
    QLineEdit* newborns = field("TM6b02");
    QLineEdit* head = field("TM6b01");
    EXPECT_TRUE(newborns->isReadOnly());
    EXPECT_FALSE(head->isReadOnly());
    EXPECT_NE(newborns->palette().color(QPalette::Base), head->palette().color(QPalette::Base));
    EXPECT_EQ(window->minimumSize(), QSize(813, 592));
    EXPECT_EQ(window->maximumSize(), QSize(813, 592));
}

} // namespace
