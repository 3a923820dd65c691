#pragma once
// The search page's conditions in the settings file, section "Condition":
// every control as an item index, a flag or a number, the wanted skills by
// their activation names, and the fixed pieces and decorations as stored
// references (name and index; the name wins, the index picks among equal
// names and stands in when the name is gone).

#include <array>
#include <optional>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition_form.h"
#include "core/settings/ini_file.h"

namespace vk {

inline constexpr const char* kConditionSection = "Condition";

struct ConditionSettings {
    // The controls. skillBoxes hold SkillEq rows (0 when the stored name is
    // no activation any more); hitLimitText and defText are decimal text.
    // Item indices are as stored: the window ignores one beyond its list.
    ConditionForm form;
    // The text of each fixed piece's box (HeadEdit ..), PartIndex order:
    // the resolved piece's name, or the stored name when it resolved
    // nowhere; none when the file names no piece for the part.
    std::array<std::optional<std::string>, kArmourParts> pieceText;
};

// Reads the section. Missing keys, and numbers that are not numbers, give
// the controls' initial values; fixed decorations stop at the first that
// resolves nowhere or would not fit into the part's three slots.
ConditionSettings readConditionSettings(const IniFile& ini, const Catalogue& catalogue);

// Writes every key of the section (the caller erased it first). `pieceText`
// entries left empty write the box's initial text "装備無し".
void writeConditionSettings(IniFile& ini, const Catalogue& catalogue, const ConditionSettings& settings);

}  // namespace vk
