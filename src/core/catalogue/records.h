#pragma once
// The records of the game catalogue. Names are raw Shift-JIS bytes; every
// reference between records is a table index.

#include <array>
#include <string>

namespace vk {

// One numbering for every per-part table and loop. Leg comes first.
enum PartIndex : int { Leg = 0, Head = 1, Body = 2, Arm = 3, Wst = 4, Weapon = 5 };
constexpr int kArmourParts = 5;  // Leg .. Wst
constexpr int kDecoParts = 6;    // Leg .. Wst and the weapon
constexpr int kSlotsPerPart = 3;
constexpr int kMaxNameBytes = 255;

// Screens list the parts head first.
constexpr std::array<int, 5> kDisplayOrder = {Head, Body, Arm, Wst, Leg};

enum CompareKind : int { kGreaterEqual = 0, kGreater = 1, kLessEqual = 2, kLess = 3, kEqual = 4 };

struct SkillPoints {
    int system = 0;  // SkillType index; -1 for a name that is not in the table
    int points = 0;
};

struct Equip {
    std::string name;
    int sex = 0;
    int type = 0;
    int rarity = 0;
    int slots = 0;
    int defence = 0;
    int fire = 0;
    int water = 0;
    int thunder = 0;
    int ice = 0;
    int dragon = 0;
    std::array<SkillPoints, 5> skill{};
};

struct Deco {
    std::string name;
    int rarity = 0;
    int slots = 0;
    std::array<SkillPoints, 2> skill{};  // [0] main skill, [1] second skill (system 0 when absent)
};

struct SkillEq {
    std::string name;
    int index = 0;
    int system = 0;
    int kind = kGreaterEqual;
    int threshold = 0;
};

// True when `total` activates an activation of the given kind and threshold.
constexpr bool compareTotal(int kind, int total, int threshold) {
    switch (kind) {
    case kGreaterEqual: return total >= threshold;
    case kGreater: return total > threshold;
    case kLessEqual: return total <= threshold;
    case kLess: return total < threshold;
    case kEqual: return total == threshold;
    default: return false;
    }
}

constexpr bool isPositiveKind(int kind) { return kind == kGreaterEqual || kind == kGreater; }
constexpr bool isNegativeKind(int kind) { return kind == kLessEqual || kind == kLess; }

// A wearer fits a piece whose code is 0 (either) or equal to the wearer's.
constexpr bool codeFits(int pieceCode, int wearerCode) { return pieceCode == 0 || pieceCode == wearerCode; }

}  // namespace vk
