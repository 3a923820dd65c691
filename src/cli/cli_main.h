#pragma once
// The command dispatch of velkorantis-cli: the first argument names the
// command, the rest belong to it.

#include <string>
#include <vector>

#include "cli/cli_io.h"

namespace vk::cli {

// `args` are the program's arguments without the program name.
int runCli(const std::vector<std::string>& args, CliIo& io);

const char* programVersion();

}  // namespace vk::cli
