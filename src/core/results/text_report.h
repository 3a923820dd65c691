#pragma once
// The plain-text report of one armour set, as the clipboard gets it:
// Shift-JIS, "\r\n" line ends, field widths counted in bytes, runs of blanks
// folded pairwise into ideographic spaces.

#include <string>

#include "core/catalogue/catalogue.h"
#include "core/results/shown_set.h"
#include "core/results/skill_summary.h"

namespace vk {

// Builds the report of `set`. Runs the skill summary itself and leaves it in
// `summary` (the caller's tables are overwritten, as any report does).
std::string BuildTextReport(const Catalogue& catalogue, const ShownSet& set, SkillSummary& summary);

// The same with a summary of its own.
std::string BuildTextReport(const Catalogue& catalogue, const ShownSet& set);

// Overwrites every pair of adjacent blanks with the ideographic space
// (0x81 0x40), scanning from the start; the byte length stays the same.
void FoldBlanks(std::string& text);

}  // namespace vk
