#include "core/search/engine/armour_eval.h"

namespace vk {

int needFor(int kind, int total, int threshold) {
    switch (kind) {
    case kGreaterEqual: return threshold - total;
    case kGreater: return threshold - total + 1;
    case kLessEqual: return threshold - total;
    case kLess: return threshold - total - 1;
    default: return 0;
    }
}

int firstWantedSlot(const WantedSkills& wanted, int system) {
    for (int j = 0; j < kWantedSlots; ++j)
        if (wanted.system[j] == system) return j;
    return -1;
}

ArmourEval evaluateArmour(const Catalogue& cat, const WantedSkills& wanted, const SearchCondition& cond,
                          const Pieces& pieces) {
    ArmourEval ev;
    std::array<int, kWantedSlots> acc{};
    std::array<int, kWantedSlots> bodyPts{};

    // The body piece first: bodyPts keeps the last entry of a system (set, not added).
    for (const SkillPoints& e : cat.equip[Body][pieces[Body]].skill) {
        const int j = firstWantedSlot(wanted, e.system);
        if (j < 0) continue;
        bodyPts[j] = e.points;
        acc[j] += e.points;
    }

    // Entry position outermost, then Leg, Head, Arm, Wst. A torso-up entry
    // repeats the body's points in every wanted slot.
    static constexpr int kOtherParts[4] = {Leg, Head, Arm, Wst};
    for (int k = 0; k < 5; ++k) {
        for (int part : kOtherParts) {
            const SkillPoints& e = cat.equip[part][pieces[part]].skill[k];
            const int j = firstWantedSlot(wanted, e.system);
            if (j >= 0) acc[j] += e.points;
            if (cat.isTorsoUp(e.system)) {
                for (int i = 0; i < kWantedSlots; ++i) acc[i] += bodyPts[i];
                ++ev.bodyFactor;
            }
        }
    }

    // Fixed decorations count in every wanted slot of their systems; those in
    // the body count BodyFactor times.
    if (cond.fixDecorations) {
        for (int p = 0; p < kDecoParts; ++p) {
            const int factor = p == Body ? ev.bodyFactor : 1;
            for (int s = 0; s < kSlotsPerPart; ++s) {
                const int d = cond.fixedDecos.DecoIndex[p][s];
                if (d <= 0) continue;
                for (const SkillPoints& e : cat.decos[d].skill)
                    for (int j = 0; j < kWantedSlots; ++j)
                        if (wanted.system[j] == e.system) ev.fixedDecoPoints[j] += e.points * factor;
            }
        }
    }
    for (int j = 0; j < kWantedSlots; ++j) acc[j] += ev.fixedDecoPoints[j];

    ev.success = true;
    for (int j = 0; j < kWantedSlots; ++j) {
        if (!wanted.set[j]) continue;
        ev.need[j] = needFor(wanted.kind[j], acc[j], wanted.threshold[j]);
        if (!compareTotal(wanted.kind[j], acc[j], wanted.threshold[j])) ev.success = false;
    }
    return ev;
}

}  // namespace vk
