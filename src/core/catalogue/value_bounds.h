#pragma once
// The ranges a catalogue keeps its numbers in, applied when the tables are
// read. Every total the program forms (five pieces of five entries, up to
// eighteen decorations of two entries, the body counted up to 21 times, and
// what such a total still needs to reach a threshold) then stays far inside
// an int, and every slot count is one a part can hold:
//  - skill points, defence and the five resistances within ±kValueLimit;
//  - activation thresholds within ±kThresholdLimit, beyond any total the
//    values can add up to, so a threshold out of reach stays out of reach;
//  - a piece's slots within 0..3;
//  - a decoration takes 1..3 slots; a row that says fewer or more gets
//    kNeverFitsSlots, one more than any part has, so it is never placed. The
//    no-decoration row (row 0) takes no slots when its count is out of 0..3.
// Sex, type and rarity are only compared and keep the values read.

#include <vector>

#include "core/catalogue/catalogue.h"

namespace vk {

inline constexpr int kValueLimit = 99'999;
inline constexpr int kThresholdLimit = 99'999'999;
inline constexpr int kNeverFitsSlots = kSlotsPerPart + 1;

void boundPieces(std::vector<Equip>& pieces);
void boundDecos(std::vector<Deco>& decos);
void boundSkillEqs(std::vector<SkillEq>& eqs);

// All tables of `cat`; the derived tables are to be built afterwards.
void boundCatalogueValues(Catalogue& cat);

}  // namespace vk
