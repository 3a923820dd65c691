#include "core/search/addable/addable_candidates.h"

#include "core/search/condition/condition_check.h"

namespace vk {

long long pointsNeeded(const SkillEq& eq) { return eq.kind == kGreater ? eq.threshold + 1LL : eq.threshold; }

std::vector<AddableCandidate> addableCandidates(const Catalogue& cat, const SkillBoxes& boxes) {
    std::vector<AddableCandidate> out;
    int firstEmpty = -1;
    for (int b = 0; b < 5 && firstEmpty < 0; ++b)
        if (boxes[b] == 0) firstEmpty = b;
    for (int row = 1; row < static_cast<int>(cat.skillEqs.size()); ++row) {
        const SkillEq& eq = cat.skillEqs[row];
        if (!isPositiveKind(eq.kind)) continue;
        int holder = -1;
        bool wanted = false;
        for (int b = 0; b < 5; ++b) {
            if (boxes[b] == 0) continue;
            wanted = wanted || boxes[b] == row;
            if (eq.system != 0 && cat.skillEqs[boxes[b]].system == eq.system && holder < 0) holder = b;
        }
        if (wanted) continue;
        if (holder < 0) {
            if (firstEmpty >= 0) out.push_back({row, firstEmpty, false});
            continue;
        }
        const SkillEq& held = cat.skillEqs[boxes[holder]];
        if (isPositiveKind(held.kind) && pointsNeeded(held) < pointsNeeded(eq)) out.push_back({row, holder, true});
    }
    return out;
}

SkillBoxes boxesWith(const SkillBoxes& boxes, const AddableCandidate& candidate) {
    SkillBoxes with = boxes;
    with[candidate.box] = candidate.skillEq;
    return with;
}

SearchCondition candidateCondition(const Catalogue& cat, const SearchCondition& base, const SkillBoxes& boxes,
                                   const AddableCandidate& candidate) {
    SearchCondition cond = base;
    cond.wanted = sortedWanted(cat, boxesWith(boxes, candidate));
    cond.wantedCount = 0;
    for (int w : cond.wanted)
        if (w > 0) ++cond.wantedCount;
    cond.HitLimit = 1;
    cond.Interrupted = false;
    return cond;
}

}  // namespace vk
