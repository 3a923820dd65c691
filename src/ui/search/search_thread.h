#pragma once
// The search worker: one thread for the whole run. Idle, it looks for the
// Running flag every 100 ms; when the window sets it, it runs one search and
// hands the hits over through the two end steps. Progress and end steps run
// on the window's thread while the worker waits for them.
//
// The wait is our own hand-shake rather than a blocking queued call: when the
// window closes during a search it calls finish(), which releases a waiting
// worker at once, so a closing window can never deadlock with the worker.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include <QObject>

#include "core/catalogue/catalogue.h"
#include "core/search/engine/engine.h"
#include "core/search/progress/progress_throttle.h"

namespace vk {

// What the window does on the worker's behalf, on the window's thread.
struct SearchSteps {
    std::function<void(const SearchProgress&)> progress;  // ProgressStep
    std::function<void()> end1;                           // EndStep1
    std::function<void()> end2;                           // EndStep2
};

class SearchThread {
public:
    // Progress displays closer together than this are skipped (the search
    // is not held up for them); the end steps always run.
    static constexpr std::int64_t kProgressIntervalMs = 30;

    // Must be made on the window's thread: the steps run there. The engine
    // is the fast engine with one thread per hardware thread; the hits a
    // search keeps may take a quarter of physical memory (control().
    // MemoryBudget, which tests may lower while the worker is idle).
    SearchThread(const Catalogue& catalogue, SearchSteps steps);
    ~SearchThread();  // finish()
    SearchThread(const SearchThread&) = delete;
    SearchThread& operator=(const SearchThread&) = delete;

    // Window thread, worker idle: copies the conditions and the snapshot
    // into the worker, then sets Running.
    void start(const SearchCondition& engineCondition, SearchSnapshot snapshot);

    SearchControl& control() { return control_; }
    // The hits and counts of the current or last search: read only inside a
    // step or while the worker is idle.
    const SearchEngine& engine() const { return *engine_; }
    // The last search's hits, moved out of the engine: inside the last step
    // or while the worker is idle. The engine then holds none.
    ResultStore takeHits() { return std::move(engine_->store()); }
    // Worker idle only: searches from now on run on `engine` (tests use the
    // slow reference engine to have a search that lasts).
    void replaceEngine(std::unique_ptr<SearchEngine> engine) { engine_ = std::move(engine); }

    // Ends a search under way or paused, lets a waiting worker go without
    // running its step, and ends the thread. Safe to call twice.
    void finish();

    // How many progress reports the last search made and how many were shown.
    std::uint64_t progressReports() const { return reports_; }
    std::uint64_t progressShown() const { return shown_; }

private:
    void loop(std::stop_token stop);
    void runSearch();
    // Runs `step` on the window's thread and waits; false when finishing.
    bool runOnWindowThread(std::function<void()> step);

    std::unique_ptr<SearchEngine> engine_;
    SearchSteps steps_;
    SearchControl control_;
    SearchCondition condition_;
    SearchSnapshot snapshot_;
    ProgressThrottle throttle_{kProgressIntervalMs};
    std::uint64_t reports_ = 0;
    std::uint64_t shown_ = 0;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::uint64_t ticketsIssued_ = 0;  // worker only
    std::uint64_t ticketsDone_ = 0;    // guarded by mutex_
    bool finishing_ = false;           // guarded by mutex_

    // Lives on the window's thread; the steps are posted to it. Destroying it
    // drops steps still queued.
    std::unique_ptr<QObject> receiver_;
    std::jthread thread_;
};

}  // namespace vk
