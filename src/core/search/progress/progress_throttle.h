#pragma once
// Lets through at most one progress display per interval: a search reports
// every Body position, which can be tens of thousands of times, and each
// display stops the search until the window has drawn it. The end of the
// search always shows the final counts, so a skipped last report loses
// nothing.

#include <cstdint>

namespace vk {

class ProgressThrottle {
public:
    explicit ProgressThrottle(std::int64_t intervalMs) : intervalMs_(intervalMs) {}

    // Forget the last display (a search starts): the next report shows.
    void reset() { shown_ = false; }

    // True when the report at `nowMs` (a steady clock) is to be shown; it then
    // counts as the last display.
    bool admit(std::int64_t nowMs) {
        if (shown_ && nowMs - lastMs_ < intervalMs_) return false;
        shown_ = true;
        lastMs_ = nowMs;
        return true;
    }

private:
    std::int64_t intervalMs_;
    std::int64_t lastMs_ = 0;
    bool shown_ = false;
};

}  // namespace vk
