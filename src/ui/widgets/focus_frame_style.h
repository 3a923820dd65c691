#pragma once
// The application's style with a focus frame on push buttons that can be
// seen: the usual styles mark the focused button faintly or only after a Tab,
// and a keyboard user must see which button Space or Enter presses.

#include <QProxyStyle>

namespace vk {

class FocusFrameStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;  // no base: the platform's default style
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace vk
