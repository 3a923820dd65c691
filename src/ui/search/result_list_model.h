#pragma once
// ResultLV's rows: a virtual list over the window's ResultView. The model
// keeps only the row count; every text is asked of the view when a row is
// drawn, so 100000 hits cost nothing until they are shown.

#include <QAbstractTableModel>

namespace vk {

class ResultView;

class ResultListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultListModel(const ResultView& view, QObject* parent = nullptr);

    // The list's item count: 0 while a search runs, the hits after it.
    void setRowCount(int rows);
    // The view's order changed (a column click): every row is drawn anew.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ResultView& view_;
    int rows_ = 0;
};

}  // namespace vk
