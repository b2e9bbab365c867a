#include "ScriptedDialogs.h"
#include "TempProgramFolder.h"
#include "desktop/MainWindow.h"
#include "desktop/Session.h"
#include "desktop/references/BookReport.h"
#include "desktop/references/ReferenceBookCommands.h"
#include "desktop/references/ReferenceBookWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class ReferenceBookWindowTest : public ::testing::Test {
protected:
    ReferenceBookWindowTest() {
        dialogs = &ScriptedDialogs::installFresh();
        home.addDemoFarms();
    }
    template <class T> T* child(const char* name) {
        T* c = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QTableWidget* grid() { return child<QTableWidget>("DBGridSprav"); }
    void click(const char* button) { QTest::mouseClick(child<QToolButton>(button), Qt::LeftButton); }
    QString cell(int row, int column) { return grid()->item(row, column) ? grid()->item(row, column)->text() : QString(); }
    QStringList captions() {
        QStringList out;
        for (int c = 0; c < grid()->columnCount(); ++c)
            out << grid()->horizontalHeaderItem(c)->text();
        return out;
    }
    int rowWith(int column, const QString& text) {
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (cell(r, column) == text)
                return r;
        return -1;
    }
    void type(int row, const QStringList& values) {
        for (int c = 0; c < values.size(); ++c)
            grid()->item(row, c)->setText(values.at(c));
    }

    TempProgramFolder home;
    ScriptedDialogs* dialogs = nullptr;
    ReferenceBookWindow window{home.data()};
};

TEST_F(ReferenceBookWindowTest, EachBookReloadsTheWindowWithItsCaptionColumnsAndButtons) {
    window.openBook("kodra");
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(window.windowTitle(), "Кодификатор РАЙОНОВ");
    EXPECT_EQ(window.tag(), 2);
    EXPECT_EQ(captions(), QStringList({"Код региона", "Регион (Республика, Край, Область)", "Код района",
                                       "Наименование района", "Отправлено"}));
    EXPECT_EQ(child<QLabel>("lblSearch")->text(), "Укажите нужный Вам код РАЙОНА");
    EXPECT_EQ(child<QComboBox>("cbSearch")->count(), 4);
    EXPECT_EQ(grid()->currentRow(), 3);
    EXPECT_FALSE(child<QToolButton>("SpdBtnSave")->isVisible());
    EXPECT_TRUE(child<QToolButton>("SpdBtnAdd")->isVisible());

    window.openBook("sppor");
    EXPECT_EQ(window.windowTitle(), "Кодификатор ПОРОД МЯСНОГО НАПРАВЛЕНИЯ КРС");
    EXPECT_EQ(captions(), QStringList({"Код", "Наименование породы"}));
    for (const char* b : {"SpdBtnAdd", "SpdBtnEdit", "SpdBtnDelete"})
        EXPECT_FALSE(child<QToolButton>(b)->isVisible()) << b;
    // Lines set no prompt: the label and the list keep the breeds'.
    window.openBook("sklin");
    EXPECT_EQ(child<QLabel>("lblSearch")->text(), "Укажите нужный Вам код ПОРОДЫ");
    EXPECT_EQ(window.tag(), 6);
}

TEST_F(ReferenceBookWindowTest, SearchMovesToTheCodeOrSaysNothingIsChosen) {
    window.openBook("spobl");
    auto* search = child<QComboBox>("cbSearch");
    search->setEditText("");
    click("SpdBtnSearch");
    EXPECT_EQ(dialogs->messages, QStringList{"Ничего не выбрано."});
    search->setEditText(" 56 ");
    click("SpdBtnSearch");
    EXPECT_EQ(cell(grid()->currentRow(), 2), "Оренбургская область");
    search->setEditText("12345");
    click("SpdBtnSearch");
    EXPECT_EQ(cell(grid()->currentRow(), 2), "Оренбургская область");
}

TEST_F(ReferenceBookWindowTest, ADuplicateDistrictIsRefusedAndStaysInEditState) {
    window.openBook("kodra");
    click("SpdBtnAdd");
    EXPECT_EQ(captions(), QStringList({"Код региона", "Код района", "Наименование района"}));
    const int added = grid()->rowCount() - 1;
    type(added, {"56", "2", "Двойник"});
    click("SpdBtnSave");
    EXPECT_EQ(dialogs->messages,
              QStringList{"Запись с такими кодами уже есть в справочнике (Код региона 56, Код района 2)."});
    EXPECT_TRUE(child<QToolButton>("SpdBtnSave")->isVisible());
    EXPECT_EQ(cell(added, 2), "Двойник");
    type(added, {"56", "5", "Новый"});
    click("SpdBtnSave");
    EXPECT_EQ(home.db().select("SELECT im FROM kodra WHERE kodr=56 AND kodraj=5").first().text(0), "Новый");
    EXPECT_GE(rowWith(3, "Новый"), 0);
}

