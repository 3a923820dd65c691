#include "cli/interrupt_guard.h"

#include <atomic>
#include <csignal>

namespace vk::cli {

namespace {

// The search being run, for the Ctrl+C handler.
std::atomic<SearchControl*> g_activeSearch{nullptr};
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void stopOnInterrupt(int) {
    g_interrupted = 1;
    if (SearchControl* c = g_activeSearch.load()) c->Running.store(false);
    std::signal(SIGINT, SIG_DFL);  // a second Ctrl+C ends the program
}

}  // namespace

InterruptGuard::InterruptGuard(SearchControl& control) {
    g_interrupted = 0;
    g_activeSearch.store(&control);
    previous_ = std::signal(SIGINT, stopOnInterrupt);
}

InterruptGuard::~InterruptGuard() {
    std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_);
    g_activeSearch.store(nullptr);
}

bool InterruptGuard::interrupted() const { return g_interrupted != 0; }

}  // namespace vk::cli
