#include "ui/widgets/focus_frame_style.h"

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

}  // namespace vk
