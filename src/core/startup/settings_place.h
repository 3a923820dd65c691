#pragma once
// Where the settings file lies. A build run from its own folder keeps it
// beside the program (the program's path with ".INI" appended), where a
// developer expects it. An installed program (its shared files beside its
// bin folder) or one whose folder cannot be written keeps it in the user's
// configuration folder instead: $XDG_CONFIG_HOME/velkorantis/velkorantis.INI.
// Even root, who may write /usr/bin, gets the per-user file there.

#include <filesystem>

#include "core/startup/xdg_folders.h"

namespace vk {

// `installedShare` is the folder an installation puts the program's shared
// files in, reached from the executable (see installedShareFolder).
std::filesystem::path settingsFileFor(const std::filesystem::path& executable,
                                      const std::filesystem::path& installedShare, const XdgEnvironment& env);

// Whether this process may create files in `folder`.
bool folderIsWritable(const std::filesystem::path& folder);

}  // namespace vk
