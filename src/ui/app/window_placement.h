#pragma once
// Keeps a top-level window on its screen's work area (the available
// geometry, which leaves panels and docks free).

class QWidget;

namespace vk {

// Moves and shrinks `window` onto the work area of its screen once.
void fitToWorkArea(QWidget* window);

// Fits now and again whenever the screen's work area changes.
void keepFittedToWorkArea(QWidget* window);

}  // namespace vk
