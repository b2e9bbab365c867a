#include "XlsxReadBack.h"
#include "domain/spreadsheet/SpreadsheetError.h"
#include "domain/spreadsheet/Workbook.h"
#include "desktop/WorkbookViewer.h"
#include "domain/spreadsheet/XlsxWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QJsonObject cellOf(const QJsonObject& sheet, const char* coordinate) {
    return sheet.value(QStringLiteral("cells")).toObject().value(QLatin1String(coordinate)).toObject();
}

QString textOf(const QJsonObject& sheet, const char* coordinate) {
    return cellOf(sheet, coordinate).value(QStringLiteral("value")).toString();
}

QStringList namesOf(const QJsonObject& book) {
    QStringList names;
    for (const QJsonValue& sheet : book.value(QStringLiteral("sheets")).toArray())
        names << sheet.toObject().value(QStringLiteral("name")).toString();
    return names;
}

QJsonArray thinBox() {
    return {QStringLiteral("thin"), QStringLiteral("thin"), QStringLiteral("thin"), QStringLiteral("thin")};
}

// A paper-form heading in rows 1 to 3, one block of values, the heading repeated on page 2.
Workbook totalsLikeBook() {
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("табл1"));
    CellFormat heading;
    heading.bold = true;
    heading.fontSize = 12;
    heading.horizontal = HorizontalAlignment::Center;
    sheet.setFormat(CellRange({1, 1}, {1, 10}), heading);
    sheet.merge(CellRange({1, 1}, {1, 10}));
    sheet.setValue({1, 1}, QStringLiteral("Состав стада по породам и классам"));
    sheet.setValue({2, 2}, QStringLiteral("Оренбургская область"));
    sheet.setValue({2, 10}, 1);
    sheet.setBorders(CellRange({3, 1}, {3, 10}), BorderStyle::Thin);
    sheet.setValues({14, 4}, {{120, QString(), 452.5}, {QStringLiteral("75,5")}});
    sheet.setValue({20, 2}, QStringLiteral("ПЛЕМЕННЫЕ ХОЗЯЙСТВА"));
    sheet.setFontSize(CellRange({20, 2}), 8);
    sheet.changeFormat(CellRange({14, 6}), [](CellFormat& f) { f.numberFormat = QStringLiteral("0.0"); });
    sheet.setColumnWidth(3, 30);
    sheet.setRowHeight(1, 24);
    sheet.copyBlock(CellRange({1, 1}, {3, 10}), {71, 1});
    sheet.setValue({72, 10}, 2);
    sheet.setValue({150, 3}, QStringLiteral("ИТОГО"));
    PageSetup& setup = sheet.pageSetup();
    setup.orientation = PageOrientation::Landscape;
    setup.margins = {2.54, 1.27, 1.27, 1.27};
    setup.rowsPerPage = 70;
    book.addSheet(QStringLiteral("табл2")).pageSetup().fitToWidth = true;
    return book;
}

class XlsxFile : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("outstavor.xlsx")) const { return dir.filePath(name); }
    // Saving must fail with text; whatever it says names the file.
    void expectFailure(const Workbook& book, const QString& target, const QString& reason) {
        try {
            saveXlsx(book, target);
            FAIL() << "no error";
        } catch (const SpreadsheetError& e) {
            EXPECT_TRUE(e.text().startsWith(
                QStringLiteral("Не удалось сохранить книгу «%1»").arg(QDir::toNativeSeparators(target))))
                << e.what();
            EXPECT_TRUE(e.text().contains(reason)) << e.what();
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".outstavor")),
                  QStringList());
    }
    QTemporaryDir dir;
};

