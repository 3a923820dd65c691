#pragma once
// Background colours of the detail lists' rows and the wanted-skill combo
// markers, as Windows colour values (0x00BBGGRR). No value: default colours.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/possession.h"
#include "core/search/hits/result.h"

namespace vk {

using WinColour = std::uint32_t;  // 0x00BBGGRR
constexpr WinColour kLightGreen = 0x64FF64;
constexpr WinColour kLightRed = 0x6464FF;
constexpr WinColour kLightBlue = 0xFFC8C8;
constexpr WinColour kBlack = 0x000000;

// A skill row by its total text (text that is no number reads 0): 10 or
// more light green, -10 or less light red. The bounds are fixed.
std::optional<WinColour> skillRowColour(std::string_view totalText);

// An equipment row (0..4 Head, Body, Arm, Wst, Leg; 5 weapon; 6 total) of
// the selected hit: light blue when that part's piece is owned. No hit
// selected, the weapon and the total row: default.
std::optional<WinColour> equipRowColour(int row, const Result* selectedHit, const PossessionLists& possessions);

// Marker of wanted-skill combo item `item` (a SkillEq entry): black for the
// no-wish item 0, light green for kinds ">=" and ">", light red for "<=" and
// "<"; none for "==", other kinds and items outside the table, which are
// not drawn at all.
std::optional<WinColour> skillComboMarker(const Catalogue& catalogue, int item);

}  // namespace vk
