#include "ui/search/hit_detail.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QTreeView>

#include "core/results/detail_panels.h"
#include "core/results/row_colours.h"
#include "core/results/text_report.h"
#include "ui/search/equip_list_model.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/text_rows.h"
#include "ui/widgets/win_colour.h"

namespace vk {

namespace {

// The headings the list was made with, kept when its model is replaced.
QStringList headingsOf(const QTreeView& view) {
    QStringList texts;
    const QAbstractItemModel* model = view.model();
    for (int c = 0; model && c < model->columnCount(); ++c)
        texts << model->headerData(c, Qt::Horizontal).toString();
    return texts;
}

}  // namespace

void replaceListModel(QTreeView& view, QAbstractItemModel* model) {
    QList<int> widths;
    for (int c = 0; c < view.header()->count(); ++c) widths << view.columnWidth(c);
    QAbstractItemModel* old = view.model();
    view.setModel(model);
    for (int c = 0; c < widths.size(); ++c) view.setColumnWidth(c, widths[c]);
    if (old && old->parent() == &view) old->deleteLater();
}

void showSkillSummary(const Catalogue& catalogue, const SkillSummary& summary, QStandardItemModel& skillModel,
                      QPlainTextEdit& memo) {
    std::vector<std::array<std::string, kSkillColumns>> texts;
    for (SkillRow& row : SkillLVRows(catalogue, summary)) texts.push_back(std::move(row.texts));
    setTextRows(skillModel, texts, [&](int r) { return skillRowColour(texts[r][kSkillTotalColumn]); });
    QString text = fromSjis(SkillMemoText(catalogue, summary));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memo.setPlainText(text);
}

HitDetail::HitDetail(const Catalogue& catalogue, const PossessionLists& possessions, QTreeView& equipLV,
                     QTreeView& skillLV, QPlainTextEdit& skillMemo, std::function<std::optional<Result>()> selectedHit)
    : catalogue_(catalogue),
      skillLV_(skillLV),
      skillMemo_(skillMemo),
      equipModel_(new EquipListModel(headingsOf(equipLV), possessions, std::move(selectedHit), &equipLV)),
      skillModel_(qobject_cast<QStandardItemModel*>(skillLV.model())) {
    replaceListModel(equipLV, equipModel_);
}

void HitDetail::show(const Result& hit, const SearchCondition& search) {
    shown_ = shownSetOf(hit, search.weaponSlots, search.sex, search.type);
    equipModel_->setRows(EquipLVRows(catalogue_, shown_));
    RunSkillSummary(catalogue_, shown_, summary_);
    showSkillSummary(catalogue_, summary_, *skillModel_, skillMemo_);
}

void HitDetail::clear() {
    equipModel_->clear();
    skillModel_->removeRows(0, skillModel_->rowCount());
    skillMemo_.clear();
}

std::string HitDetail::report(const Result& hit, const SearchCondition& search) {
    shown_ = shownSetOf(hit, search.weaponSlots, search.sex, search.type);
    return BuildTextReport(catalogue_, shown_, summary_);
}

}  // namespace vk
