#pragma once
// One slice of a fast search: a run of Head x Body positions, or one position
// and a range of its Arm positions, with everything below them. Slices are independent, so they
// can run on several threads; their outcomes are merged in enumeration order.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "core/search/fast/deco_memo.h"
#include "core/search/fast/fast_bounds.h"
#include "core/search/fast/fast_deco_search.h"
#include "core/search/fast/fast_plan.h"

namespace vk {

// Head x Body positions are numbered head * bodies + body, in enumeration order.
struct SliceBounds {
    std::size_t positionBegin = 0;
    std::size_t positionEnd = 0;
    std::size_t armBegin = 0;  // the Arm range of every position
    std::size_t armEnd = 0;
};

struct TaskOutcome {
    ResultStore hits;
    // Each hit's combination number within the slice, from 1; in blocks, so
    // that a slice's many hits cost no doubling room and can be dropped.
    std::deque<std::uint64_t> hitOrdinals;
    std::uint64_t tested = 0;  // combinations counted (up to the end, when the slice ended the search)
    // The search surely ends inside this slice, at combination `tested` or
    // before: its hits and those of the slices before it reach the hit limit
    // or fill the memory budget (or, with nothing kept, it cannot be reached).
    bool ended = false;
    bool stopped = false;      // Running was cleared: the slice stopped early
    // When stopped: the combination at which the stop was noticed (counted,
    // as the reference counts it); only hits before it stand.
    std::uint64_t stoppedAt = 0;
    // Combinations counted before each Body position that starts in this
    // slice, in order: the reference reports progress there.
    std::vector<std::uint64_t> bodyStarts;
};

class FastTaskRunner {
public:
    // Everything is referenced; all must outlive the runner. `shared` (may be
    // null) is the decoration memo of the other threads of the search.
    FastTaskRunner(const FastPlan& plan, const ExceptFlags& exclusions, SearchControl& control,
                   SharedDecoMemo* shared = nullptr);

    TaskOutcome run(const SliceBounds& slice);

    // Hears, every few Wst positions and after every decoration search that
    // ran, how many combinations of the running slice are counted so far.
    using Pulse = std::function<void(std::uint64_t)>;
    void setPulse(Pulse pulse) { pulse_ = std::move(pulse); }

    // How many hits the slices before the running one surely hold, raised by
    // other threads as they find them (null: none), and who hears the
    // running slice's own count every kPublishedHits hits (may be empty).
    // A slice ends as soon as its hits and those before it end the search,
    // so that the slices under way together hold no more than it keeps.
    using Publish = std::function<void(std::size_t)>;
    void setHitsBefore(const std::atomic<std::size_t>* before, Publish publish) {
        before_ = before;
        publish_ = std::move(publish);
    }
    static constexpr std::size_t kPublishedHits = 4096;
    // The hits that surely end a search: its hit limit, or as many as fill
    // its memory budget (ResultStore::hitsFilling).
    static std::size_t endingHits(const FastPlan& plan, const SearchControl& control);

private:
    // One Head x Body position over an Arm range; false when the slice ends here.
    bool runPosition(std::size_t head, std::size_t body, std::size_t armBegin, std::size_t armEnd, TaskOutcome& out);

    bool halted();  // waits out a pause; true when Running is clear
    std::size_t hitsBefore() const { return before_ ? before_->load(std::memory_order_relaxed) : 0; }
    // True, with the slice ended at its last hit, when its hits and those
    // before it already end the search.
    bool enoughHits(TaskOutcome& out) const;
    // Ends the slice at combination `ordinal` on a stop; returns false.
    static bool stopAt(std::uint64_t ordinal, TaskOutcome& out);
    void beat(std::uint64_t tested) {
        if (pulse_) pulse_(tested);
    }
    void bodyGains(std::size_t body);
    // The decoration outcome for the current pieces, or nullptr when the
    // search was stopped while fitting.
    const DecoOutcome* decorate(const Pieces& rows, int bodyFactor, const WantedInts& need);
    Result makeHit(const Pieces& rows, const DecoSet& decos) const;
    // What a combination of a Wst group and a leg group comes to, for the
    // current arm (valid while `stamp` is the arm's).
    struct Judgement {
        enum Kind : std::uint8_t { Nothing, Reached, Hit } kind = Nothing;
        int decos = -1;  // index into judgedDecos_, or -1 for the armour-only layout
        std::uint64_t stamp = 0;
    };
    // A hit, or (with a hit limit of 0) any combination reaching the limit test.
    bool worthVisiting(const Judgement& j) const {
        return j.kind == Judgement::Hit || (j.kind == Judgement::Reached && plan_.hitLimit == 0);
    }
    // Judges a Wst group (`withWst` holds one member, `rows` its pieces) with
    // a leg group; nullptr when a stop interrupted decoration fitting.
    const Judgement* judge(std::size_t wstGroup, std::size_t legGroup, const PartialSum& withWst, Pieces rows);
    // Judges every leg group and lists the legs worth visiting; false when stopped.
    bool listLiveLegs(std::size_t wstGroup, const PartialSum& withWst, const Pieces& rows);

    // Runs the subtree proof of failure while it pays: after a long run of
    // subtrees it could not skip, it is tried on one in kSampled until it
    // skips one again. Which subtrees are skipped never changes a result.
    class ProofGate {
    public:
        bool open() {
            if (waiting_ == 0) return true;
            --waiting_;
            return false;
        }
        void record(bool skipped) {
            if (skipped)
                misses_ = 0;
            else if (++misses_ >= kMissesBeforeSampling)
                waiting_ = kSampled - 1;
        }

    private:
        static constexpr std::uint32_t kMissesBeforeSampling = 64;
        static constexpr std::uint32_t kSampled = 16;
        std::uint32_t misses_ = 0;
        std::uint32_t waiting_ = 0;
    };
    // Whether the subtree under `partial` is barren, with the proof when its gate is open.
    bool barren(const PartialSum& partial, const GainBounds& rest, const ChosenSlots& chosen, ProofGate& gate);

    const FastPlan& plan_;
    SearchControl& control_;
    std::size_t endingHits_;  // endingHits()
    const std::atomic<std::size_t>* before_ = nullptr;
    Publish publish_;
    ProofGate armGate_;
    ProofGate wstGate_;
    FastDecorationSearch decoSearch_;
    DecoMemo memo_;
    SharedDecoMemo* shared_;
    DecoOutcome sharedOutcome_;  // the last outcome taken from or given to the shared memo
    Pulse pulse_;
    std::uint64_t pulseTested_ = 0;  // what the last beat reported

    // What the other pieces add under one body, built when the body is first
    // met and kept for the search (the enumeration meets every body again
    // under each head).
    struct BodySetup {
        std::array<std::vector<Gain>, kArmourParts> gains;  // per part in list order
        GainBounds wstLegBounds;
        GainBounds legBounds;
        GainGroups wstGroups;
        GainGroups legGroups;
        long long legDefenceMin = 0;
    };
    std::vector<std::unique_ptr<BodySetup>> setups_;  // per Body position
    const BodySetup* body_ = nullptr;
    // For the current arm (judgements of other arms carry older stamps):
    // judgements per Wst group and leg group, and the legs worth visiting
    // per Wst group.
    std::uint64_t armStamp_ = 0;
    std::vector<Judgement> judgements_;  // [wst group][leg group]
    std::vector<std::uint64_t> liveStamp_;
    std::vector<std::vector<std::uint32_t>> liveLegs_;
    std::vector<DecoSet> judgedDecos_;
};

}  // namespace vk
