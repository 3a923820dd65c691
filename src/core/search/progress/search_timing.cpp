#include "core/search/progress/search_timing.h"

#include <cstdio>

#include "core/text/sjis.h"

namespace vk {

std::string formatDuration(WallSeconds seconds) {
    const long long hours = seconds / 3600;
    const long long rest = seconds % 3600;
    char part[32];
    std::string text;
    if (hours > 0) {
        std::snprintf(part, sizeof part, "%lld", hours);
        text += part + utf8ToSjis("時間");
    }
    if (hours > 0 || rest / 60 > 0) {
        std::snprintf(part, sizeof part, "%02lld", rest / 60);
        text += part + utf8ToSjis("分");
    }
    std::snprintf(part, sizeof part, "%02lld", rest % 60);
    text += part + utf8ToSjis("秒");
    return text;
}

WallSeconds remainingSeconds(float percent, WallSeconds elapsed) {
    if (!(percent > 0.0f)) return 0;
    return static_cast<WallSeconds>((100.0 - percent) * static_cast<double>(elapsed) / percent);
}

void SearchTimer::start(WallSeconds now) {
    startTime_ = now;
    pausedSeconds_ = 0;
    pauseStart_ = pauseEnd_ = now;
}

void SearchTimer::pause(WallSeconds now) { pauseStart_ = now; }

void SearchTimer::resume(WallSeconds now) {
    pauseEnd_ = now;
    pausedSeconds_ += pauseEnd_ - pauseStart_;
}

WallSeconds SearchTimer::elapsed(WallSeconds now) const { return now - startTime_ - pausedSeconds_; }

}  // namespace vk
