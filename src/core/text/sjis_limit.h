#pragma once
// Cutting Shift-JIS text to a byte limit without splitting a character.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace vk {

// True for a byte that starts a two-byte Shift-JIS character.
constexpr bool isSjisLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The longest start of `text` of at most `maxBytes` bytes that ends on a
// character boundary.
inline std::string limitSjisBytes(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t width = isSjisLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > maxBytes) break;
        end += width;
    }
    return std::string(text.substr(0, std::min(end, text.size())));
}

}  // namespace vk
