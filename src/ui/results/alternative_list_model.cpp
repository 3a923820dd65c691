#include "ui/results/alternative_list_model.h"

#include "ui/widgets/qt_text.h"
#include "ui/widgets/win_colour.h"

namespace vk {

namespace {

bool isWeapon(int part) { return part == Weapon; }

}  // namespace

AlternativeListModel::AlternativeListModel(const Catalogue& catalogue, const PossessionLists& possessions,
                                           const HitNarrowing& narrowing, int part, QObject* parent)
    : QAbstractTableModel(parent), catalogue_(catalogue), possessions_(possessions), narrowing_(narrowing), part_(part) {}

void AlternativeListModel::refill() {
    beginResetModel();
    rows_ = narrowing_.rowCount(part_);
    endResetModel();
}

int AlternativeListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int AlternativeListModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return isWeapon(part_) ? 1 : 4;
}

QVariant AlternativeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || index.row() >= narrowing_.rowCount(part_)) return {};
    const int row = index.row();
    if (role == Qt::DisplayRole) {
        const EquipDeco& alternative = narrowing_.alternative(part_, row);
        if (isWeapon(part_)) return fromSjis(weaponAlternativeText(catalogue_, alternative));
        return fromSjis(alternativeRowTexts(catalogue_, possessions_, alternative)[index.column()]);
    }
    if (role == Qt::BackgroundRole && narrowing_.selectedRow(part_) == HitNarrowing::kNoRow &&
        narrowing_.isHighlighted(part_, row))
        return backgroundOf(kLightGreen);
    return {};
}

QVariant AlternativeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (isWeapon(part_)) return section == 0 ? QVariant(QStringLiteral("装飾品")) : QVariant();
    static const QStringList headings = {QString(), QStringLiteral("名称"), QStringLiteral("防"),
                                         QStringLiteral("装飾品")};
    return section >= 0 && section < headings.size() ? QVariant(headings[section]) : QVariant();
}

}  // namespace vk
