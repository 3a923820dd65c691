#include <algorithm>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/progress_line.h"

namespace {

using vk::SearchProgress;
using vk::cli::ProgressLine;
using namespace std::chrono_literals;

SearchProgress at(float percent, std::size_t hits) {
    SearchProgress p;
    p.Progress = percent;
    p.hits = hits;
    return p;
}

TEST(ProgressLine, TextShowsBarHitsPercentAndRemainingTime) {
    // 25 % done after 60 s: 180 s remain.
    EXPECT_EQ(vk::cli::progressText(at(25.0f, 1234), 60.0),
              "[#######.......................] 1234 hits   25.0%  remaining 0:03:00");
    // Nothing done yet: no estimate.
    EXPECT_EQ(vk::cli::progressText(at(0.0f, 0), 5.0),
              "[..............................] 0 hits    0.0%  remaining 0:00:00");
    EXPECT_EQ(vk::cli::progressText(at(100.0f, 7), 9.0),
              "[##############################] 7 hits  100.0%  remaining 0:00:00");
}

TEST(ProgressLine, ClockTextCarriesHoursAndMinutes) {
    EXPECT_EQ(vk::cli::clockText(5), "0:00:05");
    EXPECT_EQ(vk::cli::clockText(75), "0:01:15");
    EXPECT_EQ(vk::cli::clockText(3605), "1:00:05");
    EXPECT_EQ(vk::cli::clockText(-3), "0:00:00");
}

TEST(ProgressLine, RedrawsAtMostTenTimesASecondAndClearsItself) {
    std::ostringstream err;
    const auto t0 = ProgressLine::Clock::time_point{} + 1h;
    ProgressLine line(err, t0);
    line.update(at(10.0f, 1), t0 + 1s);
    line.update(at(11.0f, 2), t0 + 1s + 50ms);   // too soon: skipped
    line.update(at(12.0f, 3), t0 + 1s + 100ms);  // drawn
    const std::string drawn = err.str();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), '\r'), 2);
    EXPECT_EQ(drawn.find("2 hits"), std::string::npos);
    EXPECT_NE(drawn.find("3 hits"), std::string::npos);
    EXPECT_EQ(drawn.find('\n'), std::string::npos);

    line.clear();
    const std::string cleared = err.str().substr(drawn.size());
    EXPECT_EQ(cleared.front(), '\r');
    EXPECT_EQ(cleared.back(), '\r');
    EXPECT_EQ(cleared.find_first_not_of(" \r"), std::string::npos);

    std::ostringstream quiet;
    ProgressLine unused(quiet, t0);
    unused.clear();  // never drawn: nothing to blank
    EXPECT_TRUE(quiet.str().empty());
}

}  // namespace
