#include "ui/results/result_file_controller.h"

#include <functional>
#include <utility>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTreeView>

#include "core/results/shown_set.h"
#include "ui/results/result_file_page.h"
#include "ui/search/hit_detail.h"
#include "ui/search/result_list_model.h"
#include "ui/search/skill_combo.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/user_messages.h"
#include "ui/widgets/wait_cursor.h"
#include "ui/widgets/win_colour.h"

namespace vk {

namespace {

const QString kError = QStringLiteral("エラー");

// Hands an edited caption over instead of writing it into the list: the row
// shows a new name only once the file has it. Every commit counts, so a
// caption confirmed unchanged is still an attempt to rename (and refused).
class CaptionEditDelegate final : public QStyledItemDelegate {
public:
    using Committed = std::function<void(int row, const QString& text)>;
    CaptionEditDelegate(Committed committed, QObject* parent)
        : QStyledItemDelegate(parent), committed_(std::move(committed)) {}

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        if (const auto* line = qobject_cast<const QLineEdit*>(editor)) committed_(index.row(), line->text());
    }

private:
    Committed committed_;
};

}  // namespace

ResultFileController::ResultFileController(ResultFilePage& page, const Catalogue& catalogue,
                                           const PossessionLists& possessions, UserMessages& messages,
                                           int& detailSource, QObject* parent)
    : QObject(parent),
      page_(page),
      catalogue_(catalogue),
      possessions_(possessions),
      messages_(messages),
      detailSource_(detailSource),
      fileModel_(qobject_cast<QStandardItemModel*>(page.ResultFileLV->model())),
      hitModel_(new ResultListModel(view_, page.ResultListLV)) {
    page.ResultFileLV->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                       QAbstractItemView::SelectedClicked);
    page.ResultFileLV->setItemDelegateForColumn(
        0, new CaptionEditDelegate([this](int row, const QString& text) { captionCommitted(row, text); },
                                   page.ResultFileLV));
    connect(page.ResultFileLV->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!filling_ && selectedFileRow() >= 0) ResultFileLVSelectItem(selectedFileRow());
    });

    replaceListModel(*page.ResultListLV, hitModel_);
    page.ResultListLV->header()->setSectionsClickable(true);
    connect(page.ResultListLV->header(), &QHeaderView::sectionClicked, this,
            &ResultFileController::ResultListLVColumnClick);
    connect(page.ResultListLV->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ResultFileController::ResultListLVSelectItem);
    detail_ = std::make_unique<HitDetail>(catalogue, possessions, *page.ResultEquipLV, *page.ResultSkillLV,
                                          *page.ResultSkillMemo, [this] { return selectedHit(); });

    connect(page.ResultRefleshButton, &QPushButton::clicked, this, &ResultFileController::refresh);
    connect(page.ResultDelButton, &QPushButton::clicked, this, &ResultFileController::ResultDelButtonClick);
    connect(page.ResultCopyButton, &QPushButton::clicked, this, &ResultFileController::ResultCopyButtonClick);
    connect(page.ResultDescButton, &QPushButton::clicked, this, &ResultFileController::detailRequested);
    connect(page.ResultExceptButton, &QPushButton::clicked, this, &ResultFileController::exclusionsRequested);
    connectReverts();
}

ResultFileController::~ResultFileController() = default;

void ResultFileController::clearBrowsed() {
    loaded_.reset();
    view_.clear();
    hitModel_->setRowCount(0);
    detail_->clear();
    detailSource_ = 0;
    for (QPushButton* b : {page_.ResultMysetButton, page_.ResultCopyButton, page_.ResultDescButton,
                           page_.ResultExceptButton, page_.ResultDelButton})
        b->setEnabled(false);
}

void ResultFileController::refresh() {
    WaitCursor wait;
    clearBrowsed();
    files_ = listResultFiles(folder_);
    fillFileList();
}

