#pragma once
// Placing a top-level window on the screen's work area (the part of the
// screen that panels and task bars leave free). Pure arithmetic, so the
// window code and the tests share it.

namespace vk {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const ScreenRect&) const = default;
};

// A window that sticks out of the work area on the left or the right is moved
// to the area's left edge, one that sticks out above or below to its top edge;
// a window that is still wider or taller than the area then takes the area's
// width or height. A window inside the area is left as it is.
ScreenRect fitToWorkArea(ScreenRect window, const ScreenRect& workArea);

}  // namespace vk
