#include "core/search/fast/fast_task_pool.h"

#include <chrono>

namespace vk {

TaskPool::TaskPool(const FastPlan& plan, const ExceptFlags& exclusions, const TaskGrid& grid, int threads,
                   SearchControl& control, std::size_t first)
    : plan_(plan), exclusions_(exclusions), grid_(grid), control_(control),
      window_(16 * static_cast<std::size_t>(threads)), slots_(grid.count()), next_(first), taken_(first) {
    mirrorControl();
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { work(); });
}

TaskPool::~TaskPool() {
    {
        const std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    inner_.Running = false;
    windowCv_.notify_all();
    for (std::thread& t : workers_) t.join();
}

void TaskPool::mirrorControl() {
    inner_.Suspended = control_.Suspended.load();
    inner_.Running = control_.Running.load();
}

void TaskPool::work() {
    FastTaskRunner runner(plan_, exclusions_, inner_, &memo_);
    for (;;) {
        std::size_t k = 0;
        {
            std::unique_lock lock(mutex_);
            windowCv_.wait(lock, [&] { return cancelled_ || next_ >= slots_.size() || next_ < taken_ + window_; });
            if (cancelled_ || next_ >= slots_.size()) return;
            k = next_++;
        }
        std::atomic<std::uint64_t>& live = slots_[k].live;
        runner.setPulse([&live](std::uint64_t tested) { live.store(tested, std::memory_order_relaxed); });
        TaskOutcome outcome = runner.run(grid_.slice(k));
        {
            const std::lock_guard lock(mutex_);
            slots_[k].outcome = std::move(outcome);
            slots_[k].ready = true;
        }
        readyCv_.notify_all();
    }
}

TaskOutcome TaskPool::take(std::size_t k, const std::function<void(std::uint64_t)>& waiting) {
    std::unique_lock lock(mutex_);
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
    taken_ = k + 1;
    TaskOutcome outcome = std::move(slots_[k].outcome);
    slots_[k].outcome = TaskOutcome{};
    lock.unlock();
    windowCv_.notify_all();
    return outcome;
}

}  // namespace vk
