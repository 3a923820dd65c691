#pragma once
// SIGTERM and SIGHUP (a logout, a shutdown, a closed terminal) end the
// program the way the window's close box does, so the session's settings and
// collections are saved and the exit status is 0. The signal handler only
// writes a byte into a socket pair (all it may safely do); a socket notifier
// of the event loop reads it and runs the close there.

#include <functional>
#include <memory>

class QObject;
class QSocketNotifier;

namespace vk {

class TerminationSignals final {
public:
    // Installs the handlers. A signal that comes before watch() waits in the
    // socket; one ignored by whoever started the program stays ignored.
    TerminationSignals();
    // Puts the previous handlers back.
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // From the next turn of the event loop on, every signal (one that came
    // already included) runs `close`, while `context` lives.
    void watch(QObject* context, std::function<void()> close);

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vk
