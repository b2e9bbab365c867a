#include "FarmForms.h"
#include "SourceFiles.h"
#include "TempProgramFolder.h"
#include "XlsxReadBack.h"
#include "domain/db/Schema.h"
#include "domain/farmworkbook/FarmWorkbook.h"
#include "domain/farmworkbook/FarmWorkbookImport.h"
#include "domain/tables/TableRules.h"

#include <QDir>

#include <QFile>
#include <gtest/gtest.h>

namespace {

const TableTitle kTitle{"56", "1", "2", "21", "3", "2026"};

class FarmWorkbookImportTest : public ::testing::Test {
protected:
    FarmWorkbookImportTest() { home.addDemoFarms(); }

    // The blank form of the title, filled by another program and copied to `name`.
    QString filledForm(const QJsonObject& cells, const QString& name = "farm.xlsx") {
        const QString path = home.file(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(exportFarmWorkbook(home.db(), home.path(), kTitle, FarmWorkbookContent::Blank), path));
        fillXlsx(path, cells);
        return path;
    }
    // Every stored row of the nine tables, title and values, send and datesend left out.
    QStringList storedRows() {
        QStringList rows;
        for (int t = 1; t <= Schema::kReportTableCount; ++t) {
            const QString columns = (Schema::dataColumns(t) + Schema::titleColumns()).join(u',');
            for (const SqlRow& row : home.db().select("SELECT " + columns + " FROM " + Schema::dataTable(t))) {
                QStringList values;
                for (int i = 0; i < row.fieldCount(); ++i)
                    values << row.text(i);
                rows << QString::number(t) + ":" + values.join(u' ');
            }
        }
        return rows;
    }
    void clearTables() {
        for (int t = 1; t <= Schema::kReportTableCount; ++t)
            home.db().execute("DELETE FROM " + Schema::dataTable(t));
    }
    static QStringList stateOf(const FarmFileImport& file) {
        QStringList pages;
        for (const FarmPageImport& p : file.pages)
            pages << QString::number(p.table) + (p.stored ? "+" : "-");
        return pages;
    }

