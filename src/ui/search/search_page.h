#pragma once
// Page 0 of the main window, "【　スキルシミュレート　】": the search
// conditions and controls (upper left), the detail of the selected hit (upper
// right), the hit list (lower left) and the pieces of the selected hit (lower
// right). The page only lays the controls out; the main window and the search
// subsystem connect their behaviour through the members below, which carry the
// controls' names (each control's objectName is the same name). One behaviour
// is the page's own: "検索" is the conditions' default button, so Enter in a
// condition control clicks it.

#include <QWidget>

#include "ui/search/condition_controls.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace vk {

class ResultListView;

class SearchPage : public QWidget {
    Q_OBJECT
public:
    explicit SearchPage(QWidget* parent = nullptr);

    // ReqSkill1..5, SexRG, TypeRG, RareCB, DefEdit, IsDecoration, WeponCB,
    // Add3SlotCB, IsPossession, AllEquipCB, ExceptButton, HitLimitEdit,
    // PriorityCB, HeadCB..LegCB, HeadEdit..LegEdit, HeadButton..LegButton,
    // HeadDecoEdit..LegDecoEdit, FixDecoCB.
    ConditionControls conditions;

    // Search control and progress.
    QPushButton* SearchButton = nullptr;
    QPushButton* StopButton = nullptr;
    QPushButton* SuspendButton = nullptr;
    QPushButton* AddableButton = nullptr;  // "追加スキル検索": opens the additional-skill dialog
    QProgressBar* progressBar = nullptr;
    QLabel* CountLabel = nullptr;
    QLabel* ProgressLabel = nullptr;
    QLabel* SortLabel = nullptr;
    QLabel* SearchTimeLabel = nullptr;
    QLabel* ETALabel = nullptr;

    // Detail of the selected hit.
    QPlainTextEdit* SkillMemo = nullptr;
    QTreeView* SkillLV = nullptr;
    QPlainTextEdit* HelpMemo = nullptr;
    QPushButton* CopyButton = nullptr;
    QPushButton* MysetButton = nullptr;

    // The hits and the pieces of the selected one.
    ResultListView* ResultLV = nullptr;
    QPushButton* ResultButton = nullptr;
    QPushButton* ResultSaveButton = nullptr;
    QTreeView* EquipLV = nullptr;

    static constexpr int kUpperBandHeight = 425;

private:
    QWidget* buildConditionPanel();
    QWidget* buildDetailPanel();
    QWidget* buildLowerBand();
};

// The fixed help text of HelpMemo, one entry per line.
QStringList searchHelpLines();

}  // namespace vk
