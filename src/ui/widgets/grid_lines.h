#pragma once
// Grid lines for report-style lists: QTreeView draws none, so a delegate
// draws each cell's right and bottom edge after the cell itself.

#include <QStyledItemDelegate>

class QTreeView;

namespace vk {

class GridLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Gives `view` a GridLineDelegate that the view owns.
void showGridLines(QTreeView* view);

}  // namespace vk
