#pragma once
// The checks made when "検索" is pressed, before anything is gathered. A
// refusal is a message for the user and changes nothing.

#include <array>
#include <optional>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/loader.h"

namespace vk {

// The five skill boxes as the search reads them: an index that names no
// activation (no selection, -1, or past the table) counts as item 0.
std::array<int, 5> skillBoxValues(const Catalogue& cat, const std::array<int, 5>& skillBoxes);

// The box values sorted descending: chosen skills first, empty boxes (0) last.
std::array<int, 5> sortedWanted(const Catalogue& cat, const std::array<int, 5>& skillBoxes);

// Nothing when a search may start; otherwise the message (Shift-JIS text and
// caption) that refuses it: start-up error or a table without rows, no skill
// chosen, or two chosen skills of one skill system.
std::optional<UserMessage> checkSearchRequest(const Catalogue& cat, bool startupError,
                                              const std::array<int, 5>& skillBoxes);

}  // namespace vk
