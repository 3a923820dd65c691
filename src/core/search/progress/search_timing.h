#pragma once
// Elapsed and remaining time of a search, in whole wall-clock seconds, with
// the time spent paused left out. The clock is passed in as "now" at every
// call, so the arithmetic is the same for the window and for tests.

#include <cstdint>
#include <string>

namespace vk {

using WallSeconds = std::int64_t;

// "1時間00分05秒", "01分15秒", "05秒" (Shift-JIS): hours only when there are
// any, minutes when there are hours or minutes, seconds always.
std::string formatDuration(WallSeconds seconds);

// (100 - percent) * elapsed / percent, truncated; 0 while nothing is done.
WallSeconds remainingSeconds(float percent, WallSeconds elapsed);

class SearchTimer {
public:
    // A search starts: the start time is now, nothing paused yet.
    void start(WallSeconds now);
    // "検索中断" / "検索再開": the pause between them is not counted.
    void pause(WallSeconds now);
    void resume(WallSeconds now);

    // now - StartTime - PausedSeconds.
    WallSeconds elapsed(WallSeconds now) const;
    WallSeconds remaining(float percent, WallSeconds now) const { return remainingSeconds(percent, elapsed(now)); }

    WallSeconds StartTime() const { return startTime_; }
    WallSeconds PausedSeconds() const { return pausedSeconds_; }

private:
    WallSeconds startTime_ = 0;
    WallSeconds pausedSeconds_ = 0;
    WallSeconds pauseStart_ = 0;
    WallSeconds pauseEnd_ = 0;
};

}  // namespace vk
