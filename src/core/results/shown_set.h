#pragma once
// The armour set whose detail is on screen: the source of the skill summary,
// the detail panels and the text report. Filled from a hit, a loaded hit or a
// my set.

#include <array>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/deco_set.h"
#include "core/search/hits/result.h"

namespace vk {

struct ShownSet {
    std::array<int, kArmourParts> pieces{};  // Equip row per part, PartIndex order
    DecoSet decos;                           // only the DecoIndex entries are read
    int weaponSlots = 0;                     // 0..3
    int sex = 1;                             // 1 男, 2 女 (the text report only)
    int type = 1;                            // 1 剣士, 2 ガンナー (the text report only)
};

// A hit as shown: its pieces and decorations with the weapon slots, sex and
// type of the search (or file) that produced it.
ShownSet shownSetOf(const Result& hit, int weaponSlots, int sex, int type);

// The piece of `part` in the set; a row outside the part's table reads as a
// blank piece (no name, all values 0, no skills) so it adds nothing.
const Equip& shownPiece(const Catalogue& catalogue, const ShownSet& set, int part);

// The decoration of `index`, or null for an empty slot (0) or a row outside
// the table.
const Deco* decoAt(const Catalogue& catalogue, int index);

// The names of the decorations of `part` (0..5, 5 = weapon) in slot order,
// each followed by one blank; empty when the part has none.
std::string decorationText(const Catalogue& catalogue, const DecoSet& decos, int part);
// The same for a row of fixed decorations, where an empty row shows the name
// of decoration row 0.
std::string fixedDecorationText(const Catalogue& catalogue, const DecoSet& decos, int part);

}  // namespace vk
