#pragma once
// The stop and pause flags of a running search. The front end writes them; the
// engines poll them once per combination and once per decoration-fitting attempt.

#include <atomic>
#include <chrono>
#include <thread>

namespace vk {

struct SearchControl {
    std::atomic<bool> Running{false};
    std::atomic<bool> Suspended{false};

    // Sleeps in 100 ms steps while the search is paused and not stopped.
    // Returns true when the search has been stopped.
    bool waitWhileSuspended() {
        while (Running && Suspended) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return !Running;
    }
};

}  // namespace vk
