#pragma once
// A quick proof that a search cannot have a hit: its wanted ">=" and ">"
// skills, any group of them together, need more points than any combination
// of the candidate lists can give, armour and decorations counted together.
//
// For a group of skills, weighted by the points per slot their best
// decoration gives (so that a point costs about one slot whatever its
// skill), a hit needs its pieces' weighted points plus what its slots can
// hold to reach the weighted points the skills need. Decorations with points
// in two skills of the group are allowed for, and so are torso-up pieces,
// the weapon's slots and the fixed decorations. The most that sum can be is
// the sum of each part's most, which is quick to find.

#include "core/search/engine/candidate_lists.h"

namespace vk {

// False only when no combination of `lists` can meet the wanted skills of
// `cond` with any decorations its search could fit: its search has no hit.
bool mayMeetWanted(const Catalogue& cat, const SearchCondition& cond, const CandidateLists& lists,
                   const SearchSnapshot& snapshot);

}  // namespace vk
