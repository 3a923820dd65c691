#pragma once
// Runs the slices of a fast search on worker threads, ahead of the caller,
// who takes the outcomes in slice order. Hits are small, so the workers run
// as far ahead as they can; the hit limit and the memory budget stop them as
// soon as the slices already run hold enough hits. A slice also knows the
// hits found so far in the slices before it, finished or under way: once
// those and its own end the search, it ends (or, finished, keeps only the
// hits that can still count), so the hits held by all the slices not yet
// taken come to little more than the search keeps. The workers see the
// caller's stop and pause through flags mirrored while the caller waits.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "core/search/fast/fast_task_grid.h"

namespace vk {

class TaskPool {
public:
    // The workers start at slice `first`; the caller ran those before it and
    // found `hitsBefore` hits in them.
    TaskPool(const FastPlan& plan, const ExceptFlags& exclusions, const TaskGrid& grid, int threads,
             SearchControl& control, std::size_t first = 0, std::size_t hitsBefore = 0);
    ~TaskPool();  // abandons the slices not yet taken and joins the workers
    TaskPool(const TaskPool&) = delete;
    TaskPool& operator=(const TaskPool&) = delete;

    // Slice k's outcome; slices must be taken in order, each once. Until it
    // is ready the caller runs the next slice nobody has started, so that
    // `threads` threads work in all, the caller one of them; with none left
    // it waits, and `waiting` (may be empty) hears every few milliseconds
    // how many combinations of slice k are counted so far (run unlocked).
    TaskOutcome take(std::size_t k, const std::function<void(std::uint64_t)>& waiting = {});

    // The caller's SearchControl::waitWhileSuspended, with the workers
    // paused (and stopped) along with the caller.
    bool waitWhileSuspended();

    // Slices started so far, counting the ones before `first`.
    std::size_t started() const;

private:
    struct Slot {
        TaskOutcome outcome;
        bool ready = false;
        std::atomic<std::uint64_t> live{0};  // written by the worker running the slice
        // Hits surely held by the slices before this one, once it is started;
        // its runner reads it as it runs.
        std::atomic<std::size_t> before{0};
        std::size_t counted = 0;  // hits of this slice counted in found_ and in later slices' `before`
    };

    void work();
    void mirrorControl();
    // Stores slice k's outcome; called locked.
    void finish(std::size_t k, TaskOutcome outcome);
    // Counts `hits` found so far in slice k (they only grow) before every
    // later slice started; called locked.
    void count(std::size_t k, std::size_t hits);
    // Drops the hits of a finished slice past those that can still count.
    void trim(Slot& slot) const;
    // Has `runner` run slice k, unlocked.
    TaskOutcome runSlice(FastTaskRunner& runner, std::size_t k);
    // The next slice to start, unless there is none to start.
    bool claim(std::size_t& k);

    const FastPlan& plan_;
    const ExceptFlags& exclusions_;
    const TaskGrid grid_;
    SearchControl& control_;  // the caller's
    SearchControl inner_;     // what the workers poll
    SharedDecoMemo memo_;
    // The caller's, while it takes a slice: it polls the caller's control
    // itself and passes it on to the workers.
    FastTaskRunner callerRunner_;

    mutable std::mutex mutex_;
    std::condition_variable readyCv_;
    std::vector<Slot> slots_;
    std::size_t next_ = 0;
    std::size_t awaited_ = 0;  // the slice the caller takes next
    // Hits in the slices before `first` and in every slice started since, as
    // far as counted. Once they reach the hit limit or fill the budget (or a
    // slice ends the search), the search ends within the slices handed out,
    // and no further slice is started.
    std::size_t found_ = 0;
    std::size_t endingHits_;  // FastTaskRunner::endingHits
    bool enough_ = false;
    bool cancelled_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace vk
