#include "core/search/fast/fast_task_pool.h"

#include <chrono>

namespace vk {

TaskPool::TaskPool(const FastPlan& plan, const ExceptFlags& exclusions, const TaskGrid& grid, int threads,
                   SearchControl& control, std::size_t first, std::size_t hitsBefore)
    : plan_(plan), exclusions_(exclusions), grid_(grid), control_(control), slots_(grid.count()), next_(first),
      found_(hitsBefore) {
    mirrorControl();
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { work(); });
}

TaskPool::~TaskPool() {
    {
        const std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    inner_.Running = false;
    for (std::thread& t : workers_) t.join();
}

void TaskPool::mirrorControl() {
    inner_.Suspended = control_.Suspended.load();
    inner_.Running = control_.Running.load();
}

bool TaskPool::waitWhileSuspended() {
    mirrorControl();
    const bool stopped = control_.waitWhileSuspended();
    mirrorControl();
    return stopped;
}

std::size_t TaskPool::started() const {
    const std::lock_guard lock(mutex_);
    return next_;
}

void TaskPool::work() {
    FastTaskRunner runner(plan_, exclusions_, inner_, &memo_);
    for (;;) {
        std::size_t k = 0;
        {
            const std::lock_guard lock(mutex_);
            if (cancelled_ || enough_ || next_ >= slots_.size()) return;
            k = next_++;
        }
        std::atomic<std::uint64_t>& live = slots_[k].live;
        runner.setPulse([&live](std::uint64_t tested) { live.store(tested, std::memory_order_relaxed); });
        TaskOutcome outcome = runner.run(grid_.slice(k));
        bool awaited = false;
        {
            const std::lock_guard lock(mutex_);
            found_ += outcome.hits.size();
            // A hit limit of 0 ends the search at the first combination
            // that reaches the limit test: the slice that holds it ends.
            if (outcome.ended || (plan_.hitLimit > 0 && found_ >= plan_.hitLimit)) enough_ = true;
            slots_[k].outcome = std::move(outcome);
            slots_[k].ready = true;
            awaited = k == awaited_;
        }
        // Only the slice the caller waits for is worth waking it.
        if (awaited) readyCv_.notify_all();
    }
}

TaskOutcome TaskPool::take(std::size_t k, const std::function<void(std::uint64_t)>& waiting) {
    std::unique_lock lock(mutex_);
    awaited_ = k;
    // Stop and pause reach the workers within one wait step.
    while (!slots_[k].ready) {
        readyCv_.wait_for(lock, std::chrono::milliseconds(20));
        mirrorControl();
        if (waiting && !slots_[k].ready) {
            lock.unlock();
            waiting(slots_[k].live.load(std::memory_order_relaxed));
            lock.lock();
        }
    }
    TaskOutcome outcome = std::move(slots_[k].outcome);
    slots_[k].outcome = TaskOutcome{};
    return outcome;
}

}  // namespace vk
