#pragma once
// Loads a catalogue folder for a command. The loader's messages (Shift-JIS)
// go to the error stream in UTF-8, one per line, caption first.

#include <filesystem>
#include <ostream>

#include "core/catalogue/catalogue.h"

namespace vk::cli {

// False when a data file could not be opened (the window's start-up error)
// or a table has no rows: the command then must not search or write anything.
bool loadCatalogueReporting(const std::filesystem::path& dir, Catalogue& out, std::ostream& err);

}  // namespace vk::cli
