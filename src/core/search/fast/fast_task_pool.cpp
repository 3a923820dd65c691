#include "core/search/fast/fast_task_pool.h"

#include <chrono>

namespace vk {

TaskPool::TaskPool(const FastPlan& plan, const ExceptFlags& exclusions, const TaskGrid& grid, int threads,
                   SearchControl& control, std::size_t first, std::size_t hitsBefore)
    : plan_(plan), exclusions_(exclusions), grid_(grid), control_(control),
      callerRunner_(plan, exclusions, control, &memo_), slots_(grid.count()), next_(first), found_(hitsBefore),
      endingHits_(FastTaskRunner::endingHits(plan, control)) {
    inner_.MemoryBudget = control.MemoryBudget;
    mirrorControl();
    for (int i = 1; i < threads; ++i) workers_.emplace_back([this] { work(); });
}

TaskPool::~TaskPool() {
    {
        const std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    inner_.Running = false;
    for (std::thread& t : workers_) t.join();
}

// Writes only what changed: the workers read these flags all the time, and
// every write takes their cache line away from them.
void TaskPool::mirrorControl() {
    const bool suspended = control_.Suspended.load();
    const bool running = control_.Running.load();
    if (inner_.Suspended.load(std::memory_order_relaxed) != suspended) inner_.Suspended = suspended;
    if (inner_.Running.load(std::memory_order_relaxed) != running) inner_.Running = running;
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

bool TaskPool::claim(std::size_t& k) {
    if (cancelled_ || enough_ || next_ >= slots_.size()) return false;
    k = next_++;
    // Every hit counted so far lies in the slices before it.
    slots_[k].before.store(found_, std::memory_order_relaxed);
    return true;
}

void TaskPool::count(std::size_t k, std::size_t hits) {
    const std::size_t more = hits - slots_[k].counted;
    if (more == 0) return;
    slots_[k].counted = hits;
    found_ += more;
    if (found_ >= endingHits_) enough_ = true;
    for (std::size_t l = k + 1; l < next_; ++l) {
        slots_[l].before.fetch_add(more, std::memory_order_relaxed);
        if (slots_[l].ready) trim(slots_[l]);
    }
}

void TaskPool::trim(Slot& slot) const {
    TaskOutcome& out = slot.outcome;
    // A stopped slice ends the search anyway.
    if (out.stopped) return;
    const std::size_t before = slot.before.load(std::memory_order_relaxed);
    const std::size_t wanted = before >= endingHits_ ? 0 : endingHits_ - before;
    if (out.hits.size() <= wanted) return;
    // Should the search reach the slice, it ends at one of the hits kept.
    out.hits.truncate(wanted);
    out.hitOrdinals.resize(wanted);
    out.ended = true;
    out.tested = wanted > 0 ? out.hitOrdinals.back() : 0;
}

void TaskPool::finish(std::size_t k, TaskOutcome outcome) {
    count(k, outcome.hits.size());
    // A hit limit of 0 ends the search at the first combination that
    // reaches the limit test: the slice that holds it ends.
    if (outcome.ended) enough_ = true;
    slots_[k].outcome = std::move(outcome);
    trim(slots_[k]);
    slots_[k].ready = true;
}

TaskOutcome TaskPool::runSlice(FastTaskRunner& runner, std::size_t k) {
    runner.setHitsBefore(&slots_[k].before, [this, k](std::size_t hits) {
        const std::lock_guard lock(mutex_);
        count(k, hits);
    });
    return runner.run(grid_.slice(k));
}

void TaskPool::work() {
    FastTaskRunner runner(plan_, exclusions_, inner_, &memo_);
    for (;;) {
        std::size_t k = 0;
        {
            const std::lock_guard lock(mutex_);
            if (!claim(k)) return;
        }
        std::atomic<std::uint64_t>& live = slots_[k].live;
        runner.setPulse([&live](std::uint64_t tested) { live.store(tested, std::memory_order_relaxed); });
        TaskOutcome outcome = runSlice(runner, k);
        bool awaited = false;
        {
            const std::lock_guard lock(mutex_);
            finish(k, std::move(outcome));
            awaited = k == awaited_;
        }
        // Only the slice the caller waits for is worth waking it.
        if (awaited) readyCv_.notify_all();
    }
}

TaskOutcome TaskPool::take(std::size_t k, const std::function<void(std::uint64_t)>& waiting) {
    std::unique_lock lock(mutex_);
    awaited_ = k;
    // Stop and pause reach the workers within one wait step or one slice.
    while (!slots_[k].ready) {
        std::size_t j = 0;
        if (claim(j)) {
            lock.unlock();
            mirrorControl();
            // While it runs a slice, the caller keeps passing stop and pause
            // on and keeps reporting from within slice k. Beats come after
            // every decoration search: acting on one in 32 is often enough.
            callerRunner_.setPulse([this, &waiting, j, k, beats = 0u](std::uint64_t tested) mutable {
                if (++beats % 32 != 0) return;
                mirrorControl();
                if (waiting) waiting(j == k ? tested : slots_[k].live.load(std::memory_order_relaxed));
            });
            TaskOutcome outcome = runSlice(callerRunner_, j);
            mirrorControl();
            lock.lock();
            finish(j, std::move(outcome));
            continue;
        }
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
