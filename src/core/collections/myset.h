#pragma once
// A named, complete equipment set the user keeps: five pieces, the weapon's
// slot count and the decorations of all six part rows.

#include <cstdint>
#include <deque>
#include <string>

#include "core/search/hits/result.h"

namespace vk {

struct Myset {
    std::int32_t Sex = 0;         // 1 男, 2 女; 0 not chosen (only the edit record)
    std::int32_t Type = 0;        // 1 剣士, 2 ガンナー; 0 not chosen
    std::int32_t WeaponSlot = 0;  // 0..3
    std::string Name;             // Shift-JIS, at most 255 bytes, stored as typed
    Result Set;                   // Index and the entries of Decos carry the set; the rest rides along

    bool operator==(const Myset&) const = default;
};

// The user's my sets in list order.
using MysetList = std::deque<Myset>;

}  // namespace vk
