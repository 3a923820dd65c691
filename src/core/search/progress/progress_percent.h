#pragma once
// Percent done at the start of a pass over the inner three loops, from the
// Head and Body positions: every operation in single precision.

#include <cstddef>

namespace vk {

inline float progressPercent(std::size_t headPos, std::size_t headLen, std::size_t bodyPos, std::size_t bodyLen) {
    const float h = static_cast<float>(headPos);
    const float hl = static_cast<float>(headLen);
    const float b = static_cast<float>(bodyPos);
    const float bl = static_cast<float>(bodyLen);
    return b * 100.0f / bl / hl + h * 100.0f / hl;
}

}  // namespace vk
