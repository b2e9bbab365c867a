#include "domain/db/ProgramFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(ProgramFolderTest, HomeArgumentThenEnvironmentThenExecutableFolder) {
    qputenv("STAVOR_HOME", "/tmp/from-env");
    EXPECT_EQ(resolveProgramFolder("/tmp/from-arg", "/usr/bin"), "/tmp/from-arg");
    EXPECT_EQ(resolveProgramFolder("", "/usr/bin"), "/tmp/from-env");
    qunsetenv("STAVOR_HOME");
    EXPECT_EQ(resolveProgramFolder("", QDir::tempPath()), QDir::tempPath());
}

} // namespace
