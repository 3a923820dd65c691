#pragma once
// The stop and pause flags of a running search, and the memory its hits may
// take. The front end writes them; the engines poll the flags once per
// combination and once per decoration-fitting attempt, and weigh the hits
// they keep against the budget after each hit they store.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <limits>
#include <thread>

namespace vk {

// No budget: the kept hits may take any amount of memory.
constexpr std::size_t kNoMemoryBudget = std::numeric_limits<std::size_t>::max();

struct SearchControl {
    std::atomic<bool> Running{false};
    std::atomic<bool> Suspended{false};
    // The bytes the hits a search keeps may take, as ResultStore::memoryBytes
    // counts them (their packed rows and the few hits kept whole; not the
    // engine's working memory). The hit that brings them to the budget ends
    // the search as a stop does, and stays. Set while no search runs.
    std::size_t MemoryBudget = kNoMemoryBudget;

    // Sleeps in 100 ms steps while the search is paused and not stopped.
    // Returns true when the search has been stopped.
    bool waitWhileSuspended() {
        while (Running && Suspended) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return !Running;
    }
};

}  // namespace vk
