#pragma once
// The detail panels of the search page: EquipLV, SkillLV and SkillMemo show
// the selected hit through the window's ShownSet and its skill summary.

#include <functional>
#include <optional>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/results/shown_set.h"
#include "core/results/skill_summary.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/possession.h"
#include "core/search/hits/result.h"

class QAbstractItemModel;
class QPlainTextEdit;
class QStandardItemModel;
class QTreeView;

namespace vk {

class EquipListModel;

class HitDetail {
public:
    // `selectedHit` locates the hit of ResultLV's selected row at the moment
    // it is asked (null when none is selected).
    HitDetail(const Catalogue& catalogue, const PossessionLists& possessions, QTreeView& equipLV, QTreeView& skillLV,
              QPlainTextEdit& skillMemo, std::function<std::optional<Result>()> selectedHit);

    // The fill procedure: ShownSet from the hit with the weapon slots, sex
    // and type of the search that produced it, then the three panels.
    void show(const Result& hit, const SearchCondition& search);
    // A search starts: the panels empty.
    void clear();

    // The text report (Shift-JIS) of the hit; overwrites ShownSet and the
    // summary as every report does.
    std::string report(const Result& hit, const SearchCondition& search);

    const ShownSet& shownSet() const { return shown_; }
    EquipListModel& equipModel() const { return *equipModel_; }

private:
    const Catalogue& catalogue_;
    QTreeView& skillLV_;
    QPlainTextEdit& skillMemo_;
    EquipListModel* equipModel_;
    QStandardItemModel* skillModel_;
    ShownSet shown_;
    SkillSummary summary_;
};

// A skill list (SkillLV and its twins: one row per touched system, coloured
// by its total) and an activated-skill memo from a summary.
void showSkillSummary(const Catalogue& catalogue, const SkillSummary& summary, QStandardItemModel& skillModel,
                      QPlainTextEdit& memo);

// Puts `model` under `view` with the view's column widths kept.
void replaceListModel(QTreeView& view, QAbstractItemModel* model);

}  // namespace vk
