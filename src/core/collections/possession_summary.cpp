#include "core/collections/possession_summary.h"

#include <algorithm>

#include "core/catalogue/part_letters.h"
#include "core/collections/deco_laying.h"
#include "core/results/detail_panels.h"
#include "core/text/sjis.h"

namespace vk {

bool anySelected(const SelectedPossessions& selected) {
    return std::any_of(selected.begin(), selected.end(), [](const Possession* p) { return p != nullptr; });
}

ShownSet possessionShownSet(const Catalogue& catalogue, const SelectedPossessions& selected) {
    ShownSet set;
    for (int part = 0; part < kArmourParts; ++part) {
        const Possession* owned = selected[part];
        if (!owned) continue;
        set.pieces[part] = owned->PossIndex;
        const int count = std::clamp(owned->PossDecoCount, 0, kSlotsPerPart);
        layDecorations(set.decos, part, std::span<const int>(owned->PossDeco.data(), count), catalogue);
    }
    return set;
}

// The search page's rows give the figures: columns 2..9 there are 防 .. 装飾品.
std::array<PossEquipRow, kPossEquipRows> EquipPossLVRows(const Catalogue& catalogue, const ShownSet& set) {
    const std::array<EquipRowTexts, kEquipRows> full = EquipLVRows(catalogue, set);
    std::array<PossEquipRow, kPossEquipRows> rows;
    auto take = [&](int to, int from, std::string caption) {
        rows[to][0] = std::move(caption);
        std::copy(full[from].begin() + 2, full[from].end(), rows[to].begin() + 1);
    };
    for (int row = 0; row < kArmourParts; ++row) take(row, row, utf8ToSjis(kPartLetter[kDisplayOrder[row]]));
    take(kArmourParts, kEquipTotalRow, full[kEquipTotalRow][0]);
    return rows;
}

std::vector<PossSkillRow> SkillPossLVRows(const Catalogue& catalogue, const SkillSummary& summary) {
    std::vector<PossSkillRow> rows;
    for (const SkillRow& full : SkillLVRows(catalogue, summary)) {
        PossSkillRow row;
        std::copy(full.texts.begin(), full.texts.begin() + 6, row.begin());  // name, 頭 .. 脚
        row[kPossSkillTotalColumn] = full.texts[kSkillTotalColumn];
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string PossMemoText(const Catalogue& catalogue, const SkillSummary& summary) {
    std::string text;
    std::size_t lineStart = 0;
    const std::size_t n = std::min(catalogue.skillEqs.size(), summary.activated.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!summary.activated[i]) continue;
        text += catalogue.skillEqs[i].name;
        if (text.size() - lineStart >= kPossMemoLineBytes) {
            text += "\r\n";
            lineStart = text.size();
        } else {
            text += ' ';
        }
    }
    return text;
}

}  // namespace vk
