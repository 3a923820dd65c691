#include "ui/search/equip_list_model.h"

#include <QStringList>

#include "ui/widgets/qt_text.h"
#include "ui/widgets/win_colour.h"

namespace vk {

EquipListModel::EquipListModel(QStringList headings, const PossessionLists& possessions, SelectedHit selectedHit,
                               QObject* parent)
    : QAbstractTableModel(parent),
      headings_(std::move(headings)),
      possessions_(possessions),
      selectedHit_(std::move(selectedHit)) {}

void EquipListModel::setRows(const std::array<EquipRowTexts, kEquipRows>& rows) {
    beginResetModel();
    for (int r = 0; r < kEquipRows; ++r)
        for (int c = 0; c < kEquipColumns; ++c) texts_[r][c] = fromSjis(rows[r][c]);
    filled_ = true;
    endResetModel();
}

void EquipListModel::clear() {
    beginResetModel();
    filled_ = false;
    endResetModel();
}

int EquipListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() || !filled_ ? 0 : kEquipRows; }

int EquipListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kEquipColumns; }

QVariant EquipListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !filled_) return {};
    if (role == Qt::DisplayRole) return texts_[index.row()][index.column()];
    if (role == Qt::BackgroundRole) {
        const std::optional<Result> hit = selectedHit_();
        return backgroundOf(equipRowColour(index.row(), hit ? &*hit : nullptr, possessions_));
    }
    return {};
}

QVariant EquipListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= headings_.size()) return {};
    return headings_[section];
}

}  // namespace vk
