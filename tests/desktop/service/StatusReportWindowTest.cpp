#include "FarmRows.h"
#include "WindowFixture.h"
#include "XlsxReadBack.h"
#include "desktop/service/StatusReportWindow.h"

#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QJsonArray>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class StatusReportWindowTest : public WindowFixture {
protected:
    QStringList gridLines(QWidget& w) {
        const QAbstractItemModel* grid = child<QTableView>(w, "DBGridSpravka")->model();
        QStringList lines;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid->columnCount(); ++c)
                cells << grid->index(r, c).data().toString();
            lines << cells.join(u',');
        }
        return lines;
    }
    void choose(QWidget& w, const QString& region, const QString& year) {
        child<QComboBox>(w, "cbRegion")->setCurrentText(region);
        child<QComboBox>(w, "cbYear")->setCurrentText(year);
        click(w, "btnSelect");
    }
};

TEST_F(StatusReportWindowTest, OpensWithAllRegionsFirstNoRegionChosenAndTheCurrentYear) {
    StatusReportWindow w(home.data());
    w.show();
    w.hide();
    w.show();

    EXPECT_EQ(w.windowTitle(), "Справка о состоянии БД");
    EXPECT_EQ(w.size(), QSize(857, 616));
    auto* region = child<QComboBox>(w, "cbRegion");
    EXPECT_EQ(region->itemText(0), "Все регионы");
    EXPECT_EQ(region->itemText(1), home.data().regionNames().first());
    EXPECT_EQ(region->count(), home.data().regionNames().size() + 1);
    EXPECT_EQ(region->currentText(), "");
    auto* year = child<QComboBox>(w, "cbYear");
    const int current = QDate::currentDate().year();
    EXPECT_EQ(year->count(), current + 5 - 2006 + 1) << "each year once, however often the window opens";
    EXPECT_EQ(year->itemText(0), "2006");
    EXPECT_EQ(year->currentText(), QString::number(current));
    EXPECT_EQ(child<QToolButton>(w, "sbSave")->toolTip(), "Сохранить таблицу в Excel");
    EXPECT_EQ(child<QPushButton>(w, "btnSelect")->text(), "Выбрать");
}

TEST_F(StatusReportWindowTest, GridHasTheCaptionsAndRelativeWidthsOfItsColumns) {
    StatusReportWindow w(home.data());
    w.show();
    auto* grid = child<QTableView>(w, "DBGridSpravka");
    QStringList captions;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        captions << grid->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(captions, (QStringList{"  №п\\п", "Код области", "Код района", "Код хозяйства", "Код кат.хоз-ва",
                                     "Код породы", "Год бонитировки", "Таб 1", "Таб 2", "Таб 3", "Таб 4", "Таб 5",
                                     "Таб 6", "Таб 7", "Таб 8", "Таб 9"}));
    EXPECT_LT(grid->columnWidth(7), grid->columnWidth(0));
    EXPECT_LT(grid->columnWidth(0), grid->columnWidth(1));
    EXPECT_LT(grid->columnWidth(1), grid->columnWidth(6));
    EXPECT_EQ(grid->columnWidth(1), grid->columnWidth(5));
    EXPECT_EQ(grid->model()->rowCount(), 0);
}

TEST_F(StatusReportWindowTest, SelectShowsTheTitlesAndAnEmptyChoiceEmptiesTheGridWithAMessage) {
    storeFarmRow(home.db(), 5, FarmTitle{});
    storeFarmRow(home.db(), 1, FarmTitle{.oblm = 2, .godm = 2026});
    StatusReportWindow w(home.data());
    w.show();

    choose(w, "Все регионы", "2026");
    EXPECT_EQ(gridLines(w), (QStringList{"1,2,1,1,22,2,2026,+,-,-,-,-,-,-,-,-", "2,56,1,1,22,2,2026,-,-,-,-,+,-,-,-,-"}));
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    choose(w, "Все регионы", "");
    EXPECT_TRUE(gridLines(w).isEmpty());
    EXPECT_EQ(dialogs->messages, QStringList{"Нужно выбрать оба параметра!"});
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(StatusReportWindowTest, SaveWritesTheShownLinesIntoTheWorkbook) {
    storeFarmRow(home.db(), 5, FarmTitle{});
    StatusReportWindow w(home.data());
    w.show();
    choose(w, "Оренбургская область", "2026");

    click(w, "sbSave");

    const QString path = home.file("doc/spravka.xlsx");
    ASSERT_TRUE(QFileInfo::exists(path)) << dialogs->errors.join('\n').toStdString();
    const QJsonObject cells = readXlsx(path).value("sheets").toArray().first().toObject().value("cells").toObject();
    EXPECT_EQ(cells.value("F6").toObject().value("value").toInt(), 2);
    EXPECT_EQ(cells.value("L6").toObject().value("value").toString(), "+");
    EXPECT_FALSE(cells.contains("A7"));
}

} // namespace
