#pragma once
// The skill text of a piece or decoration as the collection dialogs list it:
// each entry's system name and points with their sign, then one blank
// ("%s%+d "). Shift-JIS.

#include <span>
#include <string>

#include "core/catalogue/catalogue.h"

namespace vk {

enum class SkillTextEnd {
    FirstEmpty,  // stop at the first entry of system 0 (the exclusion list)
    SkipEmpty,   // every entry whose system is above 0 (the fixed-equipment dialog)
};

// Entries naming a system the catalogue does not know are left out.
std::string skillText(const Catalogue& catalogue, std::span<const SkillPoints> entries, SkillTextEnd end);

}  // namespace vk
