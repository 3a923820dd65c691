#pragma once
// Shift-JIS (code page 932) at the edges. Core keeps every name as raw
// Shift-JIS bytes; these convert for the terminal and the window.

#include <optional>
#include <string>
#include <string_view>

namespace vk {

// Shift-JIS bytes to UTF-8. Bytes that are not valid Shift-JIS become U+FFFD.
std::string sjisToUtf8(std::string_view sjis);

// UTF-8 to Shift-JIS. Characters with no Shift-JIS form become '?'.
std::string utf8ToSjis(std::string_view utf8);

// UTF-8 to Shift-JIS, or nothing when any character has no Shift-JIS form
// (or the text is not UTF-8): for callers that must not mistake a '?' for
// the user's own.
std::optional<std::string> utf8ToSjisExactly(std::string_view utf8);

}  // namespace vk
