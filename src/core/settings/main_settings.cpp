#include "core/settings/main_settings.h"

namespace vk {

namespace {
constexpr std::string_view kGeneral = "General";
constexpr std::string_view kPossession = "Possession";
}  // namespace

std::filesystem::path settingsFileOf(const std::filesystem::path& executable) {
    std::filesystem::path file = executable;
    file += ".INI";
    return file;
}

MainSettings readMainSettings(const IniFile& ini, const Catalogue& catalogue, const ScreenRect& currentBounds) {
    MainSettings s;
    s.window = readWindowSettings(ini, kGeneral, currentBounds);
    const int page = ini.readInteger(kGeneral, "Page", 0);
    if (page >= 0 && page < kPageCount) s.page = page;
    s.condition = readConditionSettings(ini, catalogue);
    s.sexPossItem = ini.readInteger(kPossession, "SexPoss", 0);
    s.typePossItem = ini.readInteger(kPossession, "TypePoss", 0);
    return s;
}

void writeMainSettings(IniFile& ini, const Catalogue& catalogue, const MainSettings& s) {
    ini.eraseSection(kConditionSection);
    ini.eraseSection(kPossession);
    ini.eraseSection("Myset");
    writeWindowSettings(ini, kGeneral, s.window);
    ini.writeInteger(kGeneral, "Page", s.page.value_or(0));
    writeConditionSettings(ini, catalogue, s.condition);
    ini.writeInteger(kPossession, "SexPoss", s.sexPossItem);
    ini.writeInteger(kPossession, "TypePoss", s.typePossItem);
}

}  // namespace vk
