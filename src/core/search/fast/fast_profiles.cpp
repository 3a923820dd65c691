#include "core/search/fast/fast_profiles.h"

#include "core/search/engine/armour_eval.h"

namespace vk {

PieceProfile pieceProfile(const Catalogue& cat, const WantedSkills& wanted, const Equip& piece) {
    PieceProfile p;
    for (const SkillPoints& e : piece.skill) {
        const int j = firstWantedSlot(wanted, e.system);
        if (j >= 0) p.points[j] += e.points;
        if (cat.isTorsoUp(e.system)) ++p.torso;
    }
    p.slots = piece.slots;
    p.defence = piece.defence;
    return p;
}

BodyProfile bodyProfile(const Catalogue&, const WantedSkills& wanted, const Equip& piece) {
    BodyProfile p;
    for (const SkillPoints& e : piece.skill) {
        const int j = firstWantedSlot(wanted, e.system);
        if (j < 0) continue;
        p.last[j] = e.points;  // set, not added
        p.sum[j] += e.points;
    }
    p.slots = piece.slots;
    p.defence = piece.defence;
    return p;
}

FixedDecoPoints fixedDecoPoints(const Catalogue& cat, const WantedSkills& wanted, const SearchCondition& cond) {
    FixedDecoPoints f;
    if (!cond.fixDecorations) return f;
    for (int p = 0; p < kDecoParts; ++p) {
        WantedInts& into = p == Body ? f.body : f.outside;
        for (int s = 0; s < kSlotsPerPart; ++s) {
            const int d = cond.fixedDecos.DecoIndex[p][s];
            if (d <= 0) continue;
            // Every wanted slot of the entry's system counts it, not only the first.
            for (const SkillPoints& e : cat.decos[d].skill)
                for (int j = 0; j < kWantedSlots; ++j)
                    if (wanted.system[j] == e.system) into[j] += e.points;
        }
    }
    return f;
}

}  // namespace vk
