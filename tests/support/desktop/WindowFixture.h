#pragma once

#include "ScriptedDialogs.h"
#include "TempProgramFolder.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// Windows tested through their widgets: a program folder with the demo farms, a fresh scripted
// dialog service, and controls found by their object names.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs = &ScriptedDialogs::installFresh();
        home.addDemoFarms();
    }

    template <class T> T* child(QWidget& w, const char* name) {
        T* c = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void click(QWidget& w, const char* name) { QTest::mouseClick(child<QWidget>(w, name), Qt::LeftButton); }

    TempProgramFolder home;
    ScriptedDialogs* dialogs = nullptr;
};
