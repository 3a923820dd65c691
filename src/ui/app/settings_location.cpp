#include "ui/app/settings_location.h"

#include <QCoreApplication>

#include "core/settings/main_settings.h"

namespace vk {

namespace {
std::optional<std::filesystem::path>& overridden() {
    static std::optional<std::filesystem::path> file;
    return file;
}
}  // namespace

std::filesystem::path settingsFilePath() {
    if (overridden()) return *overridden();
    return settingsFileOf(QCoreApplication::applicationFilePath().toStdString());
}

void overrideSettingsFilePath(std::optional<std::filesystem::path> file) { overridden() = std::move(file); }

}  // namespace vk
