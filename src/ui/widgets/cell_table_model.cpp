#include "ui/widgets/cell_table_model.h"

#include "ui/widgets/qt_text.h"

namespace vk {

CellTableModel::CellTableModel(QStringList headings, RowCount rowCount, Cell cell, QObject* parent)
    : QAbstractTableModel(parent), headings_(std::move(headings)), rowCount_(std::move(rowCount)),
      cell_(std::move(cell)) {}

void CellTableModel::setCheckColumn(int column, Checked checked, SetChecked setChecked) {
    checkColumn_ = column;
    checked_ = std::move(checked);
    setChecked_ = std::move(setChecked);
}

void CellTableModel::reload() {
    beginResetModel();
    endResetModel();
}

void CellTableModel::refresh() {
    if (rowCount() > 0) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int CellTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rowCount_(); }

int CellTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant CellTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole && index.column() != checkColumn_) return fromSjis(cell_(index.row(), index.column()));
    if (role == Qt::CheckStateRole && index.column() == checkColumn_)
        return checked_(index.row()) ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool CellTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != checkColumn_) return false;
    setChecked_(index.row(), value.toInt() == Qt::Checked);
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags CellTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == checkColumn_) f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant CellTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= headings_.size())
        return {};
    return headings_[section];
}

}  // namespace vk
