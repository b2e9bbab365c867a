#pragma once

#include "ScriptedDialogs.h"
#include "TempProgramFolder.h"
#include "desktop/Session.h"
#include "desktop/entry/EntryWindow.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

// The entry window opened for one demo farm's title: district 1, farm 2, category 21, breed 3.
class EntryWindowFixture : public ::testing::Test {
protected:
    static TitleNames demoNames() {
        return {"Адамовский", "ООО Степное", "Племенные заводы", "Герефордская"};
    }

    void SetUp() override;
    void TearDown() override;
    // Resolves the demo title and shows the window, active so that the focus moves.
    void open();

    template <class T> T* child(const QString& name) const {
        T* c = window->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QLineEdit* field(const QString& cell) const { return child<QLineEdit>("me" + cell); }
    QTabWidget* pages() const { return child<QTabWidget>("PageControl1"); }
    void click(const QString& button) const;
    void showTable(int table) const;
    SqlResult rows(const QString& dataTable) { return home.db().select("SELECT * FROM " + dataTable); }

    TempProgramFolder home;
    Session session;
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<EntryWindow> window;
};
