#pragma once
// The skill summary of a shown set: points per skill system in total and per
// part, which parts touch each system, and which activations show.

#include <array>
#include <cstdint>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/results/shown_set.h"

namespace vk {

// Columns of PointTable and SeenTable: the total (or touched at all), then
// one per part in PartIndex order Leg, Head, Body, Arm, Wst, Weapon.
constexpr int kSummaryTotal = 0;
constexpr int kSummaryColumns = 1 + kDecoParts;
constexpr int summaryColumn(int part) { return 1 + part; }

using PointTable = std::vector<std::array<std::int32_t, kSummaryColumns>>;  // [system][column]
using SeenTable = std::vector<std::array<std::uint8_t, kSummaryColumns>>;   // [system][column]
using Activated = std::vector<std::uint8_t>;                                // [SkillEq entry]

struct SkillSummary {
    PointTable points;
    SeenTable seen;
    Activated activated;
    int bodyFactor = 1;  // how often the body piece and its decorations count
};

// Recomputes `out` from `set` (its tables are resized to the catalogue).
void RunSkillSummary(const Catalogue& catalogue, const ShownSet& set, SkillSummary& out);

// 1 + the number of Leg, Head, Arm, Wst pieces whose first skill is the
// torso-up system.
int BodyFactor(const Catalogue& catalogue, const ShownSet& set);

// Which activations show for these totals: an active entry switches off the
// entry immediately before it when that one tests the same system.
Activated ActivationsFor(const Catalogue& catalogue, const PointTable& points);

}  // namespace vk
