#pragma once
// ResultLV's rows: a virtual list over the window's ResultView. The model
// keeps only the row count; every text is asked of the view when a row is
// drawn, so 100000 hits cost nothing until they are shown.

#include <QAbstractTableModel>

class QAbstractItemView;

namespace vk {

class ResultView;

class ResultListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultListModel(const ResultView& view, QObject* parent = nullptr);

    // The list's item count: 0 while a search runs, the hits after it.
    void setRowCount(int rows);
    // The view's order changed: rows first..last (clamped to the list) are
    // drawn anew. Only the rows on screen need it: the list is virtual, so
    // every other row is asked for its texts when it is scrolled into view,
    // and a signal over millions of rows costs the list a pass over them.
    void refresh(int first, int last);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ResultView& view_;
    int rows_ = 0;
};

// A click on heading `column` of `list`, which shows `model` over `view`: the
// view's order changes (ResultView::clickColumn; its orders are made when the
// hits are taken, so a click sorts in constant time) and the rows on screen
// are drawn anew.
void sortHitList(ResultView& view, int column, ResultListModel& model, const QAbstractItemView& list);

}  // namespace vk
