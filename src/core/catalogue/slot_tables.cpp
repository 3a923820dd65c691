#include "core/catalogue/slot_tables.h"

namespace vk {

std::vector<int> threeSlotPieces(const std::vector<Equip>& pieces) {
    std::vector<int> list;
    for (int i = 0; i < static_cast<int>(pieces.size()); ++i)
        if (pieces[i].slots > 2) list.push_back(i);
    return list;
}

void computeSlotRatios(Catalogue& cat) {
    const int systems = cat.systemCount();
    // System 0 is never wanted; its entries stay 0 unless a decoration names it.
    cat.slotsPerPoint.assign(static_cast<std::size_t>(systems), 0.0f);
    cat.slotsPerMinusPoint.assign(static_cast<std::size_t>(systems), 0.0f);
    for (int s = 1; s < systems; ++s) {
        cat.slotsPerPoint[s] = 1.0f;
        cat.slotsPerMinusPoint[s] = -3.0f;
    }
    // An entry with 0 points says nothing about slots per point, and one that
    // names no known system has no ratio to update: both are passed over.
    auto ratio = [systems](const Deco& d, const SkillPoints& entry, float& r) {
        if (entry.system < 0 || entry.system >= systems || entry.points == 0) return false;
        r = static_cast<float>(d.slots) / static_cast<float>(entry.points);
        return true;
    };
    for (std::size_t i = 1; i < cat.decos.size(); ++i) {
        const Deco& d = cat.decos[i];
        if (d.slots > kSlotsPerPart) continue;  // never fits: it brings no points for any slot
        float r;
        if (ratio(d, d.skill[0], r) && r < cat.slotsPerPoint[d.skill[0].system]) cat.slotsPerPoint[d.skill[0].system] = r;
        if (d.skill[1].system != 0 && ratio(d, d.skill[1], r) && r > cat.slotsPerMinusPoint[d.skill[1].system])
            cat.slotsPerMinusPoint[d.skill[1].system] = r;
    }
}

}  // namespace vk
