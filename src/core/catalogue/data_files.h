#pragma once
// The eight data files of a catalogue folder, by their bare names.

#include <array>

#include "core/catalogue/records.h"

namespace vk {

inline constexpr const char* kSkillTypeFile = "SKILL_TYPE.txt";
inline constexpr std::array<const char*, kArmourParts> kEquipFiles = {
    "ZEVAEQUIP_LEG.csv", "ZEVAEQUIP_HEAD.csv", "ZEVAEQUIP_BODY.csv", "ZEVAEQUIP_ARM.csv", "ZEVAEQUIP_WST.csv"};
inline constexpr const char* kDecoFile = "ZEVAEQUIP_DECO.csv";
inline constexpr const char* kSkillEqFile = "SKILL_EQ.csv";

}  // namespace vk
