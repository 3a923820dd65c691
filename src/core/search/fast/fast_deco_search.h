#pragma once
// The decoration search of deco_fitting.h, answering exactly as it does (the
// same success and the same first layout) with less work:
//  - a quick proof that no layout can meet the wanted skills, alone or
//    together (deco_proof.h), fails the search at once;
//  - a start layout that repeats an earlier one of the same skill order is
//    not tried again;
//  - odometer positions that only differ by skipping decorations the greedy
//    fill passes over anyway (rarity limit, exclusions) are tried once;
//  - the recount of a layout is kept up to date while decorations are placed;
//  - the fill does not depend on which decoration was forced first, only on
//    its slots and part, so one table of fills serves all of them.

#include <array>
#include <optional>
#include <vector>

#include "core/search/fast/deco_proof.h"
#include "core/search/fast/fast_profiles.h"
#include "core/search/reference/deco_fitting.h"

namespace vk {

class FastDecorationSearch {
public:
    // Everything is referenced; all must outlive the object.
    FastDecorationSearch(const Catalogue& cat, const SearchCondition& cond, const WantedSkills& wanted,
                         const ExceptFlags& exclusions, const std::vector<int>& decoCandidates,
                         SearchControl& control);

    // As DecorationSearch::search for pieces with these slot counts.
    bool search(const std::array<int, kArmourParts>& slots, const ArmourEval& ev, DecoSet& best);
    // The same for pieces provablyFails has already cleared.
    bool searchUnproven(const std::array<int, kArmourParts>& slots, const ArmourEval& ev, DecoSet& best);

    // `need` with every figure that cannot change the outcome made 0: a skill
    // already met that no allowed decoration can push back (a ">=" skill
    // without decorations of negative points in its system, say) gives the
    // same search whatever its margin.
    WantedInts outcomeNeed(const WantedInts& need) const;

    // True when no layout can meet the wanted skills (the search would fail).
    bool provablyFails(const std::array<int, kArmourParts>& slots, const ArmourEval& ev) const;

private:
    struct ListItem {
        int deco = 0;
        int slots = 0;
        int ownPoints = 0;    // the entry that pays off the skill's need
        int otherSystem = 0;  // the other entry, credited to another wanted skill
        int otherPoints = 0;
        bool allowed = false;  // within the rarity limit and not excluded
    };
    struct Stage {  // one position of the skill order
        int slot = 0;                 // the wanted slot j
        const std::vector<ListItem>* items = nullptr;
        std::vector<int> targets;     // per item: the wanted slot its other entry is credited to, or -1
        std::vector<int> skips;       // the odometer values that lead to different fills
    };

    using Odometer = std::array<std::size_t, kWantedSlots>;  // index into each stage's skips

    // Every odometer position's fill from one start layout, in odometer order.
    struct FillTable {
        bool built = false;
        std::vector<WantedInts> credited;
        std::vector<Odometer> odometers;
        WantedInts hi{};  // greatest and least credit per wanted slot
        WantedInts lo{};
    };

    // The running state of one greedy fill, with its layout.
    struct FillState {
        DecoSet work;
        std::array<int, 6> free{};
        WantedInts need{};
        WantedInts credited{};  // what the recount of `work` gains over the start layout
        void place(const FastDecorationSearch& search, int p, int deco, int slots, int factor);
    };
    // The same without the layout, for packed start layouts: only how many
    // slots each part has used.
    struct WalkState {
        std::array<int, 6> free{};
        std::array<int, 6> used{};
        WantedInts need{};
        WantedInts credited{};
        void place(const FastDecorationSearch& search, int p, int deco, int slots, int factor);
        bool operator==(const WalkState&) const = default;
    };

    bool stopped();
    template <class State>
    bool stageRuns(int k, const State& state) const;
    // Stage k of the greedy fill with counter value `skip`.
    template <class State>
    void runStage(int k, std::size_t skip, const ArmourEval& ev, State& state) const;
    void walkStages(int k, std::size_t position, const WalkState& state, const ArmourEval& ev);
    void prepareOrder(const std::array<int, 5>& order);
    WantedInts recount(const DecoSet& layout, int bodyFactor) const;
    WantedInts need2Before(const ArmourEval& ev, const DecoSet& start) const;
    std::array<int, 6> freeSlots(const std::array<int, kArmourParts>& slots, const DecoSet& start) const;
    // The greedy fill of one odometer position, added to `work`; returns what
    // the recount credits the added decorations with.
    WantedInts fill(const ArmourEval& ev, std::array<int, 6> free, const Odometer& odometer, DecoSet& work) const;
    bool advance(Odometer& odometer) const;
    bool meets(const WantedInts& need2) const;
    // False when no fill of the table can pass from `need2`.
    bool mayPass(const FillTable& table, const WantedInts& need2) const;
    bool fit(const std::array<int, kArmourParts>& slots, const ArmourEval& ev, const DecoSet& start, DecoSet& best);
    bool buildTable(const std::array<int, kArmourParts>& slots, const ArmourEval& ev, const DecoSet& start,
                    FillTable& table);

    const Catalogue& cat_;
    const SearchCondition& cond_;
    const WantedSkills& wanted_;
    const std::vector<int>& decoCandidates_;
    SearchControl& control_;

    std::array<std::vector<ListItem>, kWantedSlots> lists_;  // the list each wanted slot's fill walks
    std::vector<WantedInts> credit_;  // per decoration: points the recount credits to each wanted slot
    std::array<Stage, kWantedSlots> stages_;
    int stageCount_ = 0;

    std::optional<DecoProof> proof_;
    std::array<bool, kWantedSlots> marginFree_{};  // see outcomeNeed
    std::array<int, kDecoParts> fixedUsed_{};  // slots the fixed layout takes per part

    // With a packed start layout the fill never overwrites a decoration, so
    // starts that force decorations of equal slots into one part share a
    // table: [0] the unforced start, [s * 5 + q] slot size s forced into part q.
    bool sharedFills_ = false;
    std::array<FillTable, 4 * kArmourParts> tables_;
    std::array<std::size_t, kWantedSlots> strides_{};
    struct Leaf {
        std::size_t position = 0;  // odometer position number
        WantedInts credited{};
    };
    std::vector<Leaf> leaves_;

    bool walkStopped_ = false;
    std::array<std::vector<WalkState>, kWantedSlots> seenAt_;  // fills of the open node's counter values, per depth
};

}  // namespace vk
