#pragma once
// Reading typed or shown text as a whole number, the way list captions and
// total cells are read back.

#include <charconv>
#include <optional>
#include <string_view>

namespace vk {

// The whole text as a decimal int (an optional leading '-'); nothing for an
// empty text, any other character, or a value outside int.
inline std::optional<int> parseWholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace vk
