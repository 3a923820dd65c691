#include "ui/collections/myset_tab.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>

#include "core/collections/collections.h"
#include "core/results/detail_panels.h"
#include "core/results/row_colours.h"
#include "core/results/text_report.h"
#include "ui/collections/fix_form.h"
#include "ui/collections/myset_page.h"
#include "ui/search/hit_detail.h"
#include "ui/widgets/cell_table_model.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/text_rows.h"
#include "ui/widgets/user_messages.h"

namespace vk {

namespace {
const QString kConfirm = QStringLiteral("確認");
}  // namespace

MysetTab::MysetTab(MysetPage& page, const Catalogue& catalogue, MysetList& sets, const PossessionLists& owned,
                   FixForm* dialog, bool startupError, UserMessages& messages, QObject* parent)
    : QObject(parent),
      page_(page),
      catalogue_(catalogue),
      sets_(sets),
      owned_(owned),
      dialog_(dialog),
      startupError_(startupError),
      messages_(messages),
      list_(new CellTableModel(
          {QStringLiteral("no"), QStringLiteral("タイプ"), QStringLiteral("マイセット名"), QStringLiteral("防御"),
           QStringLiteral("スキル")},
          [this] { return static_cast<int>(rows_.size()); },
          [this](int row, int column) { return rows_[row][column]; }, page.MysetLV)),
      equipModel_(qobject_cast<QStandardItemModel*>(page.MysetEquipLV->model())),
      skillModel_(qobject_cast<QStandardItemModel*>(page.MysetSkillLV->model())) {
    replaceListModel(*page.MysetLV, list_);
    connect(page.MysetLV->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MysetTab::MysetLVSelectItem);
    connect(page.MysetSexRG, &RadioGroup::itemClicked, this, [this](int item) { edit_.Sex = item + 1; });
    connect(page.MysetTypeRG, &RadioGroup::itemClicked, this, [this](int item) { edit_.Type = item + 1; });
    connect(page.MysetWeponSlotCB, &QComboBox::activated, this, [this](int item) { edit_.WeaponSlot = item; });
    for (int part = 0; part < kDecoParts; ++part)
        connect(page.PartButton[part], &QPushButton::clicked, this, [this, part] { MysetPartButtonClick(part); });
    connect(page.MysetAddButton, &QPushButton::clicked, this, &MysetTab::MysetAddButtonClick);
    connect(page.MysetReplaceButton, &QPushButton::clicked, this, &MysetTab::MysetReplaceButtonClick);
    connect(page.MysetDelButton, &QPushButton::clicked, this, &MysetTab::MysetDelButtonClick);
    connect(page.MysetUpButton, &QPushButton::clicked, this, &MysetTab::MysetUpButtonClick);
    connect(page.MysetDownButton, &QPushButton::clicked, this, &MysetTab::MysetDownButtonClick);
    connect(page.MysetCopyButton, &QPushButton::clicked, this, &MysetTab::MysetCopyButtonClick);
}

int MysetTab::selectedRow() const {
    const QModelIndexList rows = page_.MysetLV->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void MysetTab::selectRow(int row) {
    const QModelIndex index = list_->index(row, 0);
    page_.MysetLV->selectionModel()->setCurrentIndex(index,
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    page_.MysetLV->scrollTo(index);
}

void MysetTab::registerMyset(const Myset& set) {
    if (refusedAsFull()) return;
    if (messages_.ask(kConfirm, QStringLiteral("マイセットに登録しますか？"))) appendMyset(set);
}

void MysetTab::appendMyset(const Myset& set) {
    if (refusedAsFull()) return;
    sets_.push_back(set);
    rebuildList();
    Q_EMIT changed();
}

// A longer list would not read back from config.csv.
bool MysetTab::refusedAsFull() {
    if (sets_.size() < kMaxMysets) return false;
    messages_.inform(QStringLiteral("CAUTION"),
                     QStringLiteral("マイセットは%1件までしか登録できません。").arg(kMaxMysets));
    return true;
}

void MysetTab::rebuildList() {
    rows_.clear();
    rows_.reserve(sets_.size());
    for (std::size_t i = 0; i < sets_.size(); ++i)
        rows_.push_back(mysetListRow(catalogue_, sets_[i], static_cast<int>(i), summary_));
    list_->reload();
}

void MysetTab::MysetLVSelectItem() {
    const int row = selectedRow();
    if (row < 0) return;
    edit_ = sets_[row];
    showEditRecord();
    for (QPushButton* b : {page_.MysetReplaceButton, page_.MysetCopyButton, page_.MysetDelButton,
                           page_.MysetUpButton, page_.MysetDownButton})
        b->setEnabled(true);
    showSummary(edit_);
}

void MysetTab::showEditRecord() {
    page_.MysetSexRG->setItemIndex(edit_.Sex - 1);
    page_.MysetTypeRG->setItemIndex(edit_.Type - 1);
    page_.MysetWeponSlotCB->setCurrentIndex(edit_.WeaponSlot);
    page_.MysetEdit->setText(fromSjis(edit_.Name));
    for (int part = 0; part < kDecoParts; ++part) showPart(part);
}

void MysetTab::showPart(int part) {
    if (part < kArmourParts) {
        const ShownSet shown = mysetShownSet(edit_);
        page_.PieceEdit[part]->setText(fromSjis(shownPiece(catalogue_, shown, part).name));
    }
    page_.DecoEdit[part]->setText(fromSjis(decorationText(catalogue_, edit_.Set.Decos, part)));
}

// Owned pieces' rows light blue; skill rows coloured by their total.
void MysetTab::showSummary(const Myset& set) {
    const ShownSet shown = mysetShownSet(set);
    RunSkillSummary(catalogue_, shown, summary_);
    setTextRows(*equipModel_, MysetEquipLVRows(catalogue_, shown), [&](int r) -> std::optional<WinColour> {
        if (r >= kArmourParts) return std::nullopt;
        const int part = kDisplayOrder[r];
        if (!isPossessed(owned_, part, shown.pieces[part])) return std::nullopt;
        return kLightBlue;
    });
    showSkillSummary(catalogue_, summary_, *skillModel_, *page_.MysetSkillMemo);
}

void MysetTab::MysetPartButtonClick(int part) {
    if (startupError_ || !dialog_) return;
    const int pieceRow = part < kArmourParts ? edit_.Set.Index[part] : 0;
    dialog_->model().presetMysetPart(part, pieceRow, edit_.WeaponSlot, edit_.Set.Decos,
                                     page_.MysetSexRG->itemIndex() + 1, page_.MysetTypeRG->itemIndex() + 1);
    const std::optional<FixResult> result = dialog_->showModal();
    if (!result) return;
    applyMysetPart(catalogue_, edit_, part, result->index, result->decos);
    showPart(part);
}

bool MysetTab::takeNameAndCheck() {
    edit_.Name = mysetNameFrom(toSjis(page_.MysetEdit->text()));
    if (isValidMyset(catalogue_, edit_)) return true;
    messages_.inform(QStringLiteral("エラー"), QStringLiteral("マイセットの内容が不正です（名称、性別、タイプ）"));
    return false;
}

void MysetTab::MysetAddButtonClick() {
    if (takeNameAndCheck()) appendMyset(edit_);
}

void MysetTab::MysetReplaceButtonClick() {
    const int row = selectedRow();
    if (row < 0 || !takeNameAndCheck()) return;
    if (!messages_.ask(kConfirm, QStringLiteral("このマイセットを置換しますか？"))) return;
    sets_[row] = edit_;
    rebuildList();
    Q_EMIT changed();
}

void MysetTab::MysetDelButtonClick() {
    const int row = selectedRow();
    if (row < 0 || !messages_.ask(kConfirm, QStringLiteral("このマイセットを削除しますか？"))) return;
    sets_.erase(sets_.begin() + row);
    rebuildList();
    Q_EMIT changed();
}

void MysetTab::MysetUpButtonClick() { moveSelected(-1); }
void MysetTab::MysetDownButtonClick() { moveSelected(+1); }

// The two sets and their rows' texts change places ("no" stays); the moved
// row is selected, which loads it into the edit panel.
void MysetTab::moveSelected(int step) {
    const int row = selectedRow();
    const int other = row + step;
    if (row < 0 || other < 0 || other >= static_cast<int>(sets_.size())) return;
    std::swap(sets_[row], sets_[other]);
    std::swap(rows_[row], rows_[other]);
    std::swap(rows_[row][0], rows_[other][0]);
    list_->refresh();
    selectRow(other);
    Q_EMIT changed();
}

void MysetTab::MysetCopyButtonClick() {
    const int row = selectedRow();
    if (row < 0) return;
    ShownSet shown = mysetShownSet(sets_[row]);
    shown.sex = edit_.Sex;
    shown.type = edit_.Type;
    QGuiApplication::clipboard()->setText(fromSjis(BuildTextReport(catalogue_, shown, summary_)));
}

}  // namespace vk
