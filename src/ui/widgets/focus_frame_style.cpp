#include "ui/widgets/focus_frame_style.h"

#include <algorithm>

#include <QPainter>
#include <QStyleOption>

namespace vk {

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus) || !(option->state & State_Enabled)) return;
    // A two-pixel line in the selection colour, inside the button's bevel.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(option->palette.color(QPalette::Active, QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(3, 3, -2, -2));
    painter->restore();
}

QSize FocusFrameStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                        const QWidget* widget) const {
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type == CT_PushButton) size.setWidth(std::max(size.width(), contents.width() + 2 * kCaptionMargin));
    return size;
}

}  // namespace vk
