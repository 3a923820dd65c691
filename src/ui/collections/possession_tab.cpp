#include "ui/collections/possession_tab.h"

#include <QItemSelectionModel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>

#include "core/collections/collections.h"
#include "core/collections/myset_rules.h"
#include "core/results/row_colours.h"
#include "ui/collections/fix_form.h"
#include "ui/collections/possession_page.h"
#include "ui/search/hit_detail.h"
#include "ui/widgets/cell_table_model.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/text_rows.h"
#include "ui/widgets/user_messages.h"

namespace vk {

PossessionTab::PossessionTab(PossessionPage& page, const Catalogue& catalogue, PossessionLists& owned,
                             FixForm* dialog, bool startupError, RegisterMyset registerMyset, UserMessages& messages,
                             QObject* parent)
    : QObject(parent),
      page_(page),
      catalogue_(catalogue),
      owned_(owned),
      dialog_(dialog),
      startupError_(startupError),
      registerMyset_(std::move(registerMyset)),
      messages_(messages),
      equipModel_(qobject_cast<QStandardItemModel*>(page.EquipPossLV->model())),
      skillModel_(qobject_cast<QStandardItemModel*>(page.SkillPossLV->model())) {
    for (int part = 0; part < kArmourParts; ++part) {
        QTreeView* view = page.PossLV[part];
        lists_[part] = new CellTableModel(
            {QStringLiteral("名称"), QStringLiteral("装飾品")},
            [this, part] { return static_cast<int>(views_[part].size()); },
            [this, part](int row, int column) {
                const Possession& p = owned_[part][views_[part][row]];
                return column == 0 ? p.PossName : possessionDecoText(p);
            },
            view);
        replaceListModel(*view, lists_[part]);
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { refreshSummary(); });
        connect(view, &QTreeView::doubleClicked, this, [this, part] { ModButtonClick(part); });
        connect(page.AddButton[part], &QPushButton::clicked, this, [this, part] { AddButtonClick(part); });
        connect(page.ModButton[part], &QPushButton::clicked, this, [this, part] { ModButtonClick(part); });
        connect(page.UpButton[part], &QPushButton::clicked, this, [this, part] { UpButtonClick(part); });
        connect(page.DownButton[part], &QPushButton::clicked, this, [this, part] { DownButtonClick(part); });
        connect(page.DelButton[part], &QPushButton::clicked, this, [this, part] { DelButtonClick(part); });
    }
    connect(page.SexPossRG, &RadioGroup::itemClicked, this, [this] { filterClick(); });
    connect(page.TypePossRG, &RadioGroup::itemClicked, this, [this] { filterClick(); });
    connect(page.PossMysetButton, &QPushButton::clicked, this, &PossessionTab::PossMysetButtonClick);
    if (dialog_) dialog_->setPossessionAppender([this](const FixResult& r) { appendFromDialog(r); });
}

