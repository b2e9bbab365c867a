#include "ScriptedDialogs.h"
#include "TempProgramFolder.h"
#include "desktop/SettingsDialog.h"
#include "domain/db/SqlError.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { dialogs = &ScriptedDialogs::installFresh(); }
    QStringList storedRows() {
        QStringList rows;
        for (const SqlRow& r : home.db().select("SELECT cobl, god FROM k1obl"))
            rows << r.text("cobl") + "/" + r.text("god");
        return rows;
    }
    TempProgramFolder home;
    ScriptedDialogs* dialogs = nullptr;
};

TEST_F(SettingsTest, SavingTwiceLeavesOneRow) {
    EXPECT_FALSE(saveProgramSettings(home.data(), "Оренбургская область", " 2025 "));
    EXPECT_FALSE(saveProgramSettings(home.data(), "Республика Калмыкия", "2026"));
    EXPECT_EQ(storedRows(), QStringList{"8/2026"});
    EXPECT_EQ(home.data().settings()->regionName, "Республика Калмыкия");
}

TEST_F(SettingsTest, RefusalsAndFailuresKeepTheOldRow) {
    ASSERT_FALSE(saveProgramSettings(home.data(), "Оренбургская область", "2025"));
    const struct {
        const char* region;
        const char* year;
        const char* says;
    } refused[] = {{"Атлантида", "2025", "Атлантида"},
                   {"Оренбургская область", "25", "четыре цифры"},
                   {"Оренбургская область", "2025г", "четыре цифры"},
                   {"", "2025", "Нужно выбрать оба параметра!"},
                   {"Оренбургская область", "", "Нужно выбрать оба параметра!"}};
    for (const auto& c : refused) {
        const auto refusal = saveProgramSettings(home.data(), c.region, c.year);
        ASSERT_TRUE(refusal.has_value()) << c.region << c.year;
        EXPECT_TRUE(refusal->contains(QString::fromUtf8(c.says))) << refusal->toStdString();
    }
    home.db().execute("CREATE TRIGGER boom BEFORE INSERT ON k1obl BEGIN SELECT RAISE(ABORT, 'boom'); END");
    EXPECT_THROW(saveProgramSettings(home.data(), "Республика Калмыкия", "2026"), SqlError);
    EXPECT_EQ(storedRows(), QStringList{"56/2025"});
}

TEST_F(SettingsTest, WindowShowsTheStoredChoiceAndSavesWithAMessage) {
    ASSERT_FALSE(saveProgramSettings(home.data(), "Оренбургская область", "2025"));
    SettingsDialog window(home.data());
    window.show();
    auto* region = window.findChild<QComboBox*>("cbChsReg");
    auto* year = window.findChild<QComboBox*>("cbChsYear");
    EXPECT_EQ(region->currentText(), "Оренбургская область");
    EXPECT_EQ(year->currentText(), "2025");
    EXPECT_EQ(year->currentIndex(), year->findText("2025"));
    EXPECT_GE(region->findText("Республика Калмыкия"), 0);

    region->setCurrentText("Республика Калмыкия");
    year->setCurrentText("2027");
    QTest::mouseClick(window.findChild<QPushButton*>("btnSave"), Qt::LeftButton);
    EXPECT_EQ(dialogs->messages, QStringList{"Новые параметры сохранены!"});
    EXPECT_EQ(storedRows(), QStringList{"8/2027"});
    EXPECT_EQ(window.windowTitle(), "Настройки программы");
}

// Without a settings row no region or year is put forward; Escape does not close the window.
TEST_F(SettingsTest, WithoutSettingsNothingIsChosenAndEscapeKeepsTheWindow) {
    SettingsDialog window(home.data());
    window.show();
    auto* region = window.findChild<QComboBox*>("cbChsReg");
    auto* year = window.findChild<QComboBox*>("cbChsYear");
    for (QComboBox* box : {region, year}) {
        EXPECT_EQ(box->currentIndex(), -1) << box->objectName().toStdString();
        EXPECT_EQ(box->currentText(), "") << box->objectName().toStdString();
    }
    QTest::keyClick(region, Qt::Key_Down);
    QTest::keyClick(region, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(window.findChild<QPushButton*>("btnSave"), Qt::LeftButton);
    EXPECT_EQ(dialogs->messages, QStringList{"Нужно выбрать оба параметра!"});
    EXPECT_TRUE(storedRows().isEmpty());
}

} // namespace
