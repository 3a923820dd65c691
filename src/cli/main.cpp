// velkorantis-cli: headless search and bench over the same core as the window.
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/cli_main.h"
#include "cli/signal_cleanup.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    vk::cli::installSaveCleanupOnSignals();
    const std::vector<std::string> args(argv + 1, argv + argc);
    vk::cli::CliIo io{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    int status = vk::cli::runCli(args, io);
    // What a command left unflushed (help, bench lines) is checked here too.
    errno = 0;
    std::cout.flush();
    bool written = static_cast<bool>(std::cout);
    int error = errno;
    // Closing may report a write error of its own; a standard output that was
    // never open (EBADF) held nothing.
    if (written && ::close(STDOUT_FILENO) != 0 && errno != EBADF) {
        written = false;
        error = errno;
    }
    if (!written && status == vk::cli::kExitOk) {
        std::cerr << "velkorantis-cli: cannot write to standard output";
        if (error != 0) std::cerr << ": " << std::strerror(error);
        std::cerr << '\n';
        status = vk::cli::kExitFailure;
    }
    return status;
}
