#pragma once
// "velkorantis-cli collections [--data DIR] FILE [-o OUT]": reads a
// collections file against the catalogue and writes it as the program would
// save it, so stored names and indices are resolved anew after a catalogue
// update.

#include <string>
#include <vector>

#include "cli/cli_io.h"

namespace vk::cli {

int runCollectionsCommand(const std::vector<std::string>& args, CliIo& io);

// The last line on standard error.
std::string collectionsSummary(int pieceExclusions, int decoExclusions, int mysets, int possessions);

}  // namespace vk::cli
