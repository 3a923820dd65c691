#pragma once
// Page 1 of the main window, "【　所持品登録　】": one list of owned pieces
// per part with its buttons, the filters, the summary of the selected rows
// and "保存". Layout only; behaviour is connected through the members, whose
// names are the controls' objectNames (per-part arrays are indexed by
// PartIndex: PossLV[Head] is HeadPossLV).

#include <array>

#include <QWidget>

#include "core/catalogue/records.h"

class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace vk {

class RadioGroup;

class PossessionPage : public QWidget {
    Q_OBJECT
public:
    explicit PossessionPage(QWidget* parent = nullptr);

    std::array<QTreeView*, kArmourParts> PossLV{};        // HeadPossLV ..
    std::array<QPushButton*, kArmourParts> AddButton{};   // HeadAddButton "追加" ..
    std::array<QPushButton*, kArmourParts> ModButton{};   // HeadModButton "変更" ..
    std::array<QPushButton*, kArmourParts> UpButton{};    // HeadUpButton "↑" ..
    std::array<QPushButton*, kArmourParts> DownButton{};  // HeadDownButton "↓" ..
    std::array<QPushButton*, kArmourParts> DelButton{};   // HeadDelButton "削除" ..

    RadioGroup* SexPossRG = nullptr;   // "両方", "男", "女"
    RadioGroup* TypePossRG = nullptr;  // "両方", "剣士", "ガンナー"
    QPushButton* SaveButton = nullptr;

    QTreeView* EquipPossLV = nullptr;
    QTreeView* SkillPossLV = nullptr;
    QPlainTextEdit* PossMemo = nullptr;
    QPushButton* PossMysetButton = nullptr;

private:
    QWidget* buildPartBox(int part);
    QWidget* buildFilterBox();
    QWidget* buildSummary();
};

}  // namespace vk
