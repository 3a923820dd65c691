#pragma once
// Words and captions per part, indexed by PartIndex (Leg first, then Head,
// Body, Arm, Wst and the weapon).

#include <array>

#include "core/catalogue/part_letters.h"
#include "core/catalogue/records.h"

namespace vk {

// The word that begins the part's control names ("HeadCB", "LegPossLV").
inline constexpr std::array<const char*, kDecoParts> kPartWord = {"Leg", "Head", "Body", "Arm", "Wst", "Weapon"};

// kPartLetter (core/catalogue/part_letters.h): the one-letter caption.

}  // namespace vk
