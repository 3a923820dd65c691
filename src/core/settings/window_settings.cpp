#include "core/settings/window_settings.h"

namespace vk {

WindowSettings readWindowSettings(const IniFile& ini, std::string_view section, const ScreenRect& current) {
    WindowSettings w;
    w.bounds.left = ini.readInteger(section, "Left", current.left);
    w.bounds.top = ini.readInteger(section, "Top", current.top);
    w.bounds.width = ini.readInteger(section, "Width", current.width);
    w.bounds.height = ini.readInteger(section, "Hight", current.height);
    // A window cannot be empty: such a size is no size at all.
    if (w.bounds.width < 1) w.bounds.width = current.width;
    if (w.bounds.height < 1) w.bounds.height = current.height;
    w.maximised = ini.readBool(section, "Maximize", false);
    return w;
}

void writeWindowSettings(IniFile& ini, std::string_view section, const WindowSettings& window) {
    ini.writeInteger(section, "Left", window.bounds.left);
    ini.writeInteger(section, "Top", window.bounds.top);
    ini.writeInteger(section, "Width", window.bounds.width);
    ini.writeInteger(section, "Hight", window.bounds.height);
    ini.writeBool(section, "Maximize", window.maximised);
}

}  // namespace vk
