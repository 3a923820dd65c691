#pragma once
// Control bytes in a name. A name is one field of one line of a file, so no
// byte below a blank (nor DEL) may stay in it: a line break or a NUL would
// cut the record. Shift-JIS never uses these bytes inside a two-byte
// character, so each one is replaced on its own.

#include <string>
#include <string_view>

namespace vk {

constexpr bool isControlByte(unsigned char b) { return b < 0x20 || b == 0x7F; }

// `text` with every control byte replaced by a blank.
inline std::string controlsAsBlanks(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (isControlByte(static_cast<unsigned char>(c))) c = ' ';
    return out;
}

}  // namespace vk