void ResultFileController::fillFileList() {
    filling_ = true;
    fileModel_->removeRows(0, fileModel_->rowCount());
    for (const ResultFile& file : files_) {
        QList<QStandardItem*> row;
        row << new QStandardItem(QString::fromStdString(file.name));
        row << new QStandardItem(QString::number(file.hitCount));
        row << new QStandardItem(QString::fromStdString(savedAtText(file.savedAt)));
        row[1]->setEditable(false);
        row[2]->setEditable(false);
        fileModel_->appendRow(row);
    }
    filling_ = false;
}

int ResultFileController::selectedFileRow() const {
    const QModelIndexList rows = page_.ResultFileLV->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ResultFileController::ResultFileLVSelectItem(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= files_.size()) return;
    WaitCursor wait;
    clearBrowsed();
    loaded_ = readResultFile(folder_ / files_[row].name, catalogue_);
    if (!loaded_) {
        // Nothing of an earlier file stays reachable: the buttons are off and
        // the conditions blank.
        shown_.reset();
        showConditions();
        messages_.inform(kError, QStringLiteral("ファイルの内容が間違っています"));
        return;
    }
    // The packed hits move into the list, never copied (the sort state was
    // reset: number, ascending).
    BuildResultView(view_, std::move(loaded_->hits), catalogue_, possessions_);
    shown_ = ShownFile{loaded_->condition, searchEnding(loaded_->condition, view_.count())};
    showConditions();
    hitModel_->setRowCount(static_cast<int>(view_.count()));
    for (QPushButton* b : {page_.ResultDescButton, page_.ResultExceptButton, page_.ResultDelButton})
        b->setEnabled(true);
}

// The editor commits and then closes. The rename, and the box of a refusal,
// wait until it has closed: a box over the open editor would take its focus,
// the lost focus would commit it once more, and the editor would be closed
// twice. Only the last commit of a turn of the event loop is taken.
void ResultFileController::captionCommitted(int row, const QString& text) {
    const bool queued = committedCaption_.has_value();
    committedCaption_ = CommittedCaption{row, text};
    if (queued) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            const CommittedCaption caption = *std::exchange(committedCaption_, std::nullopt);
            ResultFileLVEdited(caption.row, caption.text);
        },
        Qt::QueuedConnection);
}

void ResultFileController::ResultFileLVEdited(int row, const QString& text) {
    if (row < 0 || static_cast<std::size_t>(row) >= files_.size()) return;
    const QString old = QString::fromStdString(files_[row].name);
    if (!renameResultFile(files_, static_cast<std::size_t>(row), text.toStdString(), folder_)) {
        messages_.inform(kError, QStringLiteral("%1 の名前を変更できません。").arg(old));
        return;  // the caption never changed
    }
    filling_ = true;
    fileModel_->item(row, 0)->setText(text);
    filling_ = false;
}

void ResultFileController::ResultDelButtonClick() {
    const int row = selectedFileRow();
    if (row < 0 || static_cast<std::size_t>(row) >= files_.size()) return;
    const QString name = QString::fromStdString(files_[row].name);
    if (!messages_.ask(QStringLiteral("確認"), QStringLiteral("%1 を削除しますか？").arg(name))) return;
    deleteResultFile(folder_, files_[row].name);
    refresh();
}

void ResultFileController::ResultListLVColumnClick(int column) {
    sortHitList(view_, column, *hitModel_, *page_.ResultListLV);
    ResultListLVSelectItem();
}

std::optional<Result> ResultFileController::selectedHit() const {
    const QModelIndexList rows = page_.ResultListLV->selectionModel()->selectedRows();
    if (rows.isEmpty()) return std::nullopt;
    const QString caption = hitModel_->data(hitModel_->index(rows.first().row(), 0), Qt::DisplayRole).toString();
    return view_.hitByCaption(caption.toStdString());
}

void ResultFileController::ResultListLVSelectItem() {
    const std::optional<Result> hit = selectedHit();
    if (!hit || !loaded_) return;
    page_.ResultCopyButton->setEnabled(true);
    page_.ResultMysetButton->setEnabled(true);
    detail_->show(*hit, loaded_->condition);
}

