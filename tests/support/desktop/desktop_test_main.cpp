#include "ScriptedDialogs.h"
#include "desktop/QtTranslations.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a QApplication (offscreen), Qt's Russian texts as the program has
// them, and the scripted dialog service.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installRussianQtTranslations();
    ::testing::InitGoogleTest(&argc, argv);
    ScriptedDialogs::installFresh();
    return RUN_ALL_TESTS();
}
