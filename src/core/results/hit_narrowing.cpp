#include "core/results/hit_narrowing.h"

#include <algorithm>
#include <numeric>
#include <thread>
#include <tuple>
#include <utility>

#include "core/catalogue/part_letters.h"
#include "core/results/detail_panels.h"
#include "core/text/sjis.h"

namespace vk {

namespace {

// The alternatives of one part met so far, each with its row in order of
// first appearance: an open table probed in place, since every hit asks it
// once per part. A run of hits with the same alternative (the search tries
// one part's pieces innermost) is answered without a probe.
class AlternativeRows {
public:
    explicit AlternativeRows(std::vector<EquipDeco>& alternatives)
        : alternatives_(alternatives), slots_(64, kFree) {}

    std::uint32_t rowOf(const EquipDeco& e) {
        if (last_ != kFree && alternatives_[last_] == e) return last_;
        const std::size_t mask = slots_.size() - 1;
        std::size_t at = hashOf(e) & mask;
        for (; slots_[at] != kFree; at = (at + 1) & mask)
            if (alternatives_[slots_[at]] == e) return last_ = slots_[at];
        last_ = slots_[at] = static_cast<std::uint32_t>(alternatives_.size());
        alternatives_.push_back(e);
        if (alternatives_.size() * 2 > slots_.size()) grow();
        return last_;
    }

private:
    static constexpr std::uint32_t kFree = 0xFFFFFFFFu;
    static std::size_t hashOf(const EquipDeco& e) {
        std::uint64_t h = static_cast<std::uint32_t>(e.piece);
        for (int d : e.decos) h = (h ^ static_cast<std::uint32_t>(d)) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
    void grow() {
        slots_.assign(slots_.size() * 2, kFree);
        for (std::uint32_t row = 0; row < alternatives_.size(); ++row) {
            std::size_t at = hashOf(alternatives_[row]) & (slots_.size() - 1);
            while (slots_[at] != kFree) at = (at + 1) & (slots_.size() - 1);
            slots_[at] = row;
        }
    }

    std::vector<EquipDeco>& alternatives_;
    std::vector<std::uint32_t> slots_;
    std::uint32_t last_ = kFree;
};

EquipDeco equipDecoOf(const ResultStore::StoredRows& hit, int part) {
    EquipDeco e;
    e.part = part;
    e.piece = part < kArmourParts ? hit.pieces[part] : 0;
    for (int slot = 0; slot < kSlotsPerPart; ++slot) e.decos[slot] = hit.decos[part * kSlotsPerPart + slot];
    return e;
}

const std::string& pieceName(const Catalogue& catalogue, int part, int row) {
    static const std::string none;
    const auto& table = catalogue.equip[part];
    return row >= 0 && static_cast<std::size_t>(row) < table.size() ? table[row].name : none;
}

// Decoration row 0, the empty slot, has a name too; it sorts like any other.
const std::string& decoName(const Catalogue& catalogue, int row) {
    static const std::string none;
    return row >= 0 && static_cast<std::size_t>(row) < catalogue.decos.size() ? catalogue.decos[row].name : none;
}

std::string decorationNames(const Catalogue& catalogue, const EquipDeco& alternative) {
    std::string text;
    for (int d : alternative.decos)
        if (const Deco* deco = decoAt(catalogue, d)) {
            text += deco->name;
            text += ' ';
        }
    return text;
}

// Orders alternatives by the names of piece and decorations (unsigned bytes;
// equal names keep their order of first appearance). Returns new row per old.
std::vector<std::uint32_t> sortByNames(const Catalogue& catalogue, std::vector<EquipDeco>& alternatives) {
    const std::size_t n = alternatives.size();
    std::vector<std::uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0u);
    auto key = [&](std::uint32_t i) {
        const EquipDeco& e = alternatives[i];
        return std::tie(pieceName(catalogue, e.part, e.piece), decoName(catalogue, e.decos[0]),
                        decoName(catalogue, e.decos[1]), decoName(catalogue, e.decos[2]));
    };
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
    std::vector<EquipDeco> sorted;
    sorted.reserve(n);
    std::vector<std::uint32_t> newRow(n);
    for (std::uint32_t row = 0; row < n; ++row) {
        sorted.push_back(alternatives[order[row]]);
        newRow[order[row]] = row;
    }
    alternatives = std::move(sorted);
    return newRow;
}

}  // namespace

void HitNarrowing::Fill(const Catalogue& catalogue, const SearchCondition& condition, const ResultStore& hits) {
    condition_ = condition;
    // Parts [first, last): one pass over the hits reads each hit's rows once.
    auto fillParts = [this, &catalogue, &hits](int first, int last) {
        const std::size_t n = hits.size();
        std::vector<AlternativeRows> rows;
        for (int part = first; part < last; ++part) {
            alternatives_[part].clear();
            rowOfHit_[part].resize(n);
            rows.emplace_back(alternatives_[part]);
        }
        for (std::size_t h = 0; h < n; ++h) {
            const ResultStore::StoredRows stored = hits.storedRows(h);
            for (int part = first; part < last; ++part)
                rowOfHit_[part][h] = rows[part - first].rowOf(equipDecoOf(stored, part));
        }
        for (int part = first; part < last; ++part) {
            std::vector<std::uint32_t>& rowOfHit = rowOfHit_[part];
            std::vector<std::uint32_t> newRow(alternatives_[part].size());
            if (part < kArmourParts) newRow = sortByNames(catalogue, alternatives_[part]);
            else std::iota(newRow.begin(), newRow.end(), 0u);
            std::vector<std::uint32_t> sizes(newRow.size(), 0);
            for (std::uint32_t& row : rowOfHit) ++sizes[row = newRow[row]];
            std::vector<HitPositions>& hitsByRow = hitsByRow_[part];
            hitsByRow.assign(sizes.size(), {});
            for (std::size_t row = 0; row < sizes.size(); ++row) hitsByRow[row].reserve(sizes[row]);
            for (std::size_t h = 0; h < n; ++h) hitsByRow[rowOfHit[h]].push_back(static_cast<std::uint32_t>(h));
        }
    };
    // Half the parts on a second thread: with millions of hits these passes
    // are most of what opening the window costs.
    std::thread other(fillParts, 0, kDecoParts / 2);
    fillParts(kDecoParts / 2, kDecoParts);
    other.join();
    clearAllSelections();
    fillPending_ = true;
}

bool HitNarrowing::anySelected() const {
    return std::any_of(selected_.begin(), selected_.end(), [](int row) { return row != kNoRow; });
}

bool HitNarrowing::allSelected() const {
    return std::none_of(selected_.begin(), selected_.end(), [](int row) { return row == kNoRow; });
}

void HitNarrowing::select(int part, int row) {
    if (part < 0 || part >= kDecoParts || row < 0 || row >= rowCount(part) || selected_[part] == row) return;
    selected_[part] = row;
    recompute();
}

void HitNarrowing::clearSelection(int part) {
    if (part < 0 || part >= kDecoParts) return;
    selected_[part] = kNoRow;
    recompute();
}

void HitNarrowing::clearAllSelections() {
    selected_.fill(kNoRow);
    recompute();
}

void HitNarrowing::recompute() {
    matching_.clear();
    if (!anySelected()) {
        for (int part = 0; part < kDecoParts; ++part) highlight_[part].assign(alternatives_[part].size(), 1);
        return;
    }
    // The kept hits are those of the shortest selected list that every other
    // selection agrees with: the same set as intersecting all of them.
    int shortest = kNoRow;
    for (int part = 0; part < kDecoParts; ++part)
        if (selected_[part] != kNoRow &&
            (shortest == kNoRow || hitsOfRow(part, selected_[part]).size() < hitsOfRow(shortest, selected_[shortest]).size()))
            shortest = part;
    for (std::uint32_t h : hitsOfRow(shortest, selected_[shortest])) {
        bool agrees = true;
        for (int part = 0; part < kDecoParts && agrees; ++part)
            agrees = selected_[part] == kNoRow || rowOfHit_[part][h] == static_cast<std::uint32_t>(selected_[part]);
        if (agrees) matching_.push_back(h);
    }
    for (int part = 0; part < kDecoParts; ++part) {
        std::vector<std::uint8_t>& highlight = highlight_[part];
        highlight.assign(alternatives_[part].size(), 0);
        if (selected_[part] != kNoRow) continue;
        for (std::uint32_t h : matching_) highlight[rowOfHit_[part][h]] = 1;
    }
}

bool HitNarrowing::takeFillPending() { return std::exchange(fillPending_, false); }

ShownSet HitNarrowing::selectedSet() const {
    ShownSet set;
    for (int part = 0; part < kDecoParts; ++part) {
        if (selected_[part] == kNoRow) continue;
        const EquipDeco& e = alternatives_[part][selected_[part]];
        if (part < kArmourParts) set.pieces[part] = e.piece;
        for (int slot = 0; slot < kSlotsPerPart; ++slot) set.decos.DecoIndex[part][slot] = e.decos[slot];
    }
    set.weaponSlots = condition_.weaponSlots;
    set.sex = condition_.sex;
    set.type = condition_.type;
    return set;
}

std::array<std::string, 4> alternativeRowTexts(const Catalogue& catalogue, const PossessionLists& possessions,
                                               const EquipDeco& alternative) {
    static const std::string owned = utf8ToSjis("■");
    const int part = alternative.part;
    const bool isArmour = part >= 0 && part < kArmourParts;
    const Equip* piece = isArmour && alternative.piece >= 0 &&
                                 static_cast<std::size_t>(alternative.piece) < catalogue.equip[part].size()
                             ? &catalogue.equip[part][alternative.piece]
                             : nullptr;
    return {isArmour && isPossessed(possessions, part, alternative.piece) ? owned : std::string(),
            piece ? piece->name : std::string(), piece ? std::to_string(piece->defence) : std::string(),
            decorationNames(catalogue, alternative)};
}

std::string weaponAlternativeText(const Catalogue& catalogue, const EquipDeco& alternative) {
    std::string text = decorationNames(catalogue, alternative);
    return text.empty() ? decoName(catalogue, 0) : text;
}

std::array<DetailEquipRow, 7> DetailEquipRows(const Catalogue& catalogue, const ShownSet& set) {
    std::array<DetailEquipRow, 7> rows;
    for (int row = 0; row < kArmourParts; ++row) {
        const int part = kDisplayOrder[row];
        const Equip& e = shownPiece(catalogue, set, part);
        rows[row] = {utf8ToSjis(kPartLetter[part]), std::to_string(e.defence), std::to_string(e.fire),
                     std::to_string(e.water), std::to_string(e.thunder), std::to_string(e.ice),
                     std::to_string(e.dragon), std::to_string(e.slots), decorationText(catalogue, set.decos, part)};
    }
    rows[5][0] = utf8ToSjis("武器");
    rows[5][7] = std::to_string(set.weaponSlots);
    rows[5][8] = decorationText(catalogue, set.decos, Weapon);
    const ArmourSums sums = armourSumsOf(catalogue, set);
    rows[6] = {utf8ToSjis("計"), std::to_string(sums.defence), std::to_string(sums.fire), std::to_string(sums.water),
               std::to_string(sums.thunder), std::to_string(sums.ice), std::to_string(sums.dragon),
               std::to_string(slotsWithWeapon(sums, set)), ""};
    return rows;
}

}  // namespace vk
