#include "core/search/addable/addable_search.h"

#include <memory>
#include <optional>

#include "core/search/addable/combination_check.h"
#include "core/search/addable/reach_bound.h"
#include "core/search/fast/fast_engine.h"

namespace vk {

namespace {

using Clock = std::chrono::steady_clock;

// The state being decided and the one who hears about it.
class Reporter {
public:
    Reporter(const Catalogue& cat, const AddableRequest& request, const AddableProgressFn& progress)
        : progress_(progress), last_(Clock::now()) {
        state_.candidates = addableCandidates(cat, request.boxes);
        state_.verdicts.assign(state_.candidates.size(), Verdict::Open);
    }

    AddableState& state() { return state_; }
    bool open(std::size_t i) const { return state_.verdicts[i] == Verdict::Open; }

    void decide(std::size_t i, bool addable) {
        state_.verdicts[i] = addable ? Verdict::Addable : Verdict::NotAddable;
        ++state_.decided;
        if (addable) ++state_.addable;
        tell();
    }
    // From within a search: a report when the last one is long enough ago.
    void pulse() {
        if (Clock::now() - last_ >= std::chrono::milliseconds(kAddableReportMs)) tell();
    }
    AddableState finish(const SearchControl& control) {
        state_.stopped = state_.decided < state_.candidates.size() && !control.Running;
        return std::move(state_);
    }

private:
    void tell() {
        last_ = Clock::now();
        if (progress_) progress_(state_);
    }

    AddableState state_;
    const AddableProgressFn& progress_;
    Clock::time_point last_;
};

// Whether the candidate's search has a hit; nothing when a stop cut it short
// before one was found.
std::optional<bool> searchHasHit(SearchEngine& engine, const SearchCondition& cond, const SearchSnapshot& snapshot,
                                 SearchControl& control, Reporter& reporter) {
    engine.run(cond, snapshot, control, [&reporter](const SearchProgress&) { reporter.pulse(); });
    if (!engine.store().empty()) return true;
    if (!control.Running) return std::nullopt;
    return false;
}

std::vector<SearchCondition> candidateConditions(const Catalogue& cat, const AddableRequest& request,
                                                 const std::vector<AddableCandidate>& candidates) {
    std::vector<SearchCondition> conds;
    conds.reserve(candidates.size());
    for (const AddableCandidate& c : candidates) conds.push_back(candidateCondition(cat, request.base, request.boxes, c));
    return conds;
}

// False when one wanted skill of `cond` cannot reach its points in any
// combination: the search then has no hit.
bool mayMeetEvery(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot) {
    return mayMeetWanted(cat, cond, buildCandidates(cat, cond, snapshot), snapshot);
}

}  // namespace

AddableState decideByPlainSearches(const Catalogue& cat, EngineKind kind, int threads, const AddableRequest& request,
                                   SearchControl& control, const AddableProgressFn& progress) {
    Reporter reporter(cat, request, progress);
    const std::vector<SearchCondition> conds = candidateConditions(cat, request, reporter.state().candidates);
    const std::unique_ptr<SearchEngine> engine = makeSearchEngine(cat, kind, threads);
    for (std::size_t i = 0; i < conds.size() && control.Running; ++i) {
        const std::optional<bool> hit = searchHasHit(*engine, conds[i], request.snapshot, control, reporter);
        if (!hit) break;
        reporter.decide(i, *hit);
    }
    return reporter.finish(control);
}

AddableState decideAddable(const Catalogue& cat, int threads, const AddableRequest& request, SearchControl& control,
                           const AddableProgressFn& progress) {
    Reporter reporter(cat, request, progress);
    const std::vector<SearchCondition> conds = candidateConditions(cat, request, reporter.state().candidates);
    std::vector<std::unique_ptr<CombinationCheck>> checks(conds.size());
    FastEngine engine(cat, threads);

    // Offers a hit of candidate `from` to the open candidates after it.
    auto offer = [&](const Result& hit, std::size_t from) {
        Pieces pieces{};
        for (int p = 0; p < kArmourParts; ++p) pieces[p] = hit.Index[p];
        for (std::size_t j = from + 1; j < conds.size() && control.Running; ++j) {
            if (!reporter.open(j)) continue;
            if (!checks[j]) checks[j] = std::make_unique<CombinationCheck>(cat, conds[j], request.snapshot, control);
            if (checks[j]->accepts(pieces)) reporter.decide(j, true);
            reporter.pulse();
        }
    };

    // The proof first: it is cheap, and a candidate it settles is offered no hit.
    for (std::size_t i = 0; i < conds.size() && control.Running; ++i) {
        if (!mayMeetEvery(cat, conds[i], request.snapshot)) reporter.decide(i, false);
        reporter.pulse();
    }
    for (std::size_t i = 0; i < conds.size() && control.Running; ++i) {
        if (!reporter.open(i)) continue;
        const std::optional<bool> hit = searchHasHit(engine, conds[i], request.snapshot, control, reporter);
        if (!hit) break;
        reporter.decide(i, *hit);
        if (*hit) offer(engine.store().front(), i);
    }
    return reporter.finish(control);
}

}  // namespace vk
