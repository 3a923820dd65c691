#pragma once
// The settings file of the main window: the executable's path with ".INI"
// appended, read once at start-up and written at close and by "保存".
// Sections "General" (place and page), "Condition" (the search page) and
// "Possession" (the possession page's filters). Writing erases "Condition",
// "Possession" and "Myset" first (dropping the older collection keys), never
// "General"; keys and sections the program does not know survive.

#include <filesystem>
#include <optional>

#include "core/catalogue/catalogue.h"
#include "core/settings/condition_settings.h"
#include "core/settings/ini_file.h"
#include "core/settings/window_settings.h"

namespace vk {

inline constexpr int kPageCount = 4;  // search, possessions, my sets, result files

struct MainSettings {
    WindowSettings window;
    std::optional<int> page;  // none: the stored page is no page (0..3) and is ignored
    ConditionSettings condition;
    int sexPossItem = 0;   // SexPossRG: 0 両方, 1 男, 2 女
    int typePossItem = 0;  // TypePossRG: 0 両方, 1 剣士, 2 ガンナー
};

std::filesystem::path settingsFileOf(const std::filesystem::path& executable);

// `currentBounds` are the window's bounds after it was fitted to the work
// area: the defaults of the place keys.
MainSettings readMainSettings(const IniFile& ini, const Catalogue& catalogue, const ScreenRect& currentBounds);

// Writes every key of the main window into `ini` in the file's order.
void writeMainSettings(IniFile& ini, const Catalogue& catalogue, const MainSettings& settings);

}  // namespace vk
