#pragma once
// Words and captions per part, indexed by PartIndex (Leg first, then Head,
// Body, Arm, Wst and the weapon).

#include <array>

#include "core/catalogue/records.h"

namespace vk {

// The word that begins the part's control names ("HeadCB", "LegPossLV").
inline constexpr std::array<const char*, kDecoParts> kPartWord = {"Leg", "Head", "Body", "Arm", "Wst", "Weapon"};

// The one-letter caption of the part ("頭" for Head, "武" for the weapon).
inline constexpr std::array<const char*, kDecoParts> kPartLetter = {"脚", "頭", "胴", "腕", "腰", "武"};

}  // namespace vk
