#pragma once
// Turns the search page's control values into the SearchCondition of one
// search. Call after checkSearchRequest() accepted the request.

#include <array>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/condition_form.h"

namespace vk {

constexpr int kDefaultHitLimit = 100000;
constexpr int kDefaultMinDefence = 0;

struct GatheredCondition {
    SearchCondition engine;  // wanted sorted descending: what the engine searches with
    SearchCondition window;  // the same with wanted in box order (ReqSkill1 first), kept by the main window
};

// The whole text as a decimal int (optional '+' or '-', digits, within int);
// `fallback` for anything else, the empty text included.
int conditionNumber(std::string_view text, int fallback);

// The hit limit and the minimum defence their boxes' texts stand for: what a
// search takes and what the settings file keeps, so the two never differ.
int hitLimitOf(std::string_view text);
int minDefenceOf(std::string_view text);

// The rows of `all` that belong to fixed parts: what the engine fits
// around. The weapon row and the rows of parts not fixed stay empty.
DecoSet decorationsOfFixedParts(const DecoSet& all, const std::array<bool, kArmourParts>& fixed);

GatheredCondition gatherCondition(const Catalogue& cat, const ConditionForm& form);

}  // namespace vk
