#pragma once
// Reads the eight data files of a catalogue folder and builds the derived
// tables. Failures never stop the load: they are collected as messages, in
// the order the user is to see them.

#include <filesystem>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"

namespace vk {

struct UserMessage {
    std::string caption;  // Shift-JIS
    std::string text;     // Shift-JIS
};

struct LoadReport {
    bool startupError = false;          // a data file could not be opened
    std::vector<UserMessage> messages;  // shown one at a time during start-up
};

// Loads the catalogue from `dir` into `out` (which is reset first).
LoadReport loadCatalogue(const std::filesystem::path& dir, Catalogue& out);

}  // namespace vk
