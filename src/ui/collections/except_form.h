#pragma once
// TExceptForm, the modal dialog "除外設定": the exclusion flags as a check
// list, part by part, with rarity-wide ON/OFF. It edits a working copy
// (ExceptList); the caller takes the copy only when the dialog closes with
// OK. Created once by the main window and reused; each control's objectName
// is the member's name ("Button1"/"Button2" for OK and Cancel).

#include <optional>

#include <QDialog>

#include "core/collections/except_list.h"

class QComboBox;
class QPushButton;
class QTreeView;

namespace vk {

class CellTableModel;
class RadioGroup;

class ExceptForm : public QDialog {
    Q_OBJECT
public:
    explicit ExceptForm(const Catalogue& catalogue, QWidget* parent = nullptr);

    // ExceptButtonClick: the dialog on a copy of `flags`, sort state reset;
    // the edited copy on OK, nothing on Cancel or close.
    std::optional<ExceptFlags> showModal(const ExceptFlags& flags);

    // The working copy and the list filled for the current part choice,
    // without the modal loop (showModal() runs it; the screenshot tool and
    // the benchmark call it before a plain show()).
    void prepare(const ExceptFlags& flags);

    const ExceptList& list() const { return list_; }

    QTreeView* ExceptLV = nullptr;
    RadioGroup* ExceptPartRG = nullptr;
    QComboBox* ExceptRareCB = nullptr;
    QPushButton* ExceptOnButton = nullptr;
    QPushButton* ExceptOffButton = nullptr;
    QPushButton* okButton = nullptr;      // "Button1"
    QPushButton* cancelButton = nullptr;  // "Button2"

private:
    void buildLayout();
    void connectControls();
    void fillList();  // FormShow, ExceptPartRGClick
    void setRarity(bool checked);

    ExceptList list_;
    CellTableModel* rows_ = nullptr;
};

}  // namespace vk
