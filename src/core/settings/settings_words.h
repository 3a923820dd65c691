#pragma once
// The words that stand for a part in settings keys ("FixHeadName",
// "LegDecoIndex0_1", "WeponSlot0"), indexed by PartIndex; the weapon's word
// keeps the file's spelling.

#include <array>
#include <string>
#include <string_view>

#include "core/catalogue/records.h"

namespace vk {

inline constexpr std::array<std::string_view, kDecoParts> kSettingsPartWord = {"Leg", "Head", "Body",
                                                                                "Arm", "Wst", "Wepon"};

// `prefix` + the part's word + `suffix` + the numbers joined by '_' (none,
// one or two): settingsKey("Fix", Head, "DecoName", {2}) is "FixHeadDecoName2".
inline std::string settingsKey(std::string_view prefix, int part, std::string_view suffix,
                               std::initializer_list<int> numbers = {}) {
    std::string key(prefix);
    key += kSettingsPartWord[part];
    key += suffix;
    bool first = true;
    for (int n : numbers) {
        if (!first) key += '_';
        key += std::to_string(n);
        first = false;
    }
    return key;
}

}  // namespace vk
