#include "ScriptedDialogs.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a QApplication (offscreen) and the scripted dialog service.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ScriptedDialogs::installFresh();
    return RUN_ALL_TESTS();
}
