#pragma once
// TFixForm, the modal dialog "固定装備": one armour piece of one part (or the
// weapon's slots) with its decorations. Created once by the main window and
// reused; callers preset it through model(), call showModal() and use the
// result. The window only draws FixDialogModel's lists and memos and passes
// clicks on; each control's objectName is the member's name.
//
//   auto& m = form.model();
//   m.presetPossessionAdd(Head, sexPossItem, typePossItem);
//   if (auto r = form.showModal()) appendPossession(*r);
//
// FixAddButton ("リストへ追加（閉じない）", possession-add mode only) calls the
// appender set with setPossessionAppender() and leaves the dialog open.

#include <functional>
#include <optional>

#include <QDialog>

#include "core/collections/fix_dialog_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace vk {

class CellTableModel;
class RadioGroup;

class FixForm : public QDialog {
    Q_OBJECT
public:
    using PossessionAppender = std::function<void(const FixResult&)>;

    explicit FixForm(const Catalogue& catalogue, QWidget* parent = nullptr);
    ~FixForm() override;

    FixDialogModel& model() { return model_; }
    const FixDialogModel& model() const { return model_; }

    // Shows the dialog modally as preset (FormShow first, endShow() after).
    // The result when it closed with OK and the caller is to take it (see
    // FixDialogModel::result()); nothing otherwise.
    std::optional<FixResult> showModal();

    // FormShow: the lists filled from the preset, every control brought in
    // line with it. showModal() runs it; the screenshot tool calls it before
    // a plain show().
    void FormShow();

    // What FixAddButton does with the current piece and decorations.
    void setPossessionAppender(PossessionAppender appender) { appender_ = std::move(appender); }

    QLabel* FixLabel = nullptr;
    QLineEdit* SearchEdit = nullptr;
    QPushButton* SearchButton = nullptr;
    QComboBox* SkillTypeCB = nullptr;
    RadioGroup* FixSexRG = nullptr;
    RadioGroup* FixTypeRG = nullptr;
    QTreeView* FixLV = nullptr;
    QPlainTextEdit* FixMemo = nullptr;
    QPlainTextEdit* ValMemo = nullptr;
    QTreeView* SelDecoLV = nullptr;
    QPushButton* UpButton = nullptr;
    QPushButton* DownButton = nullptr;
    QTreeView* DecoLV = nullptr;
    RadioGroup* FixPartRG = nullptr;
    QPushButton* FixAddButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* cancelButton = nullptr;  // objectName "Cancel"

private:
    void buildLayout();
    void connectControls();
    void refreshAll();
    void refreshFitted();
    void showPieceSelection();
    void FixLVSelectItem();
    void filterChanged();
    void FixPartRGClick(int item);
    void UpButtonClick();
    void DownButtonClick();
    void SearchButtonClick();
    void FixAddButtonClick();

    FixDialogModel model_;
    PossessionAppender appender_;
    CellTableModel* pieces_ = nullptr;  // FixLV
    CellTableModel* decos_ = nullptr;   // DecoLV
    CellTableModel* fitted_ = nullptr;  // SelDecoLV
    bool filling_ = false;
};

}  // namespace vk
