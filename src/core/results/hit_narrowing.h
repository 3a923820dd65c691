#pragma once
// The result detail window's model: a list of hits split, per part, into the
// distinct pieces-with-decorations (alternatives) that occur in them, with
// the hits behind each. Selecting one alternative per part narrows the hits
// down; the other parts then highlight the alternatives that some remaining
// hit still uses.
//
// Fill builds every map once, so a selection costs an intersection of the
// selected rows' hit lists (walking the shortest one) and one pass over the
// kept hits per unselected part; never a pass over all hits.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/results/shown_set.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/possession.h"
#include "core/search/hits/result_store.h"

namespace vk {

// One alternative of a part: the piece (0 for the weapon) and the three
// decorations in slot order (0 = none).
struct EquipDeco {
    int part = 0;
    int piece = 0;
    std::array<int, kSlotsPerPart> decos{};

    bool operator==(const EquipDeco&) const = default;
};

using HitPositions = std::vector<std::uint32_t>;  // positions in the filled hits, ascending

class HitNarrowing {
public:
    static constexpr int kNoRow = -1;

    // Fill: reads the hits (packed, in search order) and takes their
    // conditions, collects the alternatives (armour parts ordered by the
    // names of piece and decorations, the weapon in order of first
    // appearance), maps every row to its hits, clears every selection,
    // highlights every row and sets FillPending. The hits are not kept: what
    // the window shows and narrows is all in these maps, and a copy of
    // millions of hits would double what they take while the window holds it.
    void Fill(const Catalogue& catalogue, const SearchCondition& condition, const ResultStore& hits);

    const SearchCondition& DetailCondition() const { return condition_; }
    // How many hits the last Fill read.
    std::size_t hitCount() const { return rowOfHit_[0].size(); }

    int rowCount(int part) const { return static_cast<int>(alternatives_[part].size()); }
    const EquipDeco& alternative(int part, int row) const { return alternatives_[part][row]; }
    const HitPositions& hitsOfRow(int part, int row) const { return hitsByRow_[part][row]; }
    // The row of hit `hit`'s alternative of `part`.
    int rowOfHit(int part, std::uint32_t hit) const { return static_cast<int>(rowOfHit_[part][hit]); }

    // Selection of one list; kNoRow for none. select() on a row already
    // selected, or outside the list, changes nothing.
    int selectedRow(int part) const { return selected_[part]; }
    bool anySelected() const;
    bool allSelected() const;
    void select(int part, int row);
    void clearSelection(int part);  // a cancel button
    void clearAllSelections();      // AllCancelButton

    // Rows painted green in a list without a selection.
    bool isHighlighted(int part, int row) const { return highlight_[part][row] != 0; }
    // The hits that agree with every selection (all hits when none is made).
    const HitPositions& Matching() const { return matching_; }

    // True once after each Fill: the window refills its lists when shown.
    bool takeFillPending();

    // The selected set: the selected alternatives (row 0 pieces and no
    // decorations for parts without a selection), with the sex, type and
    // weapon slots of the conditions.
    ShownSet selectedSet() const;

private:
    void recompute();

    SearchCondition condition_;
    std::array<std::vector<EquipDeco>, kDecoParts> alternatives_;
    std::array<std::vector<HitPositions>, kDecoParts> hitsByRow_;
    std::array<std::vector<std::uint32_t>, kDecoParts> rowOfHit_;
    std::array<std::vector<std::uint8_t>, kDecoParts> highlight_;
    std::array<int, kDecoParts> selected_ = {kNoRow, kNoRow, kNoRow, kNoRow, kNoRow, kNoRow};
    HitPositions matching_;
    bool fillPending_ = false;
};

// Texts of a row of an armour part's list: "■" when the piece is owned,
// the piece name, its defence, its decoration names each followed by a
// blank. Shift-JIS.
std::array<std::string, 4> alternativeRowTexts(const Catalogue& catalogue, const PossessionLists& possessions,
                                               const EquipDeco& alternative);
// The weapon list's caption: the decoration names each followed by a blank,
// or the name of decoration row 0 when there are none.
std::string weaponAlternativeText(const Catalogue& catalogue, const EquipDeco& alternative);

// The detail window's equipment list EquipResultLV: 部, 防, 火, 水, 雷, 氷,
// 龍, ス, 装飾品. Rows 頭, 胴, 腕, 腰, 脚, 武器, 計; the total's slots add the
// weapon's.
constexpr int kDetailEquipColumns = 9;
using DetailEquipRow = std::array<std::string, kDetailEquipColumns>;
std::array<DetailEquipRow, 7> DetailEquipRows(const Catalogue& catalogue, const ShownSet& set);

}  // namespace vk
