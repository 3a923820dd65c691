#pragma once
// One of the detail window's six alternative lists (HeadResultLV ..
// WeponResultLV), read from the window's HitNarrowing on demand. While its
// list has no selection, the rows that some kept hit still uses are green.

#include <QAbstractTableModel>

#include "core/catalogue/catalogue.h"
#include "core/results/hit_narrowing.h"
#include "core/search/condition/possession.h"

namespace vk {

class AlternativeListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    AlternativeListModel(const Catalogue& catalogue, const PossessionLists& possessions,
                         const HitNarrowing& narrowing, int part, QObject* parent = nullptr);

    // Filling the lists: every row anew.
    void refill();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const Catalogue& catalogue_;
    const PossessionLists& possessions_;
    const HitNarrowing& narrowing_;
    int part_;
    int rows_ = 0;  // as of the last refill
};

}  // namespace vk
