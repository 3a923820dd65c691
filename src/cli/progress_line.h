#pragma once
// The one-line progress display of a search on a terminal: a bar, the hits,
// the percent done and the estimated remaining time, redrawn in place with
// '\r' at most about ten times a second.

#include <chrono>
#include <ostream>
#include <string>

#include "core/search/engine/engine.h"

namespace vk::cli {

// The line's text, without '\r': remaining = (100 − percent) × elapsed ÷
// percent, 0 while nothing is done yet.
std::string progressText(const SearchProgress& p, double elapsedSeconds);

// "h:mm:ss" for whole seconds.
std::string clockText(long long seconds);

class ProgressLine {
public:
    using Clock = std::chrono::steady_clock;

    ProgressLine(std::ostream& err, Clock::time_point start) : err_(err), start_(start) {}

    // Redraws unless the last redraw was under 100 ms ago.
    void update(const SearchProgress& p, Clock::time_point now);

    // Blanks the line so that the next output starts on a clean line.
    void clear();

private:
    std::ostream& err_;
    Clock::time_point start_;
    Clock::time_point lastDraw_{};
    bool drawn_ = false;
    std::size_t width_ = 0;
};

}  // namespace vk::cli
