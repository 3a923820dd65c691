#include "core/settings/work_area.h"

namespace vk {

ScreenRect fitToWorkArea(ScreenRect window, const ScreenRect& area) {
    if (window.left < area.left || window.right() > area.right()) window.left = area.left;
    if (window.top < area.top || window.bottom() > area.bottom()) window.top = area.top;
    if (window.right() > area.right()) window.width = area.right() - area.left;
    if (window.bottom() > area.bottom()) window.height = area.bottom() - area.top;
    return window;
}

}  // namespace vk
