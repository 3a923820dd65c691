#pragma once
// The per-system candidate lists (SkillIndex) of the armour parts and of the
// decorations, built after every table is loaded.

#include <optional>
#include <string>

#include "core/catalogue/catalogue.h"

namespace vk {

// Fills cat.skillIndex[part] from cat.equip[part]. A piece whose entry names
// a system outside the table stops the building at that entry: the lists keep
// what was entered, unsorted, and the message text is returned (shown with
// the caption "type").
std::optional<std::string> buildPartSkillIndex(Catalogue& cat, int part);

// The same for cat.decoSkillIndex from cat.decos, without the torso-up rule.
std::optional<std::string> buildDecoSkillIndex(Catalogue& cat);

}  // namespace vk
