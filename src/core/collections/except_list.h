#pragma once
// The exclusion dialog "除外設定" without its window: a working copy of the
// exclusion flags and the rows of its check list for one part choice. OK
// copies the working copy back; Cancel simply drops it. Texts are Shift-JIS.

#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/collections/list_sort.h"
#include "core/search/condition/except_flags.h"

namespace vk {

// ExceptPartRG's items.
enum ExceptPartItem : int {
    kExceptAllParts = 0,  // "全部位": Leg, Head, Body, Arm, Wst, then the decorations
    kExceptHead,          // "頭"
    kExceptBody,          // "胴"
    kExceptArm,           // "腕"
    kExceptWst,           // "腰"
    kExceptLeg,           // "脚"
    kExceptDecos,         // "装飾品"
    kExceptPartItems
};

// ExceptLV's columns: check box, "名称", "レア", "スキル", "部位", "ID".
enum ExceptColumn : int { kExceptCheck = 0, kExceptName, kExceptRarity, kExceptSkills, kExceptPart, kExceptId, kExceptColumns };

// "部位" of a decoration row.
constexpr int kExceptDecoPart = 5;

struct ExceptRow {
    int part = 0;  // PartIndex 0..4, or kExceptDecoPart
    int id = 0;    // row of that part's table (of the decorations)
};

class ExceptList {
public:
    explicit ExceptList(const Catalogue& catalogue);

    // ExceptButtonClick: the working copy becomes `flags` (sized to the
    // catalogue) and the sort state is reset.
    void open(const ExceptFlags& flags);
    // FormShow / ExceptPartRGClick: the rows of `partItem`, in fill order.
    void fill(int partItem);

    int partItem() const { return partItem_; }
    const std::vector<ExceptRow>& rows() const { return rows_; }
    const ExceptFlags& working() const { return working_; }
    const ListSort& sort() const { return sort_; }

    bool isChecked(int row) const;
    // A check box changed (mouse or space key): the working copy follows.
    void setChecked(int row, bool checked);
    // "ON" / "OFF": every listed row of rarity `rarityItem` + 1.
    void setRarity(int rarityItem, bool checked);
    // A header click.
    void sortBy(int column);

    std::string cell(int row, int column) const;  // empty for the check column

private:
    std::uint8_t* flagOf(const ExceptRow& row);
    const std::uint8_t* flagOf(const ExceptRow& row) const;
    int rarityOf(const ExceptRow& row) const;
    std::string text(const ExceptRow& row, int column) const;

    const Catalogue& catalogue_;
    ExceptFlags working_;
    int partItem_ = kExceptAllParts;
    std::vector<ExceptRow> rows_;
    ListSort sort_;
};

}  // namespace vk
