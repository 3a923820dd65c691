#pragma once
// The decoration search of deco_fitting.h, answering exactly as it does (the
// same success and the same first layout) with less work:
//  - a quick proof that no layout can meet some wanted skill (per skill, the
//    most points allowed decorations can bring in the free slots of each
//    part, by slot-size knapsack) fails the search at once;
//  - a start layout that repeats an earlier one of the same skill order is
//    not tried again;
//  - odometer positions that only differ by skipping decorations the greedy
//    fill passes over anyway (rarity limit, exclusions) are tried once;
//  - the recount of a layout is kept up to date while decorations are placed.

#include <array>
#include <vector>

#include "search/deco_fitting.h"
#include "search/fast_profiles.h"

namespace vk {

class FastDecorationSearch {
public:
    // Everything is referenced; all must outlive the object.
    FastDecorationSearch(const Catalogue& cat, const SearchCondition& cond, const WantedSkills& wanted,
                         const ExceptFlags& exclusions, const std::vector<int>& decoCandidates,
                         SearchControl& control);

    // As DecorationSearch::search for pieces with these slot counts.
    bool search(const std::array<int, kArmourParts>& slots, const ArmourEval& ev, DecoSet& best);

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

    bool stopped();
    void prepareOrder(const std::array<int, 5>& order);
    WantedInts recount(const DecoSet& layout, int bodyFactor) const;
    bool fit(const std::array<int, kArmourParts>& slots, const ArmourEval& ev, const DecoSet& start, DecoSet& best);
    int knapsackBest(const std::vector<int>& table, int capacity) const;

    const Catalogue& cat_;
    const SearchCondition& cond_;
    const WantedSkills& wanted_;
    const std::vector<int>& decoCandidates_;
    SearchControl& control_;

    std::array<std::vector<ListItem>, kWantedSlots> lists_;  // the list each wanted slot's fill walks
    std::vector<WantedInts> credit_;  // per decoration: points the recount credits to each wanted slot
    std::array<Stage, kWantedSlots> stages_;
    int stageCount_ = 0;

    // Knapsack tables: the most points (or points shed) decorations of at
    // most c slots in all can bring to wanted slot j.
    bool boundsUsable_ = false;
    std::array<std::vector<int>, kWantedSlots> bestGain_;
    std::array<std::vector<int>, kWantedSlots> bestShed_;
    std::array<int, kDecoParts> fixedUsed_{};  // slots the fixed layout takes per part
};

}  // namespace vk
