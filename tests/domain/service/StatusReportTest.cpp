#include "FarmRows.h"
#include "TempProgramFolder.h"
#include "XlsxReadBack.h"
#include "domain/service/StatusReport.h"
#include "domain/service/StatusWorkbook.h"
#include "domain/spreadsheet/PrintLayout.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/spreadsheet/XlsxWriter.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

const QString kRegion = QStringLiteral("Оренбургская область");
constexpr int kOtherRegion = 2; // Республика Башкортостан

class StatusReportTest : public ::testing::Test {
protected:
    // One line of the report as text: number, the six title codes, the nine marks.
    QStringList lines() {
        QStringList all;
        for (const SqlRow& row : statusReportRows(home.db())) {
            QStringList fields;
            for (int i = 0; i < row.fieldCount(); ++i)
                fields << row.text(i);
            all << fields.join(u',');
        }
        return all;
    }

    TempProgramFolder home;
};

TEST_F(StatusReportTest, ATitleStoredOnlyInTable5IsMarkedThereAlone) {
    storeFarmRow(home.db(), 5, FarmTitle{});
    EXPECT_EQ(buildStatusReport(home.db(), kRegion, "2026"), std::nullopt);
    EXPECT_EQ(lines(), QStringList{"1,56,1,1,22,2,2026,-,-,-,-,+,-,-,-,-"});
}

TEST_F(StatusReportTest, LinesAreNumberedInTitleOrderWhateverTableHoldsThem) {
    // Stored in an order unlike the report's, spread over tables found early and late.
    storeFarmRow(home.db(), 9, FarmTitle{.rnm = 2, .khm = 1});
    storeFarmRow(home.db(), 1, FarmTitle{.rnm = 1, .khm = 3});
    storeFarmRow(home.db(), 7, FarmTitle{.rnm = 1, .khm = 3});
    storeFarmRow(home.db(), 3, FarmTitle{.rnm = 1, .khm = 1, .porm = 5});
    storeFarmRow(home.db(), 8, FarmTitle{.rnm = 1, .khm = 1, .kkhm = 11});
    storeFarmRow(home.db(), 1, FarmTitle{.rnm = 1, .khm = 1, .kkhm = 11});

    ASSERT_EQ(buildStatusReport(home.db(), kRegion, "2026"), std::nullopt);

    EXPECT_EQ(lines(), (QStringList{"1,56,1,1,11,2,2026,+,-,-,-,-,-,-,+,-", "2,56,1,1,22,5,2026,-,-,+,-,-,-,-,-,-",
                                    "3,56,1,3,22,2,2026,+,-,-,-,-,-,+,-,-", "4,56,2,1,22,2,2026,-,-,-,-,-,-,-,-,+"}));
}

TEST_F(StatusReportTest, RegionChoiceListsOneRegionOrAllOfThemForTheYear) {
    storeFarmRow(home.db(), 2, FarmTitle{});
    storeFarmRow(home.db(), 4, FarmTitle{.oblm = kOtherRegion});
    storeFarmRow(home.db(), 6, FarmTitle{.godm = 2025});
    const struct {
        const char* region;
        QStringList lines;
    } cases[] = {
        {"Все регионы", {"1,2,1,1,22,2,2026,-,-,-,+,-,-,-,-,-", "2,56,1,1,22,2,2026,-,+,-,-,-,-,-,-,-"}},
        {"оренбургская ОБЛАСТЬ", {"1,56,1,1,22,2,2026,-,+,-,-,-,-,-,-,-"}},
        {"Оренбургская", {}},
        {"Оренбургская%", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.region);
        EXPECT_EQ(buildStatusReport(home.db(), QString::fromUtf8(c.region), " 2026 "), std::nullopt);
        EXPECT_EQ(lines(), c.lines);
    }
}

TEST_F(StatusReportTest, AnEmptyRegionOrYearEmptiesTheTableAndSaysSo) {
    storeFarmRow(home.db(), 1, FarmTitle{});
    const struct {
        const char* region;
        const char* year;
    } cases[] = {{"", "2026"}, {"Все регионы", ""}, {"Все регионы", "  "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.region) + "/" + c.year);
        ASSERT_EQ(buildStatusReport(home.db(), kRegion, "2026"), std::nullopt);
        ASSERT_EQ(lines().size(), 1);
        EXPECT_EQ(buildStatusReport(home.db(), QString::fromUtf8(c.region), QString::fromUtf8(c.year)),
                  QString("Нужно выбрать оба параметра!"));
        EXPECT_TRUE(lines().isEmpty());
    }
}

