#pragma once
// The additional-skill search: which further skills the player could still
// ask for. A candidate (addable_candidates.h) is addable exactly when the
// search asking for its boxes, the rest of the condition unchanged and no
// hit limit, finds at least one hit.
//
// Two ways to decide, with the same answers:
//  - decideByPlainSearches: one search per candidate, stopping at its first
//    hit. With the reference engine it is the definition itself.
//  - decideAddable: the same answers with far less work. A quick bound
//    (reach_bound.h) settles the candidates whose skills cannot reach their
//    points together in any combination; the others are searched with the
//    fast engine to their first hit, and every hit found is offered at once
//    to the candidates still open: one the engine would store as a hit for
//    them decides them too (combination_check.h). Only the candidates
//    without hits that the bound cannot settle are searched through.

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/search/addable/addable_candidates.h"
#include "core/search/engine/engine.h"
#include "core/search/engine/engine_factory.h"

namespace vk {

enum class Verdict : std::uint8_t { Open, Addable, NotAddable };

struct AddableState {
    std::vector<AddableCandidate> candidates;  // table order
    std::vector<Verdict> verdicts;             // one per candidate
    std::size_t decided = 0;
    std::size_t addable = 0;
    bool stopped = false;  // Running was cleared before every candidate was decided
};

// Hears the state after every decision and, within long searches, at least
// every kAddableReportMs; called on the thread that runs the search.
using AddableProgressFn = std::function<void(const AddableState&)>;
constexpr int kAddableReportMs = 100;

struct AddableRequest {
    const SearchCondition& base;  // what the engine searches with (wanted sorted)
    SkillBoxes boxes;             // the skill boxes in box order
    const SearchSnapshot& snapshot;
};

// Both return when every candidate is decided or control.Running is cleared
// (then `stopped`, the open candidates staying open). Throw
// std::invalid_argument for a condition naming rows the catalogue lacks.
AddableState decideByPlainSearches(const Catalogue& cat, EngineKind engine, int threads, const AddableRequest& request,
                                   SearchControl& control, const AddableProgressFn& progress);
AddableState decideAddable(const Catalogue& cat, int threads, const AddableRequest& request, SearchControl& control,
                           const AddableProgressFn& progress);

}  // namespace vk
