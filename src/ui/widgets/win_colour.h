#pragma once
// Windows colour values (0x00BBGGRR) of the core's colour rules as Qt colours.

#include <optional>

#include <QColor>
#include <QVariant>

#include "core/results/row_colours.h"

namespace vk {

inline QColor qColourOf(WinColour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// A row background for Qt::BackgroundRole: none keeps the default colours.
inline QVariant backgroundOf(std::optional<WinColour> c) { return c ? QVariant(qColourOf(*c)) : QVariant(); }

}  // namespace vk
