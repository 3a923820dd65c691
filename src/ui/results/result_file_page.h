#pragma once
// Page 3 of the main window, "【　検索結果ファイル表示　】": the saved result
// files, the conditions of the browsed file (read-only copies of the search
// page's condition controls, named Result...), its hits and the detail of
// the selected hit. Layout only; behaviour is connected through the members,
// whose names are the controls' objectNames.

#include <QWidget>

#include "ui/search/condition_controls.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace vk {

class ResultFilePage : public QWidget {
    Q_OBJECT
public:
    explicit ResultFilePage(QWidget* parent = nullptr);

    QTreeView* ResultFileLV = nullptr;
    QPushButton* ResultRefleshButton = nullptr;
    QPushButton* ResultDelButton = nullptr;
    QPlainTextEdit* Memo2 = nullptr;

    // ResultSkill1..5, ResultSexRG, ResultTypeRG, ResultRareCB, ResultDefEdit,
    // ResultIsDeco, ResultWeponSlotCB, ResultAdd3SlotCB, ResultIsPoss,
    // ResultAllEquipCB, ResultHitLimitEdit, ResultPriorityCB, ResultHeadCB..,
    // ResultHeadEdit.., ResultHeadDecoEdit.., ResultFixDecoCB.
    ConditionControls conditions;
    QLineEdit* ResultStopEdit = nullptr;

    QTreeView* ResultListLV = nullptr;
    QPushButton* ResultDescButton = nullptr;
    QPushButton* ResultExceptButton = nullptr;
    QPushButton* ResultCopyButton = nullptr;
    QPushButton* ResultMysetButton = nullptr;
    QTreeView* ResultEquipLV = nullptr;
    QTreeView* ResultSkillLV = nullptr;
    QPlainTextEdit* ResultSkillMemo = nullptr;

private:
    QWidget* buildFileList();
    QWidget* buildConditions();
    QWidget* buildHits();
};

// The fixed help text of Memo2, one entry per line.
QStringList resultFileHelpLines();

}  // namespace vk
