#pragma once
// Core text is Shift-JIS bytes; Qt text is Unicode. Convert only here, at
// the window's edge.

#include <string>
#include <string_view>

#include <QString>

namespace vk {

QString fromSjis(std::string_view sjis);
std::string toSjis(const QString& text);

}  // namespace vk