TEST_F(ReferenceBookWindowTest, EditAndDeleteOfADistrictTouchOnlyItsRegion) {
    home.db().execute("INSERT INTO kodra(kodr, kodraj, im) VALUES(1, 2, 'Район Адыгеи')");
    window.openBook("kodra");
    grid()->setCurrentCell(rowWith(3, "Акбулакский"), 0);
    click("SpdBtnEdit");
    ASSERT_EQ(grid()->rowCount(), 1);
    type(0, {"56", "2", "Акбулакский новый"});
    click("SpdBtnSave");
    EXPECT_EQ(home.db().select("SELECT im FROM kodra WHERE kodr=1 AND kodraj=2").first().text(0), "Район Адыгеи");

    grid()->setCurrentCell(rowWith(3, "Акбулакский новый"), 0);
    dialogs->answers.push_back(true);
    click("SpdBtnDelete");
    EXPECT_EQ(dialogs->confirmations, QStringList{"Удалить запись?"});
    EXPECT_EQ(home.db().select("SELECT count(*) AS n FROM kodra WHERE kodraj=2").first().integer("n"), 1);
    EXPECT_EQ(rowWith(3, "Акбулакский новый"), -1);
    EXPECT_GE(rowWith(3, "Район Адыгеи"), 0);
    EXPECT_EQ(grid()->columnCount(), 4);
}

TEST_F(ReferenceBookWindowTest, EveryMenuItemReloadsTheOneWindowWithItsBook) {
    Session session;
    MainWindow main(home.data(), session);
    setReferenceBookCommands(main, window);
    const std::pair<const char*, int> items[] = {{"actSpravSpobl", 1}, {"actSpravKodra", 2}, {"actSpravKodxoz", 3},
                                                 {"actSpravKodkx", 4}, {"actSpravSppor", 5}, {"actSpravSklin", 6},
                                                 {"actSpravKodup", 7}, {"actSpravKodst", 8}, {"actSpravKodkb", 9}};
    for (const auto& [name, tag] : items) {
        auto* action = main.findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(action->isEnabled()) << name;
        action->trigger();
        EXPECT_EQ(window.tag(), tag) << name;
        EXPECT_TRUE(window.isVisible());
        EXPECT_GT(grid()->rowCount(), 0) << name;
    }
}

TEST_F(ReferenceBookWindowTest, BullCategoriesAreEditedInPlaceAndAnEmptyBookDeletesNothing) {
    window.openBook("kodkb");
    const int row = rowWith(1, "Нейтральный");
    grid()->setCurrentCell(row, 1);
    click("SpdBtnEdit");
    EXPECT_TRUE(grid()->item(row, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid()->item(row == 0 ? 1 : 0, 1)->flags() & Qt::ItemIsEditable);
    type(row, {"2", "Нейтральный бык"});
    click("SpdBtnSave");
    EXPECT_EQ(home.db().select("SELECT im FROM kodkb WHERE kodr=2").first().text(0), "Нейтральный бык");

    home.db().execute("DELETE FROM kodkb");
    window.openBook("kodkb");
    click("SpdBtnDelete");
    EXPECT_TRUE(dialogs->confirmations.isEmpty());
    child<QComboBox>("cbSearch")->setEditText("1");
    click("SpdBtnSearch");
    EXPECT_EQ(grid()->currentRow(), -1);
}

TEST_F(ReferenceBookWindowTest, ThePrintoutOfABookIsAPdf) {
    const QString pdf = home.file("doc/book.pdf");
    window.setReportOutput([&](const BookReport& report) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        renderBookReport(report, printer);
    });
    for (const char* table : {"kodxoz", "kodkb"}) {
        if (QString(table) == "kodkb")
            home.db().execute("DELETE FROM kodkb");
        window.openBook(table);
        click("SpdBtnPrint");
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << table;
        EXPECT_TRUE(file.read(5).startsWith("%PDF")) << table;
        EXPECT_EQ(window.report().name, table);
        file.close();
        QFile::remove(pdf);
    }
    EXPECT_TRUE(window.report().rows.isEmpty());
}

} // namespace
