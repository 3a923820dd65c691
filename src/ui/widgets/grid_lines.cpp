#include "ui/widgets/grid_lines.h"

#include <QPainter>
#include <QTreeView>

namespace vk {

void GridLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(QColor(208, 208, 208));
    const QRect& r = option.rect;
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->restore();
}

void showGridLines(QTreeView* view) { view->setItemDelegate(new GridLineDelegate(view)); }

}  // namespace vk
