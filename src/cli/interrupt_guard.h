#pragma once
// Ctrl+C during a search clears its Running flag, as the window's stop
// button does; a second Ctrl+C ends the program.

#include "core/search/engine/search_control.h"

namespace vk::cli {

// Installs the handler for the lifetime of one search (or one run of
// searches sharing `control`) and restores the previous one after it.
class InterruptGuard {
public:
    explicit InterruptGuard(SearchControl& control);
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
    bool interrupted() const;

private:
    void (*previous_)(int) = nullptr;
};

}  // namespace vk::cli