void ResultFileController::ResultCopyButtonClick() {
    const std::optional<Result> hit = selectedHit();
    if (!hit || !loaded_) return;
    QGuiApplication::clipboard()->setText(fromSjis(detail_->report(*hit, loaded_->condition)));
}

// Every condition control shows shown_; a change by the user is undone at once.
void ResultFileController::connectReverts() {
    const ConditionControls& c = page_.conditions;
    const auto revert = [this] {
        if (!filling_) showConditions();
    };
    for (SkillComboBox* box : c.skill) connect(box, &QComboBox::activated, this, revert);
    for (QComboBox* box : {c.rarity, c.weaponSlots, c.priority}) connect(box, &QComboBox::activated, this, revert);
    for (RadioGroup* group : {c.sex, c.type}) connect(group, &RadioGroup::itemClicked, this, revert);
    for (QCheckBox* box : {c.decorations, c.threeSlotPieces, c.possessions, c.allPieces, c.fixDecorations})
        connect(box, &QCheckBox::clicked, this, revert);
    for (QCheckBox* box : c.fixed) connect(box, &QCheckBox::clicked, this, revert);
}

void ResultFileController::showConditions() {
    // Before any file is read the conditions show no choice at all.
    static const SearchCondition blank = [] {
        SearchCondition c;
        c.sex = 0;
        c.type = 0;
        return c;
    }();
    filling_ = true;
    const ConditionControls& c = page_.conditions;
    const SearchCondition& s = shown_ ? shown_->condition : blank;
    c.sex->setItemIndex(s.sex - 1);
    c.type->setItemIndex(s.type - 1);
    c.rarity->setCurrentIndex(s.rarityLimit);
    for (int box = 0; box < 5; ++box) c.skill[box]->setCurrentIndex(s.wanted[box]);
    bool anyFixed = false;
    for (int part = 0; part < kArmourParts; ++part) {
        c.fixed[part]->setChecked(s.fixed[part]);
        anyFixed = anyFixed || s.fixed[part];
        const auto& table = catalogue_.equip[part];
        const int row = s.fixedPiece[part];
        const bool known = shown_ && row >= 0 && static_cast<std::size_t>(row) < table.size();
        c.fixedPiece[part]->setText(known ? fromSjis(table[row].name) : QString());
        c.fixedDecos[part]->setText(shown_ ? fromSjis(fixedDecorationText(catalogue_, s.allFixedDecos, part))
                                            : QString());
    }
    c.fixDecorations->setChecked(s.fixDecorations);
    c.fixDecorations->setEnabled(anyFixed);
    c.decorations->setChecked(s.useDecorations);
    c.weaponSlots->setCurrentIndex(s.weaponSlots);
    c.weaponSlots->setEnabled(s.useDecorations);
    c.possessions->setChecked(s.possessions);
    c.possessions->setEnabled(!s.allPieces);
    c.threeSlotPieces->setChecked(s.threeSlotPieces);
    c.threeSlotPieces->setEnabled(s.useDecorations && !s.allPieces);
    c.allPieces->setChecked(s.allPieces);
    c.hitLimit->setText(shown_ ? QString::number(s.HitLimit) : QString());
    c.priority->setCurrentIndex(s.Priority);
    c.minDefence->setText(shown_ ? QString::number(s.minDefence) : QString());
    showEnding();
    filling_ = false;
}

// White on red, blue or green, as the search ended.
void ResultFileController::showEnding() {
    QLineEdit* edit = page_.ResultStopEdit;
    if (!shown_) {
        edit->clear();
        edit->setPalette(QPalette());
        return;
    }
    const SearchEnding ending = shown_->ending;
    const WinColour background = ending == SearchEnding::Interrupted ? 0x0000FF
                                     : ending == SearchEnding::HitLimit  ? 0xFF0000
                                                                         : 0x008000;
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, qColourOf(background));
    palette.setColor(QPalette::Text, Qt::white);
    edit->setPalette(palette);
    edit->setText(fromSjis(searchEndingText(ending)));
}

}  // namespace vk
