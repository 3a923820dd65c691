#pragma once
// The skills a player could still ask for on top of the wishes already in
// the skill boxes, each with the boxes it would give: the questions the
// additional-skill search answers one by one.

#include <array>
#include <optional>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"

namespace vk {

using SkillBoxes = std::array<int, 5>;  // SkillEq rows in box order (ReqSkill1 first), 0 for an empty box

struct AddableCandidate {
    int skillEq = 0;       // the activation asked for
    int box = 0;           // the skill box it goes into (0 = ReqSkill1)
    bool upgrade = false;  // it replaces a weaker activation of its system in that box
};

// The points an activation of kind ">=" or ">" needs: its threshold, plus one for ">".
long long pointsNeeded(const SkillEq& eq);

// In activation-table order, every ">=" or ">" activation not in `boxes`:
// one of a system a box holds when that box holds a ">=" or ">" activation
// needing fewer points (it replaces it); any other into the first empty box,
// none with five boxes full. System 0 is nobody's system, as the search's
// own duplicate check treats it. `boxes` hold valid rows (skillBoxValues).
std::vector<AddableCandidate> addableCandidates(const Catalogue& cat, const SkillBoxes& boxes);

// Activation `row` as a candidate on `boxes` by those rules; nothing when it
// is none (the window places a chosen skill with it on the boxes as they
// are now, which may differ from those the list was decided on).
std::optional<AddableCandidate> candidateFor(const Catalogue& cat, const SkillBoxes& boxes, int row);

// `boxes` with the candidate put in.
SkillBoxes boxesWith(const SkillBoxes& boxes, const AddableCandidate& candidate);

// The search that decides a candidate: `base` (what the engine searches with)
// asking for `boxes` with the candidate in them, stopping at its first hit
// (whether there is one is all that counts).
SearchCondition candidateCondition(const Catalogue& cat, const SearchCondition& base, const SkillBoxes& boxes,
                                   const AddableCandidate& candidate);

}  // namespace vk
