#include "ui/app/termination_signals.h"

#include <cerrno>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace vk {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP};

// [0] written by the handler, [1] read by the event loop; one watcher at a time.
int g_socket[2] = {-1, -1};
struct sigaction g_previous[std::size(kSignals)];
bool g_installed[std::size(kSignals)] = {};

extern "C" void noteSignal(int) {
    const int saved = errno;
    const char byte = 1;
    (void)!::write(g_socket[0], &byte, 1);  // a full socket has a close pending already
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_socket) != 0) return;
    struct sigaction action {};
    action.sa_handler = noteSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (::sigaction(kSignals[i], nullptr, &g_previous[i]) != 0 || g_previous[i].sa_handler == SIG_IGN) continue;
        g_installed[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

TerminationSignals::~TerminationSignals() {
    notifier_.reset();
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        if (g_installed[i]) ::sigaction(kSignals[i], &g_previous[i], nullptr);
    for (int& fd : g_socket) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    for (bool& installed : g_installed) installed = false;
}

void TerminationSignals::watch(QObject* context, std::function<void()> close) {
    if (g_socket[1] < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(g_socket[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, context, [close = std::move(close)] {
        char bytes[64];
        while (::read(g_socket[1], bytes, sizeof bytes) > 0) {
        }
        close();
    });
}

}  // namespace vk
