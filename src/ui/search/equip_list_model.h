#pragma once
// EquipLV's seven rows (Head, Body, Arm, Wst, Leg, weapon, total). The row
// colour is decided at every draw from the hit that ResultLV has selected at
// that moment: an owned piece's row is light blue.

#include <array>
#include <functional>
#include <optional>

#include <QAbstractTableModel>
#include <QStringList>

#include "core/results/detail_panels.h"
#include "core/search/condition/possession.h"
#include "core/search/hits/result.h"

namespace vk {

class EquipListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using SelectedHit = std::function<std::optional<Result>()>;

    // `headings` are the list's column headings, which differ between the
    // search page and the result-file page.
    EquipListModel(QStringList headings, const PossessionLists& possessions, SelectedHit selectedHit,
                   QObject* parent = nullptr);

    void setRows(const std::array<EquipRowTexts, kEquipRows>& rows);  // Shift-JIS texts
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headings_;
    const PossessionLists& possessions_;
    SelectedHit selectedHit_;
    std::array<std::array<QString, kEquipColumns>, kEquipRows> texts_;
    bool filled_ = false;
};

}  // namespace vk