    TempProgramFolder home;
};

// The filled form with one cell of Table 1's sheet changed.
QJsonObject withTable1Cell(const char* cell, const QJsonValue& value) {
    QJsonObject cells = formCells(filledFormValues());
    QJsonObject table1 = cells["table1"].toObject();
    table1[cell] = value;
    cells["table1"] = table1;
    return cells;
}

const QStringList kAllStored{"1+", "2+", "3+", "4+", "5+", "6+", "7+", "8+", "9+"};

TEST_F(FarmWorkbookImportTest, TheExportedWorkbookImportsToTheSameRows) {
    const FarmFileImport typed = importFarmWorkbook(home.db(), filledForm(formCells(filledFormValues())));
    ASSERT_EQ(stateOf(typed), kAllStored) << farmImportReport({typed}).join('\n').toStdString();
    // Table 9's cross-table warnings are told with the page and store it all the same.
    EXPECT_TRUE(farmImportReport({typed}).at(9).startsWith("  Таблица 9: сохранена; предупреждения: "));
    const QStringList stored = storedRows();
    EXPECT_EQ(home.db().select("SELECT TM331, TM339, TM340 FROM tmjs3").first().text(2), "461"); // recomputed: 7380 / 16
    EXPECT_EQ(home.db().select("SELECT TM565 FROM tmjs5").first().real("TM565"), 74.1);

    const QString exported = exportFarmWorkbook(home.db(), home.path(), kTitle, FarmWorkbookContent::Stored);
    clearTables();
    const FarmFileImport inserted = importFarmWorkbook(home.db(), exported);
    EXPECT_EQ(stateOf(inserted), kAllStored) << farmImportReport({inserted}).join('\n').toStdString();
    EXPECT_EQ(storedRows(), stored);
    home.db().execute("UPDATE tmjs2 SET send=1");
    const FarmFileImport updated = importFarmWorkbook(home.db(), exported);
    EXPECT_EQ(stateOf(updated), kAllStored);
    EXPECT_EQ(storedRows(), stored);
    EXPECT_EQ(home.db().select("SELECT send FROM tmjs2").first().text(0), "0");
    EXPECT_EQ(farmImportExitCode({inserted, updated}), 0);
}

TEST_F(FarmWorkbookImportTest, ABrokenControlSumRefusesOnlyItsPage) {
    QMap<QString, QVariant> values = filledFormValues();
    values["TM335"] = 10;
    const FarmFileImport file = importFarmWorkbook(home.db(), filledForm(formCells(values)));
    EXPECT_EQ(stateOf(file), QStringList({"1+", "2+", "3-", "4+", "5+", "6+", "7+", "8+", "9+"}));
    const QStringList report = farmImportReport({file});
    EXPECT_TRUE(report.contains("  Таблица 3: не сохранена: " + rowSumMessage(4) + " " + columnSumMessage(5)))
        << report.join('\n').toStdString();
    EXPECT_TRUE(report.contains("  Таблица 2: сохранена"));
    EXPECT_EQ(report.last().toStdString(), "Итого: файлов 1, таблиц сохранено 8, не сохранено 1.");
    EXPECT_TRUE(home.db().select("SELECT * FROM tmjs3").isEmpty());
    EXPECT_EQ(farmImportExitCode({file}), 3);
}

TEST_F(FarmWorkbookImportTest, AValueTheFieldWouldNotTakeNamesItsCell) {
    const struct {
        const char* cell;
        QJsonValue value;
        const char* message;
    } cases[] = {
        {"D11", "десять", "лист «table1», ячейка D11 (графа «Всего пробонитировано, гол.»): значение «десять» не "
                          "подходит, нужно целое число не больше 6 цифр."},
        {"E11", -3, "лист «table1», ячейка E11 (графа «ч/п и 4 поколения»): значение «-3» не подходит, нужно целое "
                    "число не больше 6 цифр."},
        {"F11", 2.5, "лист «table1», ячейка F11 (графа «3 поколения»): значение «2,5» не подходит, нужно целое число "
                     "не больше 5 цифр."},
        {"D11", 1234567, "лист «table1», ячейка D11 (графа «Всего пробонитировано, гол.»): значение «1234567» не "
                         "подходит, нужно целое число не больше 6 цифр."},
    };
    for (const auto& c : cases) {
        const FarmFileImport file = importFarmWorkbook(home.db(), filledForm(withTable1Cell(c.cell, c.value)));
        ASSERT_FALSE(file.pages.isEmpty());
        EXPECT_FALSE(file.pages.first().stored) << c.cell;
        EXPECT_EQ(file.pages.first().messages.join('\n').toStdString(), c.message);
        EXPECT_TRUE(file.pages.at(1).stored);
    }
}

TEST_F(FarmWorkbookImportTest, DecimalPointsCommasAndBlanksAreTakenAsThePageTakesThem) {
    QMap<QString, QVariant> values = filledFormValues();
    values["TM513"] = 70;      // a number where the score has no tenth
    values["TM526"] = "75.5";  // a point instead of the comma
    values["TM502"] = " ";     // a blank cell of spaces
    const FarmFileImport file = importFarmWorkbook(home.db(), filledForm(formCells(values)));
    EXPECT_EQ(stateOf(file), kAllStored) << farmImportReport({file}).join('\n').toStdString();
    EXPECT_EQ(home.db().select("SELECT TM526 FROM tmjs5").first().real("TM526"), 75.5);
}

TEST_F(FarmWorkbookImportTest, AnUnknownTitleRefusesTheWholeFile) {
    const struct {
        const char* cell;
        QJsonValue value;
        const char* error;
    } cases[] = {
        {"B2", 999, "лист «table1», ячейка B2: региона с кодом 999 нет в справочнике регионов."},
        {"F2", 9, "лист «table1», ячейка F2: хозяйства с кодом 9 нет в районе 1 региона 56."},
        {"J2", QJsonValue(), "лист «table1», ячейка J2: не заполнен код породы."},
        {"G4", 26, "лист «table1», ячейка G4: год «26» задан неверно: нужны четыре цифры."},
    };
    for (const auto& c : cases) {
        const QString path = filledForm(withTable1Cell(c.cell, c.value));
        const FarmFileImport file = importFarmWorkbook(home.db(), path);
        EXPECT_EQ(file.outcome, FarmFileOutcome::Refused);
        EXPECT_EQ(file.error.toStdString(), c.error);
        EXPECT_TRUE(storedRows().isEmpty());
        EXPECT_EQ(farmImportReport({file}).first(),
                  "Файл «" + QDir::toNativeSeparators(path) + "»: не принят: " + QString::fromUtf8(c.error));
        EXPECT_EQ(farmImportExitCode({file}), 3);
    }
}

TEST_F(FarmWorkbookImportTest, AFileThatIsNoWorkbookIsAnError) {
    const QString path = writeFileBytes(home.file("farm.xlsx"), "not a zip");
    const FarmFileImport read = importFarmWorkbook(home.db(), path);
    EXPECT_EQ(read.outcome, FarmFileOutcome::Failed);
    EXPECT_TRUE(read.error.contains(path)) << read.error.toStdString();
    EXPECT_EQ(farmImportExitCode({read}), 1);
}

} // namespace
