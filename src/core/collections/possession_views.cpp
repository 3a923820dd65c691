#include "core/collections/possession_views.h"

#include <utility>

namespace vk {

namespace {
bool validRow(const PossView& view, int row) { return row >= 0 && row < static_cast<int>(view.size()); }
}  // namespace

PossView filterPossessions(const Catalogue& catalogue, int part, const std::deque<Possession>& owned, int sex,
                           int type) {
    PossView view;
    const auto& table = catalogue.equip[part];
    for (std::size_t k = 0; k < owned.size(); ++k) {
        const int row = owned[k].PossIndex;
        const bool known = row >= 0 && row < static_cast<int>(table.size());
        const int pieceSex = known ? table[row].sex : 0;
        const int pieceType = known ? table[row].type : 0;
        if ((sex == 0 || codeFits(pieceSex, sex)) && (type == 0 || codeFits(pieceType, type)))
            view.push_back(static_cast<int>(k));
    }
    return view;
}

PossViews filterPossessions(const Catalogue& catalogue, const PossessionLists& owned, int sex, int type) {
    PossViews views;
    for (int part = 0; part < kArmourParts; ++part) views[part] = filterPossessions(catalogue, part, owned[part], sex, type);
    return views;
}

std::string possessionDecoText(const Possession& owned) {
    std::string text;
    for (int j = 0; j < kSlotsPerPart; ++j)
        if (owned.PossDeco[j] > 0) {
            text += owned.PossDecoName[j];
            text += ' ';
        }
    return text;
}

Possession makePossession(const Catalogue& catalogue, int part, int index, std::span<const int> decos) {
    Possession owned;
    owned.PossPart = part;
    owned.PossIndex = index;
    if (index >= 0 && index < static_cast<int>(catalogue.equip[part].size()))
        owned.PossName = catalogue.equip[part][index].name;
    for (int deco : decos) {
        if (owned.PossDecoCount >= kSlotsPerPart) break;
        if (deco <= 0 || deco >= static_cast<int>(catalogue.decos.size())) continue;
        owned.PossDeco[owned.PossDecoCount] = deco;
        owned.PossDecoName[owned.PossDecoCount] = catalogue.decos[deco].name;
        ++owned.PossDecoCount;
    }
    return owned;
}

void appendPossession(std::deque<Possession>& owned, PossView& view, Possession added) {
    owned.push_back(std::move(added));
    view.push_back(static_cast<int>(owned.size()) - 1);
}

int erasePossessionRow(std::deque<Possession>& owned, PossView& view, int row) {
    if (!validRow(view, row)) return -1;
    const int position = view[row];
    if (position >= 0 && position < static_cast<int>(owned.size())) owned.erase(owned.begin() + position);
    view.erase(view.begin() + row);
    for (int r = row; r < static_cast<int>(view.size()); ++r) --view[r];
    if (view.empty()) return -1;
    return row < static_cast<int>(view.size()) ? row : row - 1;
}

bool swapPossessionRows(std::deque<Possession>& owned, const PossView& view, int row, int otherRow) {
    if (!validRow(view, row) || !validRow(view, otherRow)) return false;
    std::swap(owned.at(view[row]), owned.at(view[otherRow]));
    return true;
}

}  // namespace vk
