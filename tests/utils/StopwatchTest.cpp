#include "utils/Stopwatch.h"

#include "platform/Thread.h"

#include <gtest/gtest.h>

namespace {

TEST(Stopwatch, IsZeroUntilStarted) {
    Utils::Stopwatch watch;
    EXPECT_EQ(watch.Elapsed(), 0.0f);
    EXPECT_FALSE(watch.IsStarted());
}

TEST(Stopwatch, MeasuresSecondsSinceStart) {
    Utils::Stopwatch watch;
    watch.Start();
    platform::SleepMilliseconds(120);
    EXPECT_GE(watch.Elapsed(), 0.1f);
    EXPECT_LT(watch.Elapsed(), 30.0f);
}

TEST(Stopwatch, SurvivesTheTickCounterWrapping) {
    EXPECT_FLOAT_EQ(Utils::Stopwatch::SecondsBetween(0xFFFFFF00u, 0x100u), 0.512f);
    EXPECT_FLOAT_EQ(Utils::Stopwatch::SecondsBetween(1000u, 3500u), 2.5f);
}

}  // namespace