TEST_F(XlsxFile, SheetsKeepCyrillicNamesTextsAndNumbers) {
    saveXlsx(totalsLikeBook(), path());
    const QJsonObject book = readXlsx(path());
    EXPECT_EQ(namesOf(book), (QStringList{QStringLiteral("табл1"), QStringLiteral("табл2")}));
    const QJsonObject sheet = sheetOf(book, QStringLiteral("табл1"));
    EXPECT_EQ(textOf(sheet, "B2"), QStringLiteral("Оренбургская область"));
    EXPECT_EQ(cellOf(sheet, "J2").value(QStringLiteral("type")).toString(), QStringLiteral("n"));
    EXPECT_EQ(cellOf(sheet, "D14").value(QStringLiteral("value")).toDouble(), 120);
    EXPECT_FALSE(sheet.value(QStringLiteral("cells")).toObject().contains(QStringLiteral("E14")));
    EXPECT_EQ(cellOf(sheet, "F14").value(QStringLiteral("value")).toDouble(), 452.5);
    EXPECT_EQ(cellOf(sheet, "F14").value(QStringLiteral("numberFormat")).toString(), QStringLiteral("0.0"));
    EXPECT_EQ(textOf(sheet, "D15"), QStringLiteral("75,5"));
    EXPECT_EQ(cellOf(sheet, "B20").value(QStringLiteral("fontSize")).toDouble(), 8);
    EXPECT_EQ(cellOf(sheet, "B2").value(QStringLiteral("fontSize")).toDouble(), 11);
}

TEST_F(XlsxFile, CopiedHeadingKeepsItsFormatsAndMerge) {
    saveXlsx(totalsLikeBook(), path());
    const QJsonObject sheet = sheetOf(readXlsx(path()), QStringLiteral("табл1"));
    for (const char* coordinate : {"A1", "A71"}) {
        const QJsonObject cell = cellOf(sheet, coordinate);
        EXPECT_EQ(cell.value(QStringLiteral("value")).toString(), QStringLiteral("Состав стада по породам и классам"));
        EXPECT_TRUE(cell.value(QStringLiteral("bold")).toBool()) << coordinate;
        EXPECT_EQ(cell.value(QStringLiteral("fontSize")).toDouble(), 12) << coordinate;
        EXPECT_EQ(cell.value(QStringLiteral("horizontal")).toString(), QStringLiteral("center")) << coordinate;
    }
    EXPECT_EQ(cellOf(sheet, "J72").value(QStringLiteral("value")).toDouble(), 2);
    EXPECT_EQ(cellOf(sheet, "E73").value(QStringLiteral("border")).toArray(), thinBox());
    EXPECT_EQ(cellOf(sheet, "E3").value(QStringLiteral("border")).toArray(), thinBox());
    EXPECT_EQ(sheet.value(QStringLiteral("merged")).toArray(),
              (QJsonArray{QStringLiteral("A1:J1"), QStringLiteral("A71:J71")}));
    const QJsonObject heights = sheet.value(QStringLiteral("rowHeights")).toObject();
    EXPECT_EQ(heights.value(QStringLiteral("71")).toDouble(), 24);
    // The file keeps a width with the spreadsheet's padding added: 30 characters are 30.71.
    EXPECT_NEAR(sheet.value(QStringLiteral("columnWidths")).toObject().value(QStringLiteral("C")).toDouble(), 30.71,
                0.01);
}

TEST_F(XlsxFile, PrintSetupAndPageBreaksReachTheFile) {
    saveXlsx(totalsLikeBook(), path());
    const QJsonObject book = readXlsx(path());
    const QJsonObject paged = sheetOf(book, QStringLiteral("табл1"));
    EXPECT_EQ(paged.value(QStringLiteral("rowBreaks")).toArray(), (QJsonArray{70, 140}));
    EXPECT_EQ(paged.value(QStringLiteral("orientation")).toString(), QStringLiteral("landscape"));
    EXPECT_EQ(paged.value(QStringLiteral("paperSize")).toInt(), 9);
    EXPECT_FALSE(paged.value(QStringLiteral("fitToPage")).toBool());
    EXPECT_EQ(paged.value(QStringLiteral("margins")).toArray(), (QJsonArray{1.0, 0.5, 0.5, 0.5}));
    const QJsonObject fitted = sheetOf(book, QStringLiteral("табл2"));
    EXPECT_TRUE(fitted.value(QStringLiteral("fitToPage")).toBool());
    EXPECT_EQ(fitted.value(QStringLiteral("fitToWidth")).toInt(), 1);
    EXPECT_EQ(fitted.value(QStringLiteral("fitToHeight")).toInt(), 0);
    EXPECT_EQ(fitted.value(QStringLiteral("rowBreaks")).toArray(), QJsonArray());
}

