#include <QCoreApplication>
#include <gtest/gtest.h>

// Domain tests need no display: a core application is all they get.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
