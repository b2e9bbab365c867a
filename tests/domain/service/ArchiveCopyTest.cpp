#include "DatabaseContents.h"
#include "FarmRows.h"
#include "TempProgramFolder.h"
#include "domain/db/ProgramFolder.h"
#include "domain/service/ArchiveCopy.h"
#include "domain/service/ServiceError.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2026, 3, 5), QTime(7, 9, 4));

TEST(ArchiveNamesTest, StampsAreDayMonthYearHourMinuteAndSecondsWhenAsked) {
    const struct {
        StampPrecision precision;
        int attempt;
        const char* name;
    } cases[] = {{StampPrecision::Minutes, 1, "stavor0503260709.mdb"},
                 {StampPrecision::Minutes, 2, "stavor0503260709_2.mdb"},
                 {StampPrecision::Seconds, 1, "stavor050326070904.mdb"}};
    for (const auto& c : cases)
        EXPECT_EQ(archiveFileName("/home/x", kWhen, c.precision, c.attempt),
                  QDir(ProgramPaths::archive("/home/x")).filePath(c.name));
}

TEST(ArchiveCopyTest, TwoCopiesWithinOneMinuteAreBothKeptWithTheirData) {
    TempProgramFolder home;
    storeFarmRow(home.db(), 1, FarmTitle{});
    const QString first = makeArchiveCopy(home.data(), kWhen);
    storeFarmRow(home.db(), 2, FarmTitle{});
    const QString second = makeArchiveCopy(home.data(), kWhen.addSecs(30));

    EXPECT_EQ(archiveFiles(home.path()), (QStringList{"stavor0503260709.mdb", "stavor0503260709_2.mdb"}));
    EXPECT_EQ(archiveCopyMessage(first), "Создана копия БД   " + QDir::toNativeSeparators(first));
    EXPECT_EQ(contentsOfFile(first).value("tmjs1").size(), 1);
    EXPECT_TRUE(contentsOfFile(first).value("tmjs2").isEmpty());
    EXPECT_EQ(contentsOfFile(second), contentsOf(home.db())) << "the copy holds the whole open database";
}

TEST(ArchiveCopyTest, AFailedCopyIsToldAndLeavesNothingBehind) {
    TempProgramFolder home;
    ASSERT_TRUE(QDir(ProgramPaths::archive(home.path())).removeRecursively());
    QFile blocker(ProgramPaths::archive(home.path()));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)) << "a file where the arch folder belongs";
    blocker.close();
    try {
        makeArchiveCopy(home.data(), kWhen);
        FAIL() << "no copy can be made";
    } catch (const ServiceError& e) {
        EXPECT_TRUE(e.text().startsWith("Не удалось создать копию БД, возможно БД занята, освободите и попробуйте еще раз! ("))
            << e.text().toStdString();
        EXPECT_TRUE(e.text().contains("stavor.mdb")) << e.text().toStdString();
    }
    EXPECT_EQ(QDir(home.path()).entryList({"*.mdb*", ".stavor*"}, QDir::Files | QDir::Hidden),
              (QStringList{"stavor.mdb", "stavorblank.mdb"}));
}

} // namespace
