#include "core/search/fast/fast_bounds.h"

#include <algorithm>
#include <limits>
#include <map>

#include "core/search/engine/armour_eval.h"
#include "core/search/reference/deco_fitting.h"

namespace vk {

GainBounds GainBounds::plus(const GainBounds& o) const {
    GainBounds s;
    for (int j = 0; j < kWantedSlots; ++j) {
        s.lo[j] = lo[j] + o.lo[j];
        s.hi[j] = hi[j] + o.hi[j];
    }
    s.capacityMax = capacityMax + o.capacityMax;
    s.torsoMax = torsoMax + o.torsoMax;
    s.defenceMax = defenceMax + o.defenceMax;
    return s;
}

Gain gainOf(const PieceProfile& piece, const WantedInts& bodyRepeat, int bodySlots) {
    Gain g;
    for (int j = 0; j < kWantedSlots; ++j) g.points[j] = piece.points[j] + piece.torso * bodyRepeat[j];
    g.capacity = piece.slots + piece.torso * bodySlots;
    g.torso = piece.torso;
    g.slots = piece.slots;
    g.defence = piece.defence;
    return g;
}

GainGroups groupGains(const std::vector<Gain>& gains) {
    GainGroups groups;
    std::map<std::array<int, kWantedSlots + 3>, std::size_t> index;
    for (std::size_t i = 0; i < gains.size(); ++i) {
        const Gain& g = gains[i];
        std::array<int, kWantedSlots + 3> key{};
        std::copy(g.points.begin(), g.points.end(), key.begin());
        key[kWantedSlots] = g.capacity;
        key[kWantedSlots + 1] = g.torso;
        key[kWantedSlots + 2] = g.slots;
        const auto [it, added] = index.emplace(key, groups.gains.size());
        if (added) {
            groups.gains.push_back(g);
            groups.first.push_back(i);
        }
        groups.groupOf.push_back(it->second);
    }
    return groups;
}

GainBounds boundsOf(const std::vector<Gain>& gains, std::size_t begin, std::size_t end) {
    GainBounds b;
    b.lo.fill(std::numeric_limits<int>::max());
    b.hi.fill(std::numeric_limits<int>::min());
    b.capacityMax = std::numeric_limits<int>::min();
    b.torsoMax = std::numeric_limits<int>::min();
    b.defenceMax = std::numeric_limits<long long>::min();
    for (std::size_t i = begin; i < end; ++i) {
        const Gain& g = gains[i];
        for (int j = 0; j < kWantedSlots; ++j) {
            b.lo[j] = std::min(b.lo[j], g.points[j]);
            b.hi[j] = std::max(b.hi[j], g.points[j]);
        }
        b.capacityMax = std::max(b.capacityMax, g.capacity);
        b.torsoMax = std::max(b.torsoMax, g.torso);
        b.defenceMax = std::max<long long>(b.defenceMax, g.defence);
    }
    return b;
}

bool subtreeBarren(const FastPlan& plan, const PartialSum& partial, const GainBounds& rest,
                   const ChosenSlots* chosen) {
    const SearchCondition& cond = *plan.cond;
    if (partial.defence + rest.defenceMax < cond.minDefence) return true;

    // Can any combination meet every wanted slot by armour? Totals of slot j
    // lie in [lo, hi]; one slot whose accepted range misses that interval
    // fails every combination. Sums are taken in 64 bits: bounds never wrap.
    const WantedSkills& w = plan.wanted;
    bool armourPossible = true;
    WantedInts leastNeed{};
    for (int j = 0; j < kWantedSlots; ++j) {
        if (!w.set[j]) continue;
        const long long lo = static_cast<long long>(partial.points[j]) + rest.lo[j];
        const long long hi = static_cast<long long>(partial.points[j]) + rest.hi[j];
        if (lo < std::numeric_limits<int>::min() || hi > std::numeric_limits<int>::max()) return false;
        if (hi < plan.acceptLo[j] || lo > plan.acceptHi[j]) armourPossible = false;
        // The need of ">=" and ">" falls as the total grows: the greatest
        // total gives the least need.
        if (isPositiveKind(w.kind[j])) leastNeed[j] = needFor(w.kind[j], static_cast<int>(hi), w.threshold[j]);
    }
    if (armourPossible) return false;
    // Without decorations every such combination reaches the hit-limit
    // test, which a limit of 0 ends the search at.
    if (!cond.useDecorations) return plan.hitLimit != 0;
    if (plan.estimateBounds) {
        // The estimate rounds monotonically and every slots-per-point figure
        // is non-negative, so the least needs and the greatest capacity give
        // the most favourable verdict any combination here can get.
        const long long capacity = partial.capacity + static_cast<long long>(rest.capacityMax);
        if (capacity <= std::numeric_limits<int>::max() &&
            !slotsMayCover(*plan.cat, w, leastNeed, static_cast<int>(capacity)))
            return true;
    }
    // A combination whose decoration search fails reaches the hit-limit
    // test too; with any limit but 0 that cannot end the search.
    if (!chosen || plan.hitLimit == 0) return false;
    if (plan.decoNeverFits) return true;
    if (!plan.proof) return false;
    // Every need falls as the total grows: the greatest total gives the
    // least need, the least total the greatest.
    WantedInts needLo{};
    WantedInts needHi{};
    for (int j = 0; j < kWantedSlots; ++j) {
        if (!w.set[j]) continue;
        const int lo = partial.points[j] + rest.lo[j];  // both fit, as checked above
        const int hi = partial.points[j] + rest.hi[j];
        const long long farthest = static_cast<long long>(w.threshold[j]) - lo + 1;
        const long long nearest = static_cast<long long>(w.threshold[j]) - hi - 1;
        if (farthest > std::numeric_limits<int>::max() || nearest < std::numeric_limits<int>::min()) return false;
        needLo[j] = needFor(w.kind[j], hi, w.threshold[j]);
        needHi[j] = needFor(w.kind[j], lo, w.threshold[j]);
    }
    return plan.proof->failsWithin(needLo, needHi, chosen->free, 1 + partial.torso + rest.torsoMax, *chosen->openMost);
}

}  // namespace vk
