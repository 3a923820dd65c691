#pragma once
// One hit of a search.

#include <array>
#include <cstdint>

#include "core/catalogue/deco_set.h"

namespace vk {

struct Result {
    std::int32_t No = 0;  // 1-based number in search order; 0 until the hits are numbered
    std::array<std::int32_t, kArmourParts> Index{};  // Equip row per part, PartIndex order
    std::int32_t Defence = 0;
    std::int32_t Slot = 0;
    std::int32_t Possessed = 0;
    DecoSet Decos;

    bool operator==(const Result&) const = default;
};

}  // namespace vk
