#pragma once
// Parsers of one data line each. System names are looked up in the skill
// system table already loaded into `cat`; a name that is not there gives
// system -1, which the skill index building reports. Fields after the first
// missing token keep their default 0.

#include <optional>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"

namespace vk {

// A line of "SKILL_TYPE.txt": the whole line is the name.
std::string parseSkillTypeLine(std::string_view line);

// name, sex, type, rarity, slots, defence, fire, water, thunder, ice, dragon,
// then five pairs of system name and points.
Equip parseEquipLine(std::string_view line, const Catalogue& cat);

// name, rarity, slots, then two pairs of system name and points.
Deco parseDecoLine(std::string_view line, const Catalogue& cat);

// name, a comma, then a system name directly followed by an operator and a
// threshold. Nothing for a line whose system is unknown, and also for a line
// with no comma or with none of the operators: such a line cannot name a
// system, so it is dropped the same silent way. `index` is left 0 for the
// caller to number the accepted lines.
std::optional<SkillEq> parseSkillEqLine(std::string_view line, const Catalogue& cat);

}  // namespace vk
