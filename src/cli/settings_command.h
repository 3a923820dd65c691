#pragma once
// "velkorantis-cli settings [--data DIR] FILE [-o OUT]": reads a settings
// file (the program's INI) against the catalogue and writes it back as the
// program writes it at close.

#include <string>
#include <vector>

#include "cli/cli_io.h"

namespace vk::cli {

int runSettingsCommand(const std::vector<std::string>& args, CliIo& io);

}  // namespace vk::cli