TEST_F(StatusReportTest, WorkbookHoldsHeadingsAndTheLinesFromRowSixInColumnsAToP) {
    storeFarmRow(home.db(), 5, FarmTitle{});
    storeFarmRow(home.db(), 1, FarmTitle{.khm = 2});
    storeFarmRow(home.db(), 9, FarmTitle{.khm = 2});
    ASSERT_EQ(buildStatusReport(home.db(), kRegion, "2026"), std::nullopt);

    const QString path = saveXlsxToDoc(buildStatusWorkbook(statusReportRows(home.db())), home.path(),
                                       QString::fromLatin1(kStatusWorkbookFile));

    EXPECT_EQ(path, home.file("doc/spravka.xlsx"));
    const QJsonObject sheet = readXlsx(path).value("sheets").toArray().first().toObject();
    const QJsonObject cells = sheet.value("cells").toObject();
    const auto value = [&](const QString& cell) { return cells.value(cell).toObject().value("value").toVariant(); };
    EXPECT_EQ(value("A1").toString(), "С П Р А В К А");
    EXPECT_EQ(value("B5").toString(), "Код области");
    EXPECT_EQ(value("P5").toString(), "Таб 9");
    const QVariantList row6{1, 56, 1, 1, 22, 2, 2026, "-", "-", "-", "-", "+", "-", "-", "-", "-"};
    const QVariantList row7{2, 56, 1, 2, 22, 2, 2026, "+", "-", "-", "-", "-", "-", "-", "-", "+"};
    const QString columns = QStringLiteral("ABCDEFGHIJKLMNOP");
    for (int c = 0; c < columns.size(); ++c) {
        SCOPED_TRACE(columns.at(c).toLatin1());
        EXPECT_EQ(value(columns.at(c) + QString("6")).toString(), row6.at(c).toString());
        EXPECT_EQ(value(columns.at(c) + QString("7")).toString(), row7.at(c).toString());
    }
    EXPECT_FALSE(cells.contains("A8"));
    EXPECT_FALSE(cells.contains("Q6"));
}

TEST_F(StatusReportTest, AnEmptyReportGivesTheHeadingsAlone) {
    const QJsonObject cells = readXlsx(saveXlsxToDoc(buildStatusWorkbook(statusReportRows(home.db())), home.path(),
                                                     QString::fromLatin1(kStatusWorkbookFile)))
                                  .value("sheets")
                                  .toArray()
                                  .first()
                                  .toObject()
                                  .value("cells")
                                  .toObject();
    EXPECT_TRUE(cells.contains("B5"));
    EXPECT_FALSE(cells.contains("A6"));
}

// Forty titles a page under the repeated heading rows, at a scale that fits a page's width and
// height on its sheet of paper.
TEST_F(StatusReportTest, ALongReportPrintsPagesOfFortyTitlesUnderTheHeading) {
    const struct {
        int titles;
        QJsonArray breaks;
    } cases[] = {{0, {}}, {40, {}}, {100, {45, 85}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.titles);
        TempProgramFolder folder;
        for (int farm = 1; farm <= c.titles; ++farm)
            storeFarmRow(folder.db(), 1 + farm % 9, FarmTitle{.khm = farm});
        if (c.titles > 0) {
            ASSERT_EQ(buildStatusReport(folder.db(), kRegion, "2026"), std::nullopt);
        }
        const Workbook book = buildStatusWorkbook(statusReportRows(folder.db()));
        EXPECT_EQ(sheetsOverflowingPaper(book), QStringList{});
        const QJsonObject sheet = readXlsx(saveXlsxToDoc(book, folder.path(), QString::fromLatin1(kStatusWorkbookFile)))
                                      .value("sheets")
                                      .toArray()
                                      .first()
                                      .toObject();
        EXPECT_EQ(sheet.value("rowBreaks").toArray(), c.breaks);
        EXPECT_EQ(sheet.value("printTitleRows").toString(), "$1:$5");
        EXPECT_FALSE(sheet.value("fitToPage").toBool());
        EXPECT_EQ(sheet.value("scale").toInt(), book.sheetAt(0).pageSetup().scale);
    }
}

} // namespace
