#pragma once
// "velkorantis-cli show FILE": reads a saved search of any version against
// the catalogue and lists its conditions, how it ended and its hits, or
// prints the text report of one hit.

#include <string>
#include <vector>

#include "cli/cli_io.h"

namespace vk::cli {

// `args` are the arguments after "show". Returns the exit status.
int runShowCommand(const std::vector<std::string>& args, CliIo& io);

}  // namespace vk::cli
