#include "cli/signal_cleanup.h"

#include <signal.h>

#include "core/files/replace_file.h"

namespace vk::cli {

namespace {

extern "C" void removeTemporaryAndEnd(int signal) {
    removePendingTemporaryFile();
    // Blocked while this handler runs; delivered with the default action on return.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

}  // namespace

void installSaveCleanupOnSignals() {
    struct sigaction action {};
    action.sa_handler = removeTemporaryAndEnd;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        // A signal ignored by whoever started the program stays ignored.
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace vk::cli
