#include "core/collections/skill_text.h"

#include <cstdio>

namespace vk {

std::string skillText(const Catalogue& catalogue, std::span<const SkillPoints> entries, SkillTextEnd end) {
    std::string text;
    for (const SkillPoints& entry : entries) {
        if (entry.system == 0 && end == SkillTextEnd::FirstEmpty) break;
        if (entry.system <= 0 || entry.system >= catalogue.systemCount()) continue;
        char points[16];
        std::snprintf(points, sizeof points, "%+d ", entry.points);
        text += catalogue.skillTypes[entry.system];
        text += points;
    }
    return text;
}

}  // namespace vk