int PossessionTab::selectedRow(int part) const {
    const QModelIndexList rows = page_.PossLV[part]->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void PossessionTab::selectRow(int part, int row) {
    QTreeView* view = page_.PossLV[part];
    if (row < 0) {
        view->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = lists_[part]->index(row, 0);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index);
}

void PossessionTab::rebuildLists() {
    views_ = filterPossessions(catalogue_, owned_, page_.SexPossRG->itemIndex(), page_.TypePossRG->itemIndex());
    for (int part = 0; part < kArmourParts; ++part) {
        lists_[part]->reload();
        if (!views_[part].empty())  // focused, not selected
            page_.PossLV[part]->selectionModel()->setCurrentIndex(lists_[part]->index(0, 0),
                                                                  QItemSelectionModel::NoUpdate);
    }
}

void PossessionTab::filterClick() {
    rebuildLists();
    page_.PossMysetButton->setEnabled(page_.SexPossRG->itemIndex() > 0 && page_.TypePossRG->itemIndex() > 0);
}

void PossessionTab::AddButtonClick(int part) {
    if (startupError_ || !dialog_) return;
    dialog_->model().presetPossessionAdd(part, page_.SexPossRG->itemIndex(), page_.TypePossRG->itemIndex());
    if (const std::optional<FixResult> result = dialog_->showModal()) appendFromDialog(*result);
}

// Appended at the back and listed whatever the filter; the selection stays.
void PossessionTab::appendFromDialog(const FixResult& result) {
    if (result.index < 0 || result.part < 0 || result.part >= kArmourParts) return;
    // A longer list would not read back from config.csv.
    if (static_cast<std::size_t>(Collections::possessionTotal(owned_)) >= kMaxPossessions) {
        messages_.inform(QStringLiteral("CAUTION"),
                         QStringLiteral("所持品は%1個までしか登録できません。").arg(kMaxPossessions));
        return;
    }
    const int part = result.part;
    const int kept = selectedRow(part);
    appendPossession(owned_[part], views_[part], makePossession(catalogue_, part, result.index, result.decos));
    lists_[part]->reload();
    if (kept >= 0) selectRow(part, kept);
    Q_EMIT changed();
}

void PossessionTab::ModButtonClick(int part) {
    if (startupError_ || !dialog_) return;
    const int row = selectedRow(part);
    if (row < 0) return;
    Possession& owned = owned_[part][views_[part][row]];
    dialog_->model().presetPossessionChange(part, owned, page_.SexPossRG->itemIndex(), page_.TypePossRG->itemIndex());
    const std::optional<FixResult> result = dialog_->showModal();
    if (!result || result->index < 0) return;
    owned = makePossession(catalogue_, owned.PossPart, result->index, result->decos);
    lists_[part]->refresh();
    refreshSummary();
    Q_EMIT changed();
}

void PossessionTab::UpButtonClick(int part) {
    const int row = selectedRow(part);
    if (row <= 0 || !swapPossessionRows(owned_[part], views_[part], row, row - 1)) return;
    lists_[part]->refresh();
    selectRow(part, row - 1);
    Q_EMIT changed();
}

void PossessionTab::DownButtonClick(int part) {
    const int row = selectedRow(part);
    if (row < 0 || !swapPossessionRows(owned_[part], views_[part], row, row + 1)) return;
    lists_[part]->refresh();
    selectRow(part, row + 1);
    Q_EMIT changed();
}

void PossessionTab::DelButtonClick(int part) {
    if (startupError_) return;
    const int row = selectedRow(part);
    if (row < 0) return;
    const int next = erasePossessionRow(owned_[part], views_[part], row);
    lists_[part]->reload();
    selectRow(part, next);
    refreshSummary();
    Q_EMIT changed();
}

SelectedPossessions PossessionTab::selectedPossessions() const {
    SelectedPossessions selected{};
    for (int part = 0; part < kArmourParts; ++part) {
        const int row = selectedRow(part);
        if (row >= 0) selected[part] = &owned_[part][views_[part][row]];
    }
    return selected;
}

void PossessionTab::refreshSummary() {
    equipModel_->removeRows(0, equipModel_->rowCount());
    skillModel_->removeRows(0, skillModel_->rowCount());
    page_.PossMemo->clear();
    const SelectedPossessions selected = selectedPossessions();
    if (!anySelected(selected)) return;
    const ShownSet set = possessionShownSet(catalogue_, selected);
    RunSkillSummary(catalogue_, set, summary_);
    setTextRows(*equipModel_, EquipPossLVRows(catalogue_, set));
    const std::vector<PossSkillRow> skills = SkillPossLVRows(catalogue_, summary_);
    setTextRows(*skillModel_, skills, [&](int r) { return skillRowColour(skills[r][kPossSkillTotalColumn]); });
    QString memo = fromSjis(PossMemoText(catalogue_, summary_));
    memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    page_.PossMemo->setPlainText(memo);
}

void PossessionTab::PossMysetButtonClick() {
    const SelectedPossessions selected = selectedPossessions();
    for (const Possession* p : selected)
        if (!p) return;
    registerMyset_(mysetFromPossessions(catalogue_, selected, page_.SexPossRG->itemIndex(),
                                        page_.TypePossRG->itemIndex()));
}

}  // namespace vk
