// Duration texts, remaining-time estimate, paused time and the progress throttle.

#include <gtest/gtest.h>

#include "core/search/progress/progress_throttle.h"
#include "core/search/progress/search_timing.h"
#include "core/text/sjis.h"

namespace vk {
namespace {

std::string shown(WallSeconds s) { return sjisToUtf8(formatDuration(s)); }

TEST(DurationFormat, SecondsMinutesAndHoursAppearOnlyWhenNeeded) {
    EXPECT_EQ(shown(0), "00秒");
    EXPECT_EQ(shown(5), "05秒");
    EXPECT_EQ(shown(59), "59秒");
    EXPECT_EQ(shown(60), "01分00秒");
    EXPECT_EQ(shown(75), "01分15秒");
    EXPECT_EQ(shown(3599), "59分59秒");
    EXPECT_EQ(shown(3600), "1時間00分00秒");
    EXPECT_EQ(shown(3605), "1時間00分05秒");
    EXPECT_EQ(shown(36000 + 61), "10時間01分01秒");
}

TEST(RemainingTime, ScalesElapsedByWhatIsLeftAndTruncates) {
    EXPECT_EQ(remainingSeconds(0.0f, 100), 0);    // nothing done yet
    EXPECT_EQ(remainingSeconds(50.0f, 30), 30);
    EXPECT_EQ(remainingSeconds(25.0f, 10), 30);
    EXPECT_EQ(remainingSeconds(75.0f, 10), 3);    // 3.33.. truncated
    EXPECT_EQ(remainingSeconds(100.0f, 40), 0);
    EXPECT_EQ(remainingSeconds(3.0f, 3), 97);
}

TEST(SearchTimer, PausesAreLeftOutOfElapsedAndRemainingTime) {
    SearchTimer timer;
    timer.start(1000);
    EXPECT_EQ(timer.elapsed(1010), 10);
    timer.pause(1010);
    timer.resume(1070);  // a 60 s pause
    EXPECT_EQ(timer.PausedSeconds(), 60);
    EXPECT_EQ(timer.elapsed(1080), 20);
    EXPECT_EQ(timer.remaining(50.0f, 1080), 20);
    timer.pause(1100);
    timer.resume(1105);
    EXPECT_EQ(timer.PausedSeconds(), 65);
    EXPECT_EQ(timer.elapsed(1105), 40);
}

TEST(SearchTimer, AStartForgetsThePreviousSearchsPauses) {
    SearchTimer timer;
    timer.start(0);
    timer.pause(5);
    timer.resume(50);
    timer.start(200);
    EXPECT_EQ(timer.StartTime(), 200);
    EXPECT_EQ(timer.PausedSeconds(), 0);
    EXPECT_EQ(timer.elapsed(230), 30);
}

TEST(ProgressThrottle, ShowsTheFirstReportThenOnePerInterval) {
    ProgressThrottle throttle(30);
    EXPECT_TRUE(throttle.admit(1000));
    EXPECT_FALSE(throttle.admit(1001));
    EXPECT_FALSE(throttle.admit(1029));
    EXPECT_TRUE(throttle.admit(1030));
    EXPECT_FALSE(throttle.admit(1040));
    EXPECT_TRUE(throttle.admit(2000));
    throttle.reset();
    EXPECT_TRUE(throttle.admit(2001));  // a new search shows its first report
}

}  // namespace
}  // namespace vk
