#pragma once
// A window's place as the settings file keeps it: "Left", "Top", "Width",
// "Hight" (so spelled) and "Maximize". The main window keeps it in "General",
// the result detail window in "Result". For a maximised (or minimised)
// window the bounds are those of its restored position.

#include <string_view>

#include "core/settings/ini_file.h"
#include "core/settings/work_area.h"

namespace vk {

struct WindowSettings {
    ScreenRect bounds;
    bool maximised = false;

    bool operator==(const WindowSettings&) const = default;
};

// Each key defaults to the window's current value (so does a width or height
// below 1); "Maximize" to false.
WindowSettings readWindowSettings(const IniFile& ini, std::string_view section, const ScreenRect& current);

void writeWindowSettings(IniFile& ini, std::string_view section, const WindowSettings& window);

}  // namespace vk
