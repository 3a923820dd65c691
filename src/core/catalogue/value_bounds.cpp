#include "core/catalogue/value_bounds.h"

#include <algorithm>

namespace vk {

namespace {

void boundValue(int& v) { v = std::clamp(v, -kValueLimit, kValueLimit); }

template <std::size_t N>
void boundPoints(std::array<SkillPoints, N>& skills) {
    for (SkillPoints& e : skills) boundValue(e.points);
}

}  // namespace

void boundPieces(std::vector<Equip>& pieces) {
    for (Equip& e : pieces) {
        e.slots = std::clamp(e.slots, 0, kSlotsPerPart);
        for (int* v : {&e.defence, &e.fire, &e.water, &e.thunder, &e.ice, &e.dragon}) boundValue(*v);
        boundPoints(e.skill);
    }
}

void boundDecos(std::vector<Deco>& decos) {
    for (std::size_t i = 0; i < decos.size(); ++i) {
        Deco& d = decos[i];
        const int least = i == 0 ? 0 : 1;
        if (d.slots < least || d.slots > kSlotsPerPart) d.slots = i == 0 ? 0 : kNeverFitsSlots;
        boundPoints(d.skill);
    }
}

void boundSkillEqs(std::vector<SkillEq>& eqs) {
    for (SkillEq& eq : eqs) eq.threshold = std::clamp(eq.threshold, -kThresholdLimit, kThresholdLimit);
}

void boundCatalogueValues(Catalogue& cat) {
    for (auto& table : cat.equip) boundPieces(table);
    boundDecos(cat.decos);
    boundSkillEqs(cat.skillEqs);
}

}  // namespace vk
