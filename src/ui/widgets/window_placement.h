#pragma once
// Keeps a top-level window on its screen's work area (the available
// geometry, which leaves panels and docks free).

#include <filesystem>
#include <string_view>

#include "core/settings/window_settings.h"

class QWidget;

namespace vk {

// Moves and shrinks `window` onto the work area of its screen once.
void fitToWorkArea(QWidget* window);

// Fits now and again whenever the screen's work area changes.
void keepFittedToWorkArea(QWidget* window);

// The window's place as the settings file keeps it: for a maximised or
// minimised window the bounds of its restored position (known from the
// first keepFittedToWorkArea or applyWindowSettings on).
WindowSettings windowSettingsOf(QWidget* window);

// Puts the window at the stored bounds, maximised when so stored (shown
// later, it opens maximised and restores to those bounds).
void applyWindowSettings(QWidget* window, const WindowSettings& settings);

// A dialog's place in its own section of the settings file. Reading puts the
// window there and says whether the file may be written (false when it is
// there but cannot be read: it is never written over); without a stored
// place it opens centred on its parent. Writing replaces
// the section; a failed write is not reported.
bool readWindowPlacement(QWidget* window, const std::filesystem::path& file, std::string_view section);
void writeWindowPlacement(QWidget* window, const std::filesystem::path& file, std::string_view section);

}  // namespace vk
