#pragma once
// The condition controls of a search: built for the search page, where the
// user sets them, and again for the result-file page, where they show the
// conditions of a saved search. Both pages lay them out alike; only the
// names (ReqSkill1 / ResultSkill1, IsDecoration / ResultIsDeco, ...) differ.

#include <array>

#include "core/catalogue/records.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vk {

class RadioGroup;
class SkillComboBox;

enum class ConditionPanel { Search, ResultFile };

struct ConditionControls {
    std::array<SkillComboBox*, 5> skill{};  // box 1 first
    RadioGroup* sex = nullptr;              // "男", "女"
    RadioGroup* type = nullptr;             // "剣士", "ガンナー"
    QComboBox* rarity = nullptr;
    QLineEdit* minDefence = nullptr;
    QCheckBox* decorations = nullptr;
    QComboBox* weaponSlots = nullptr;
    QCheckBox* threeSlotPieces = nullptr;
    QCheckBox* possessions = nullptr;
    QCheckBox* allPieces = nullptr;
    QPushButton* exclusions = nullptr;  // search page only: "除外設定"
    QLineEdit* hitLimit = nullptr;
    QComboBox* priority = nullptr;

    // Fixed equipment, indexed by PartIndex.
    std::array<QCheckBox*, kArmourParts> fixed{};
    std::array<QLineEdit*, kArmourParts> fixedPiece{};
    std::array<QPushButton*, kArmourParts> fixedPicker{};  // search page only: "…"
    std::array<QLineEdit*, kArmourParts> fixedDecos{};
    QCheckBox* fixDecorations = nullptr;

    // The two blocks to lay out: the wishes (skills, sex, type, options) and
    // the group "固定装備".
    QWidget* wishes = nullptr;
    QGroupBox* fixedGroup = nullptr;
};

// Builds the controls as children of `parent`, in their initial state.
ConditionControls buildConditionControls(QWidget* parent, ConditionPanel panel);

}  // namespace vk
