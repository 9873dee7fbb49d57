#include "analytics/tracker/TrackLogger.h"

#include "platform/FileSystem.h"
#include "support/TestFiles.h"

#include <gmock/gmock.h>

namespace {

using corvel::tracking::NativeTrackLogger;
using testing::ElementsAre;

TEST(TrackLogger, OpeningCreatesTheFileEmpty) {
    testsupport::TempFolder folder;
    NativeTrackLogger logger;
    ASSERT_TRUE(logger.Open(folder / L"app_CVSLog.txt"));
    EXPECT_TRUE(platform::PathExists(folder / L"app_CVSLog.txt"));
    EXPECT_TRUE(logger.ReadEntries().empty());
}

TEST(TrackLogger, KeepsEntriesAcrossReopeningTheSamePath) {
    testsupport::TempFolder folder;
    NativeTrackLogger logger;
    ASSERT_TRUE(logger.Open(folder / L"log.txt"));
    logger.Write("CvEventTask");
    ASSERT_TRUE(logger.Open(folder / L"log.txt"));
    logger.Write("CvEventClick");
    EXPECT_THAT(logger.ReadEntries(), ElementsAre("CvEventTask", "CvEventClick"));
    logger.Clear();
    EXPECT_TRUE(logger.ReadEntries().empty());
    logger.Write("after");
    EXPECT_THAT(logger.ReadEntries(), ElementsAre("after"));
}

TEST(TrackLogger, ExistingFileIsAppendedToAndAnotherPathSwitches) {
    testsupport::TempFolder folder;
    testsupport::WriteTestFile(folder / L"old.txt", "earlier\n");
    NativeTrackLogger logger;
    ASSERT_TRUE(logger.Open(folder / L"old.txt"));
    logger.Write("now");
    EXPECT_THAT(logger.ReadEntries(), ElementsAre("earlier", "now"));
    ASSERT_TRUE(logger.Open(folder / L"new.txt"));
    logger.Write("fresh");
    EXPECT_THAT(logger.ReadEntries(), ElementsAre("fresh"));
    EXPECT_FALSE(logger.Open(folder / L"missing/x.txt"));
}

}  // namespace
