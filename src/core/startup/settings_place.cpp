#include "core/startup/settings_place.h"

#include <system_error>
#include <unistd.h>

#include "core/settings/main_settings.h"

namespace vk {

bool folderIsWritable(const std::filesystem::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::filesystem::path settingsFileFor(const std::filesystem::path& executable,
                                      const std::filesystem::path& installedShare, const XdgEnvironment& env) {
    const std::filesystem::path beside = settingsFileOf(executable);
    std::error_code ec;
    const bool installed = std::filesystem::is_directory(installedShare, ec);
    if (!installed && folderIsWritable(executable.parent_path())) return beside;
    const std::filesystem::path folder = programConfigFolder(env);
    // No home to put it in: beside the program is the only place left.
    if (folder.empty()) return beside;
    return folder / "velkorantis.INI";
}

}  // namespace vk
