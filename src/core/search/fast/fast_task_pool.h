#pragma once
// Runs the slices of a fast search on worker threads, a bounded stretch ahead
// of the caller, who takes the outcomes in slice order. The workers see the
// caller's stop and pause through flags mirrored while the caller waits.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

#include "core/search/fast/fast_task_grid.h"

namespace vk {

class TaskPool {
public:
    // The workers start at slice `first` (the caller ran those before it).
    TaskPool(const FastPlan& plan, const ExceptFlags& exclusions, const TaskGrid& grid, int threads,
             SearchControl& control, std::size_t first = 0);
    ~TaskPool();  // abandons the slices not yet taken and joins the workers
    TaskPool(const TaskPool&) = delete;
    TaskPool& operator=(const TaskPool&) = delete;

    // Waits for slice k; slices must be taken in order, each once. While it
    // waits, `waiting` (may be empty) hears every few milliseconds how many
    // combinations of slice k are counted so far; it runs unlocked.
    TaskOutcome take(std::size_t k, const std::function<void(std::uint64_t)>& waiting = {});

private:
    struct Slot {
        TaskOutcome outcome;
        bool ready = false;
        std::atomic<std::uint64_t> live{0};  // written by the worker running the slice
    };

    void work();
    void mirrorControl();

    const FastPlan& plan_;
    const ExceptFlags& exclusions_;
    const TaskGrid grid_;
    SearchControl& control_;  // the caller's
    SearchControl inner_;     // what the workers poll
    SharedDecoMemo memo_;
    std::size_t window_;      // how far ahead of the caller the workers may run

    std::mutex mutex_;
    std::condition_variable readyCv_;
    std::condition_variable windowCv_;
    std::vector<Slot> slots_;
    std::size_t next_ = 0;
    std::size_t taken_ = 0;
    bool cancelled_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace vk
