#include "cli/progress_line.h"

#include <algorithm>
#include <cstdio>

namespace vk::cli {

namespace {
constexpr int kBarCells = 30;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
}  // namespace

std::string clockText(long long seconds) {
    if (seconds < 0) seconds = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::string progressText(const SearchProgress& p, double elapsedSeconds) {
    const double percent = p.Progress < 0 ? 0.0 : (p.Progress > 100 ? 100.0 : p.Progress);
    const int filled = static_cast<int>(percent * kBarCells / 100.0);
    const double remaining = percent > 0 ? (100.0 - percent) * elapsedSeconds / percent : 0.0;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarCells, '.');
    char text[160];
    std::snprintf(text, sizeof text, "[%s] %zu hits  %5.1f%%  remaining %s", bar.c_str(), p.hits, percent,
                  clockText(static_cast<long long>(remaining)).c_str());
    return text;
}

void ProgressLine::update(const SearchProgress& p, Clock::time_point now) {
    if (drawn_ && now - lastDraw_ < kRedrawInterval) return;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    std::string text = progressText(p, elapsed);
    const std::size_t length = text.size();
    if (length < width_) text.append(width_ - length, ' ');  // cover a longer previous line
    err_ << '\r' << text << std::flush;
    width_ = std::max(width_, length);
    lastDraw_ = now;
    drawn_ = true;
}

void ProgressLine::clear() {
    if (!drawn_) return;
    err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    drawn_ = false;
}

}  // namespace vk::cli
