#pragma once
// Case folding of Shift-JIS text the way the system's ANSI functions do it:
// only single-byte ASCII letters change; the second byte of a double-byte
// character is never taken for a letter.

#include <string>
#include <string_view>

namespace vk {

// True for a byte that opens a double-byte Shift-JIS character.
constexpr bool isSjisLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// `text` with its single-byte a..z made A..Z.
std::string sjisUpper(std::string_view text);

// Case-insensitive comparison: <0, 0 or >0, bytes compared unsigned after
// sjisUpper.
int compareNoCase(std::string_view a, std::string_view b);

// True when `needle` occurs in `haystack`, both folded, at a character start.
bool containsNoCase(std::string_view haystack, std::string_view needle);

}  // namespace vk
