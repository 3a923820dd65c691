#include "core/search/fast/fast_plan.h"

#include <limits>
#include <stdexcept>

#include "core/search/condition/condition_bounds.h"

namespace vk {

namespace {

constexpr int kLowest = std::numeric_limits<int>::min();
constexpr int kHighest = std::numeric_limits<int>::max();

void acceptRange(int kind, int threshold, int& lo, int& hi) {
    lo = kLowest;
    hi = kHighest;
    switch (kind) {
    case kGreaterEqual: lo = threshold; break;
    case kGreater:
        if (threshold == kHighest) hi = kLowest, lo = kHighest;  // nothing is greater
        else lo = threshold + 1;
        break;
    case kLessEqual: hi = threshold; break;
    case kLess:
        if (threshold == kLowest) hi = kLowest, lo = kHighest;  // nothing is less
        else hi = threshold - 1;
        break;
    case kEqual: lo = hi = threshold; break;
    default: lo = kHighest, hi = kLowest;  // an unknown kind is never met
    }
}

void addSubtreeProof(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot,
                     FastPlan& plan) {
    for (int j = 0; j < plan.wanted.n; ++j)
        plan.decoNeverFits = plan.decoNeverFits || !(isPositiveKind(plan.wanted.kind[j]) || isNegativeKind(plan.wanted.kind[j]));
    plan.proof = makeDecoProof(cat, cond, plan.wanted, snapshot.exclusions);
    if (!plan.proof) return;
    auto slotsOf = [&](int part) {
        std::vector<int> slots;
        for (const PieceProfile& piece : plan.pieces[part]) slots.push_back(piece.slots);
        return slots;
    };
    plan.legMost = plan.proof->mostOf(slotsOf(Leg));
    plan.wstLegMost = plan.proof->mostOf(slotsOf(Wst));
    for (std::size_t b = 0; b < plan.legMost.size(); ++b) plan.wstLegMost[b] += plan.legMost[b];
}

}  // namespace

FastPlan makeFastPlan(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot) {
    if (const std::string error = conditionRangeError(cat, cond); !error.empty()) throw std::invalid_argument(error);
    FastPlan plan;
    plan.cat = &cat;
    plan.cond = &cond;
    plan.wanted = wantedSkills(cat, cond);
    plan.lists = buildCandidates(cat, cond, snapshot);
    if (cond.Priority > 0) orderByPriority(cat, cond.Priority, plan.lists);

    for (int p = 0; p < kArmourParts; ++p) {
        for (int row : plan.lists.parts[p]) {
            if (p == Body)
                plan.bodies.push_back(bodyProfile(cat, plan.wanted, cat.equip[p][row]));
            else
                plan.pieces[p].push_back(pieceProfile(cat, plan.wanted, cat.equip[p][row]));
        }
    }
    plan.fixed = fixedDecoPoints(cat, plan.wanted, cond);

    plan.estimateBounds = true;
    for (int j = 0; j < kWantedSlots; ++j) {
        if (!plan.wanted.set[j]) {
            plan.acceptLo[j] = kLowest;
            plan.acceptHi[j] = kHighest;
            continue;
        }
        acceptRange(plan.wanted.kind[j], plan.wanted.threshold[j], plan.acceptLo[j], plan.acceptHi[j]);
        if (isPositiveKind(plan.wanted.kind[j]) && !(cat.slotsPerPoint[plan.wanted.system[j]] >= 0.0f))
            plan.estimateBounds = false;
    }
    plan.hitLimit = static_cast<std::uint32_t>(cond.HitLimit);
    if (cond.useDecorations && !cond.fixDecorations) addSubtreeProof(cat, cond, snapshot, plan);
    return plan;
}

}  // namespace vk
