#include "ui/app/settings_location.h"

#include "ui/app/start_up.h"

namespace vk {

namespace {
std::optional<std::filesystem::path>& overridden() {
    static std::optional<std::filesystem::path> file;
    return file;
}
}  // namespace

std::filesystem::path settingsFilePath() {
    if (overridden()) return *overridden();
    return programSettingsFile();
}

void overrideSettingsFilePath(std::optional<std::filesystem::path> file) { overridden() = std::move(file); }

}  // namespace vk
