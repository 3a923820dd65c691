#pragma once
// The application's style with a focus frame on push buttons that can be
// seen: the usual styles mark the focused button faintly or only after a Tab,
// and a keyboard user must see which button Space or Enter presses. A
// button's caption keeps clear of that frame: its size hint leaves room on
// both sides.

#include <QProxyStyle>

namespace vk {

class FocusFrameStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;  // a base style or its key
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;

    // Between a caption and either edge of its button, at the least.
    static constexpr int kCaptionMargin = 8;
};

}  // namespace vk