// Fitted whole onto one page, the programs fit its height too; the heading rows repeat on a page.
TEST_F(XlsxFile, OnePageFitAndRepeatedHeadingReachTheFile) {
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("table1"));
    sheet.setValue({90, 12}, 1);
    sheet.pageSetup().fitToWidth = true;
    sheet.pageSetup().onePage = true;
    sheet.pageSetup().repeatedRows = 2;
    saveXlsx(book, path());
    const QJsonObject written = sheetOf(readXlsx(path()), QStringLiteral("table1"));
    EXPECT_TRUE(written.value(QStringLiteral("fitToPage")).toBool());
    EXPECT_EQ(written.value(QStringLiteral("fitToWidth")).toInt(), 1);
    EXPECT_EQ(written.value(QStringLiteral("fitToHeight")).toInt(), 1);
    EXPECT_EQ(written.value(QStringLiteral("printTitleRows")).toString(), QStringLiteral("$1:$2"));
}

TEST_F(XlsxFile, PrintAreaReachesTheFile) {
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("Справка"));
    sheet.setValue({6, 16}, QStringLiteral("+"));
    sheet.pageSetup().printArea = CellRange({1, 1}, {6, 16});
    saveXlsx(book, path());
    EXPECT_TRUE(sheetOf(readXlsx(path()), QStringLiteral("Справка"))
                    .value(QStringLiteral("printArea"))
                    .toString()
                    .endsWith(QStringLiteral("$A$1:$P$6")));
}

TEST_F(XlsxFile, SavingReplacesAnEarlierFile) {
    Workbook first;
    first.addSheet(QStringLiteral("table1"));
    saveXlsx(first, path());
    saveXlsx(totalsLikeBook(), path());
    EXPECT_EQ(namesOf(readXlsx(path())).first(), QStringLiteral("табл1"));
}

TEST_F(XlsxFile, MissingFolderIsReportedInRussian) {
    const QString target = dir.filePath(QStringLiteral("нет/outstavor.xlsx"));
    expectFailure(totalsLikeBook(), target, QStringLiteral("папки"));
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(XlsxFile, FailedWriteLeavesTheEarlierFileWhole) {
    saveXlsx(totalsLikeBook(), path());
    Workbook tooLong;
    tooLong.addSheet(QStringLiteral("табл1")).setValue({1, 1}, QString(40000, u'ж'));
    expectFailure(tooLong, path(), QStringLiteral("ошибка записи"));
    EXPECT_EQ(namesOf(readXlsx(path())).size(), 2);
}

// The rename step fails (a folder stands in the target's place): told with the system's reason,
// and the temporary file is gone.
TEST_F(XlsxFile, TargetThatCannotBeReplacedIsReported) {
    QDir(dir.path()).mkpath(QStringLiteral("outstavor.xlsx/inside"));
    expectFailure(totalsLikeBook(), path(), QStringLiteral("защищён от записи ("));
}

// A run killed while writing leaves its temporary file; the next write of the same file removes
// it, and leaves other files alone.
TEST_F(XlsxFile, LeftoversOfAKilledWriteAreRemovedByTheNextOne) {
    const QStringList leftovers{".outstavor.xlsx.Ab12Cd", ".outstavor.xlsx.zzzzzz"};
    const QStringList others{".stavor.xlsx.Ab12Cd", "outstavor.xlsx.Ab12Cd"};
    for (const QString& name : leftovers + others) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("PK");
    }
    saveXlsx(totalsLikeBook(), path());
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFile::exists(path(name))) << name.toStdString();
    for (const QString& name : others)
        EXPECT_TRUE(QFile::exists(path(name))) << name.toStdString();
}

TEST_F(XlsxFile, DocFolderHelperSavesIntoDoc) {
    Workbook book;
    book.addSheet(QStringLiteral("table1")).setValue({2, 2}, 56);
    const QString saved = saveXlsxToDoc(book, dir.path(), QStringLiteral("stavor.xlsx"));
    EXPECT_EQ(saved, QDir(dir.filePath(QStringLiteral("doc"))).filePath(QStringLiteral("stavor.xlsx")));
    EXPECT_EQ(cellOf(sheetOf(readXlsx(saved), QStringLiteral("table1")), "B2").value(QStringLiteral("value")).toDouble(),
              56);
}

} // namespace
