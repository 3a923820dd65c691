#include "core/results/skill_summary.h"

namespace vk {

namespace {

bool pieceInTable(const Catalogue& catalogue, const ShownSet& set, int part) {
    const int row = set.pieces[part];
    return row >= 0 && static_cast<std::size_t>(row) < catalogue.equip[part].size();
}

// Adds `points` of `system` to the total and to `part`'s column and marks
// both touched. A system outside the table (an unknown name) is ignored.
void add(SkillSummary& out, int system, int points, int part) {
    if (system < 0 || static_cast<std::size_t>(system) >= out.points.size()) return;
    out.points[system][kSummaryTotal] += points;
    out.points[system][summaryColumn(part)] += points;
    out.seen[system][kSummaryTotal] = 1;
    out.seen[system][summaryColumn(part)] = 1;
}

}  // namespace

int BodyFactor(const Catalogue& catalogue, const ShownSet& set) {
    int factor = 1;
    for (int part : {Leg, Head, Arm, Wst})
        if (pieceInTable(catalogue, set, part) &&
            catalogue.isTorsoUp(catalogue.equip[part][set.pieces[part]].skill[0].system))
            ++factor;
    return factor;
}

Activated ActivationsFor(const Catalogue& catalogue, const PointTable& points) {
    const auto& eqs = catalogue.skillEqs;
    Activated active(eqs.size(), 0);
    for (std::size_t i = 0; i < eqs.size(); ++i) {
        const int s = eqs[i].system;
        if (s < 0 || static_cast<std::size_t>(s) >= points.size()) continue;
        if (!compareTotal(eqs[i].kind, points[s][kSummaryTotal], eqs[i].threshold)) continue;
        active[i] = 1;
        if (i > 0 && eqs[i - 1].system == s) active[i - 1] = 0;
    }
    return active;
}

void RunSkillSummary(const Catalogue& catalogue, const ShownSet& set, SkillSummary& out) {
    const std::size_t systems = catalogue.skillTypes.size();
    out.points.assign(systems, {});
    out.seen.assign(systems, {});
    out.bodyFactor = BodyFactor(catalogue, set);

    // Armour: skill position by skill position, parts in PartIndex order.
    for (int k = 0; k < 5; ++k) {
        for (int part = 0; part < kArmourParts; ++part) {
            if (!pieceInTable(catalogue, set, part)) continue;
            const SkillPoints& sp = catalogue.equip[part][set.pieces[part]].skill[k];
            add(out, sp.system, part == Body ? sp.points * out.bodyFactor : sp.points, part);
        }
    }
    // Decorations: the body's count as often as the body; the weapon's once.
    for (int part = 0; part < kDecoParts; ++part) {
        for (int slot = 0; slot < kSlotsPerPart; ++slot) {
            const Deco* deco = decoAt(catalogue, set.decos.DecoIndex[part][slot]);
            if (!deco) continue;
            for (const SkillPoints& sp : deco->skill)
                add(out, sp.system, part == Body ? sp.points * out.bodyFactor : sp.points, part);
        }
    }
    out.activated = ActivationsFor(catalogue, out.points);
}

}  // namespace vk
