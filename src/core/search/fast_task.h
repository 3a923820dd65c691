#pragma once
// One slice of a fast search: a Head position, a Body position and a range of
// Arm positions, with everything below them. Slices are independent, so they
// can run on several threads; their outcomes are merged in enumeration order.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/deco_memo.h"
#include "search/fast_deco_search.h"
#include "search/fast_bounds.h"
#include "search/fast_plan.h"

namespace vk {

struct TaskSpec {
    std::size_t head = 0;
    std::size_t body = 0;
    std::size_t armBegin = 0;
    std::size_t armEnd = 0;
};

struct OrderedHit {
    std::uint64_t ordinal = 0;  // the combination's number within its slice, from 1
    Result hit;
};

struct TaskOutcome {
    std::vector<OrderedHit> hits;
    std::uint64_t tested = 0;  // combinations counted (up to the end, when the slice ended the search)
    bool ended = false;        // the hit limit ended the search inside this slice, at combination `tested`
    bool stopped = false;      // Running was cleared: the slice stopped early
};

class FastTaskRunner {
public:
    // Everything is referenced; all must outlive the runner. `shared` (may be
    // null) is the decoration memo of the other threads of the search.
    FastTaskRunner(const FastPlan& plan, const ExceptFlags& exclusions, SearchControl& control,
                   SharedDecoMemo* shared = nullptr);

    TaskOutcome run(const TaskSpec& spec);

private:
    bool halted();  // waits out a pause; true when Running is clear
    void bodyGains(std::size_t body);
    // The decoration outcome for the current pieces, or nullptr when the
    // search was stopped while fitting.
    const DecoOutcome* decorate(const Pieces& rows, int bodyFactor, const WantedInts& need);
    Result makeHit(const Pieces& rows, const DecoSet& decos) const;

    const FastPlan& plan_;
    SearchControl& control_;
    FastDecorationSearch decoSearch_;
    DecoMemo memo_;
    SharedDecoMemo* shared_;

    std::size_t gainsBody_ = static_cast<std::size_t>(-1);
    std::array<std::vector<Gain>, kArmourParts> gains_;  // per part in list order, under the current body
    GainBounds wstLegBounds_;
    GainBounds legBounds_;
};

}  // namespace vk
