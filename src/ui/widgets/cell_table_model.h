#pragma once
// A virtual report list over rows that the core keeps: the model asks for a
// cell's Shift-JIS text only when the view draws it, so lists of thousands of
// rows cost nothing to fill. An optional column carries a check box whose
// state the core keeps as well.

#include <functional>
#include <string>

#include <QAbstractTableModel>
#include <QStringList>

namespace vk {

class CellTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using RowCount = std::function<int()>;
    using Cell = std::function<std::string(int row, int column)>;  // Shift-JIS
    using Checked = std::function<bool(int row)>;
    using SetChecked = std::function<void(int row, bool checked)>;

    CellTableModel(QStringList headings, RowCount rowCount, Cell cell, QObject* parent = nullptr);

    // Column `column` shows a check box read by `checked` and written by `setChecked`.
    void setCheckColumn(int column, Checked checked, SetChecked setChecked);

    // The rows changed (count or order): the view forgets its rows.
    void reload();
    // Texts or check marks changed in place.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headings_;
    RowCount rowCount_;
    Cell cell_;
    int checkColumn_ = -1;
    Checked checked_;
    SetChecked setChecked_;
};

}  // namespace vk
