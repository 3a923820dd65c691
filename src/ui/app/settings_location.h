#pragma once
// Where the settings file lies: beside the program, its path with ".INI"
// appended, or for an installed program the per-user one (programSettingsFile).
// Tests move it into their scratch folder.

#include <filesystem>
#include <optional>

namespace vk {

std::filesystem::path settingsFilePath();

// Another file for the rest of the run (none: beside the program again).
void overrideSettingsFilePath(std::optional<std::filesystem::path> file);

}  // namespace vk
