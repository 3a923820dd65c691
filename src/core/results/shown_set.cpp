#include "core/results/shown_set.h"

namespace vk {

ShownSet shownSetOf(const Result& hit, int weaponSlots, int sex, int type) {
    ShownSet set;
    for (int part = 0; part < kArmourParts; ++part) set.pieces[part] = hit.Index[part];
    set.decos = hit.Decos;
    set.weaponSlots = weaponSlots;
    set.sex = sex;
    set.type = type;
    return set;
}

const Equip& shownPiece(const Catalogue& catalogue, const ShownSet& set, int part) {
    static const Equip blank;
    const auto& table = catalogue.equip[part];
    const int row = set.pieces[part];
    if (row < 0 || static_cast<std::size_t>(row) >= table.size()) return blank;
    return table[row];
}

const Deco* decoAt(const Catalogue& catalogue, int index) {
    if (index <= 0 || static_cast<std::size_t>(index) >= catalogue.decos.size()) return nullptr;
    return &catalogue.decos[index];
}

std::string decorationText(const Catalogue& catalogue, const DecoSet& decos, int part) {
    std::string text;
    for (int slot = 0; slot < kSlotsPerPart; ++slot) {
        if (const Deco* deco = decoAt(catalogue, decos.DecoIndex[part][slot])) {
            text += deco->name;
            text += ' ';
        }
    }
    return text;
}

std::string fixedDecorationText(const Catalogue& catalogue, const DecoSet& decos, int part) {
    std::string text = decorationText(catalogue, decos, part);
    if (text.empty() && !catalogue.decos.empty()) text = catalogue.decos[0].name;
    return text;
}

}  // namespace vk
