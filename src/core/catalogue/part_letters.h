#pragma once
// The one-letter caption of each part, indexed by PartIndex ("頭" for Head,
// "武" for the weapon), as UTF-8 source text.

#include <array>

#include "core/catalogue/records.h"

namespace vk {

inline constexpr std::array<const char*, kDecoParts> kPartLetter = {"脚", "頭", "胴", "腕", "腰", "武"};

}  // namespace vk
