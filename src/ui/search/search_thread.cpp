#include "ui/search/search_thread.h"

#include <chrono>

#include "core/search/engine/engine_factory.h"
#include "core/search/engine/memory_budget.h"

namespace vk {

namespace {

std::int64_t steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

SearchThread::SearchThread(const Catalogue& catalogue, SearchSteps steps)
    : engine_(makeSearchEngine(catalogue, EngineKind::Fast, 0)),
      steps_(std::move(steps)),
      receiver_(std::make_unique<QObject>()) {
    control_.MemoryBudget = defaultMemoryBudgetMegabytes() * kBytesPerMegabyte;
    thread_ = std::jthread([this](std::stop_token stop) { loop(stop); });
}

SearchThread::~SearchThread() { finish(); }

void SearchThread::start(const SearchCondition& engineCondition, SearchSnapshot snapshot) {
    condition_ = engineCondition;
    snapshot_ = std::move(snapshot);
    control_.Suspended = false;
    {
        std::lock_guard lock(mutex_);
        control_.Running = true;
    }
    wake_.notify_all();
}

void SearchThread::finish() {
    {
        std::lock_guard lock(mutex_);
        finishing_ = true;
        control_.Running = false;
        control_.Suspended = false;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

void SearchThread::loop(std::stop_token stop) {
    while (!stop.stop_requested()) {
        if (control_.Running) {
            runSearch();
            continue;
        }
        std::unique_lock lock(mutex_);
        wake_.wait_for(lock, std::chrono::milliseconds(100),
                       [&] { return finishing_ || control_.Running.load(); });
        if (finishing_) return;
    }
}

void SearchThread::runSearch() {
    throttle_.reset();
    reports_ = shown_ = 0;
    const ProgressFn progress = [this](const SearchProgress& p) {
        ++reports_;
        if (!throttle_.admit(steadyMs())) return;
        ++shown_;
        if (runOnWindowThread([this, p] { steps_.progress(p); }))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    engine_->run(condition_, snapshot_, control_, progress);
    control_.Running = false;
    control_.Suspended = false;
    if (!runOnWindowThread(steps_.end1)) return;
    runOnWindowThread(steps_.end2);
}

bool SearchThread::runOnWindowThread(std::function<void()> step) {
    const std::uint64_t ticket = ++ticketsIssued_;
    {
        std::lock_guard lock(mutex_);
        if (finishing_) return false;
    }
    QMetaObject::invokeMethod(
        receiver_.get(),
        [this, ticket, step = std::move(step)] {
            {
                std::lock_guard lock(mutex_);
                if (finishing_) return;
            }
            step();
            {
                std::lock_guard lock(mutex_);
                ticketsDone_ = ticket;
            }
            wake_.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [&] { return finishing_ || ticketsDone_ >= ticket; });
    return !finishing_;
}

}  // namespace vk
