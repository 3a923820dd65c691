#include "core/search/addable/addable_candidates.h"

#include "core/search/condition/condition_check.h"

namespace vk {

long long pointsNeeded(const SkillEq& eq) { return eq.kind == kGreater ? eq.threshold + 1LL : eq.threshold; }

std::optional<AddableCandidate> candidateFor(const Catalogue& cat, const SkillBoxes& boxes, int row) {
    if (row <= 0 || row >= static_cast<int>(cat.skillEqs.size())) return std::nullopt;
    const SkillEq& eq = cat.skillEqs[row];
    if (!isPositiveKind(eq.kind)) return std::nullopt;
    int firstEmpty = -1;
    int holder = -1;
    for (int b = 0; b < 5; ++b) {
        if (boxes[b] == row) return std::nullopt;
        if (boxes[b] == 0) {
            if (firstEmpty < 0) firstEmpty = b;
        } else if (eq.system != 0 && cat.skillEqs[boxes[b]].system == eq.system && holder < 0) {
            holder = b;
        }
    }
    if (holder < 0) {
        if (firstEmpty < 0) return std::nullopt;
        return AddableCandidate{row, firstEmpty, false};
    }
    const SkillEq& held = cat.skillEqs[boxes[holder]];
    if (isPositiveKind(held.kind) && pointsNeeded(held) < pointsNeeded(eq)) return AddableCandidate{row, holder, true};
    return std::nullopt;
}

std::vector<AddableCandidate> addableCandidates(const Catalogue& cat, const SkillBoxes& boxes) {
    std::vector<AddableCandidate> out;
    for (int row = 1; row < static_cast<int>(cat.skillEqs.size()); ++row)
        if (const std::optional<AddableCandidate> c = candidateFor(cat, boxes, row)) out.push_back(*c);
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
