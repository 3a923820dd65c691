#include "ui/app/window_placement.h"

#include <QScreen>
#include <QWidget>

#include "core/settings/work_area.h"

namespace vk {

namespace {

ScreenRect toScreenRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

void fitToWorkArea(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    // The edges are those of the whole window, frame included; only the
    // client part can be resized, so the frame's extra size is kept.
    const QRect frame = window->frameGeometry();
    const ScreenRect fitted = vk::fitToWorkArea(toScreenRect(frame), toScreenRect(screen->availableGeometry()));
    const int extraWidth = frame.width() - window->width();
    const int extraHeight = frame.height() - window->height();
    window->move(fitted.left, fitted.top);
    window->resize(fitted.width - extraWidth, fitted.height - extraHeight);
}

void keepFittedToWorkArea(QWidget* window) {
    fitToWorkArea(window);
    if (QScreen* screen = window->screen())
        QObject::connect(screen, &QScreen::availableGeometryChanged, window, [window] { fitToWorkArea(window); });
}

}  // namespace vk
