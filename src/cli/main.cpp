// velkorantis-cli: headless search and bench over the same core as the window.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_main.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    vk::cli::CliIo io{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    const int status = vk::cli::runCli(args, io);
    std::cout.flush();
    return status;
}
