#pragma once
// "velkorantis-cli bench": runs the bench suite and prints one line per case,
// then "signature <16 hex digits>", then the hard cases; or, with --compare,
// both engines side by side.

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_io.h"

namespace vk::cli {

int runBenchCommand(const std::vector<std::string>& args, CliIo& io);

// The catalogue the bench runs on when --data is not given: the bundled
// sample, located when the program was built.
std::filesystem::path defaultBenchDataDir();

}  // namespace vk::cli
