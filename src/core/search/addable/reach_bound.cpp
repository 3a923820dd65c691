#include "core/search/addable/reach_bound.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "core/search/addable/addable_candidates.h"
#include "core/search/condition/wanted_skills.h"

namespace vk {

namespace {

constexpr double kLeast = -std::numeric_limits<double>::infinity();

struct Group {
    std::vector<int> systems;
    std::vector<double> weights;
    double need = 0.0;  // the weighted points the skills need
};

// Weighted points of a record's entries in the group's systems.
template <class Entries>
double weighted(const Group& g, const Entries& entries, bool positiveOnly) {
    double sum = 0.0;
    for (const SkillPoints& e : entries)
        for (std::size_t k = 0; k < g.systems.size(); ++k)
            if (e.system == g.systems[k] && (!positiveOnly || e.points > 0)) sum += g.weights[k] * e.points;
    return sum;
}

// What a torso-up entry repeats of a body: per system the last of its
// entries, as the armour test keeps it.
double repeated(const Group& g, const Equip& body) {
    double sum = 0.0;
    for (std::size_t k = 0; k < g.systems.size(); ++k) {
        int last = 0;
        for (const SkillPoints& e : body.skill)
            if (e.system == g.systems[k]) last = e.points;
        sum += g.weights[k] * last;
    }
    return sum;
}

int torsoEntries(const Catalogue& cat, const Equip& piece) {
    int n = 0;
    for (const SkillPoints& e : piece.skill)
        if (cat.isTorsoUp(e.system)) ++n;
    return n;
}

// The decorations a layout of the search can hold: those within the rarity
// limit and not excluded, and the fixed ones.
std::vector<int> usableDecos(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot) {
    std::vector<int> decos;
    if (cond.useDecorations)
        for (int d = 1; d < static_cast<int>(cat.decos.size()); ++d)
            if ((cond.rarityLimit == 0 || cat.decos[d].rarity <= cond.rarityLimit) && !snapshot.exclusions.decoExcluded(d))
                decos.push_back(d);
    if (cond.fixDecorations)
        for (int p = 0; p < kDecoParts; ++p)
            for (int s = 0; s < 3; ++s) {
                const int d = cond.fixedDecos.DecoIndex[p][s];
                if (d > 0 && d < static_cast<int>(cat.decos.size())) decos.push_back(d);
            }
    return decos;
}

// The most weighted points a slot can hold; nothing when a decoration
// gives points without taking a slot.
std::optional<double> perSlot(const Catalogue& cat, const Group& g, const std::vector<int>& decos) {
    double best = 0.0;
    for (int d : decos) {
        const double pts = weighted(g, cat.decos[d].skill, true);
        if (pts <= 0.0) continue;
        if (cat.decos[d].slots <= 0) return std::nullopt;
        best = std::max(best, pts / cat.decos[d].slots);
    }
    return best;
}

bool groupMayMeet(const Catalogue& cat, const SearchCondition& cond, const CandidateLists& lists,
                  const std::vector<int>& decos, const Group& g) {
    const std::optional<double> slotValue = perSlot(cat, g, decos);
    if (!slotValue) return true;
    const double rho = *slotValue;
    // Slots decorations can take in a piece: its own, or those its fixed
    // decorations take when that is more.
    auto slotsOf = [&](int part, const Equip& piece) {
        const int fixedUsed = cond.fixDecorations ? cond.fixedDecos.SlotsUsed[part] : 0;
        return std::max({0, piece.slots, fixedUsed});
    };
    double bodyMost = kLeast;
    double repeatMost = 0.0;
    for (int row : lists.parts[Body]) {
        const Equip& body = cat.equip[Body][row];
        bodyMost = std::max(bodyMost, weighted(g, body.skill, false) + slotsOf(Body, body) * rho);
        repeatMost = std::max(repeatMost, repeated(g, body) + slotsOf(Body, body) * rho);
    }
    double most = bodyMost + (cond.useDecorations ? std::max(0, cond.weaponSlots) * rho : 0.0);
    for (int p : {Head, Arm, Wst, Leg}) {
        double partMost = kLeast;
        for (int row : lists.parts[p]) {
            const Equip& piece = cat.equip[p][row];
            partMost = std::max(partMost, weighted(g, piece.skill, false) + slotsOf(p, piece) * rho +
                                              torsoEntries(cat, piece) * repeatMost);
        }
        most += partMost;
    }
    // A margin far above rounding, far below one weighted point.
    return most + 1e-6 * (1.0 + std::abs(g.need)) >= g.need;
}

}  // namespace

bool mayMeetWanted(const Catalogue& cat, const SearchCondition& cond, const CandidateLists& lists,
                   const SearchSnapshot& snapshot) {
    const std::vector<int> decos = usableDecos(cat, cond, snapshot);
    // The skills the bound follows: ">=" and ">" ones of a real system other
    // than torso-up (those take part in the armour test in other ways).
    std::vector<int> skills;
    for (int j = 0; j < kWantedSlots; ++j) {
        const int row = cond.wanted[j];
        if (row <= 0) continue;
        const SkillEq& eq = cat.skillEqs[row];
        if (isPositiveKind(eq.kind) && eq.system != 0 && !cat.isTorsoUp(eq.system)) skills.push_back(row);
    }
    for (unsigned mask = 1; mask < (1u << skills.size()); ++mask) {
        Group g;
        for (std::size_t k = 0; k < skills.size(); ++k) {
            if (!(mask & (1u << k))) continue;
            const SkillEq& eq = cat.skillEqs[skills[k]];
            Group alone;
            alone.systems = {eq.system};
            alone.weights = {1.0};
            const std::optional<double> best = perSlot(cat, alone, decos);
            g.systems.push_back(eq.system);
            g.weights.push_back(best && *best > 0.0 ? 1.0 / *best : 1.0);
            g.need += g.weights.back() * static_cast<double>(pointsNeeded(eq));
        }
        if (!groupMayMeet(cat, cond, lists, decos, g)) return false;
    }
    return true;
}

}  // namespace vk
