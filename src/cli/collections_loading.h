#pragma once
// Reads a collections file (config.csv rules) for a command, against a loaded
// catalogue, and says on the error stream where a reading stopped early.

#include <filesystem>
#include <optional>
#include <ostream>

#include "core/catalogue/catalogue.h"
#include "core/collections/collections.h"

namespace vk::cli {

// Nothing (with a message naming `command`) when the file cannot be read.
// A reading that stopped early adds "FILE: reading stopped at line N" and
// keeps what was read before that line.
std::optional<Collections> loadCollectionsReporting(const std::filesystem::path& file, const Catalogue& cat,
                                                    const char* command, std::ostream& err);

}  // namespace vk::cli
