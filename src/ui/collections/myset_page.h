#pragma once
// Page 2 of the main window, "【　マイセット管理　】": the list of my sets,
// the editor of one my set and its summary. Layout only; behaviour is
// connected through the members, whose names are the controls' objectNames
// (per-part arrays are indexed by PartIndex, the weapon at Weapon).

#include <array>

#include <QWidget>

#include "core/catalogue/records.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace vk {

class RadioGroup;

class MysetPage : public QWidget {
    Q_OBJECT
public:
    explicit MysetPage(QWidget* parent = nullptr);

    QTreeView* MysetLV = nullptr;
    QPushButton* MysetUpButton = nullptr;
    QPushButton* MysetDownButton = nullptr;
    QPushButton* MysetDelButton = nullptr;

    RadioGroup* MysetSexRG = nullptr;   // no item chosen at first
    RadioGroup* MysetTypeRG = nullptr;  // no item chosen at first
    std::array<QLineEdit*, kArmourParts> PieceEdit{};  // MysetHeadEdit .. (read-only)
    std::array<QLineEdit*, kDecoParts> DecoEdit{};     // MysetHeadDecoEdit .., MysetWeponDecoEdit (read-only)
    std::array<QPushButton*, kDecoParts> PartButton{}; // MysetHeadButton .., MysetWeponButton "…"
    QComboBox* MysetWeponSlotCB = nullptr;
    QLineEdit* MysetEdit = nullptr;
    QPushButton* MysetAddButton = nullptr;
    QPushButton* MysetReplaceButton = nullptr;
    QPushButton* MysetCopyButton = nullptr;

    QTreeView* MysetEquipLV = nullptr;
    QTreeView* MysetSkillLV = nullptr;
    QPlainTextEdit* MysetSkillMemo = nullptr;

private:
    QWidget* buildList();
    QWidget* buildEditor();
    QWidget* buildSummary();
};

}  // namespace vk
