#include "core/search/fast/deco_proof.h"

#include <bit>
#include <cmath>

namespace vk {

namespace {

// Knapsack tables reach this many slots; a catalogue with larger slot
// counts goes without the proof.
constexpr int kMaxKnapsackSlots = 64;

// Weights are scaled so that each skill's best decoration brings about this
// much per slot: a skill that needs many cheap points and one that needs a
// few dear ones then weigh alike.
constexpr double kNormalWeight = 60.0;

std::vector<std::int64_t> unboundedKnapsack(const std::vector<std::pair<int, std::int64_t>>& items, int capacity) {
    std::vector<std::int64_t> best(static_cast<std::size_t>(capacity) + 1, 0);
    for (int c = 1; c <= capacity; ++c) {
        best[c] = best[c - 1];
        for (const auto& [slots, value] : items)
            if (slots <= c) best[c] = std::max(best[c], best[c - slots] + value);
    }
    return best;
}

int signOf(int kind) { return isPositiveKind(kind) ? 1 : isNegativeKind(kind) ? -1 : 0; }

}  // namespace

std::vector<WantedInts> decoCredits(const Catalogue& cat, const WantedSkills& wanted) {
    std::vector<WantedInts> credit(cat.decos.size(), WantedInts{});
    for (std::size_t x = 0; x < cat.decos.size(); ++x)
        for (const SkillPoints& e : cat.decos[x].skill)
            for (int j = 0; j < kWantedSlots; ++j)
                if (wanted.system[j] != 0 && wanted.system[j] == e.system) {
                    credit[x][j] += e.points;
                    break;
                }
    return credit;
}

bool packedLayout(const Catalogue& cat, const DecoSet& layout) {
    for (int p = 0; p < kDecoParts; ++p) {
        int u = 0;
        while (u < kSlotsPerPart && layout.DecoIndex[p][u] > 0) {
            const int s = cat.decos[layout.DecoIndex[p][u]].slots;
            if (s < 1 || u + s > kSlotsPerPart) return false;
            for (int i = u; i < u + s; ++i)
                if (layout.SlotUsed[p][i] != 1 || (i > u && layout.DecoIndex[p][i] != 0)) return false;
            u += s;
        }
        if (layout.SlotsUsed[p] != u) return false;
        for (int i = u; i < kSlotsPerPart; ++i)
            if (layout.SlotUsed[p][i] != 0 || layout.DecoIndex[p][i] != 0) return false;
    }
    return true;
}

DecoProof::DecoProof(const std::vector<Item>& items, const WantedSkills& wanted, int capacity) {
    const int n = wanted.n;
    WantedInts normal{};
    for (int j = 0; j < n; ++j) {
        double rate = 0.0;  // the best points per slot for j
        for (const Item& it : items)
            rate = std::max(rate, static_cast<double>(signOf(wanted.kind[j]) * it.credit[j]) / it.slots);
        normal[j] = rate > 0.0 ? std::max(1, static_cast<int>(std::lround(kNormalWeight / rate))) : 1;
    }
    // Single skills (the commonest proof), pairs, and all the skills, each
    // set counted alike and normalised: of the sets between, few prove more
    // than these, and every bound costs time on every subtree.
    const unsigned all = (1u << n) - 1;
    std::vector<unsigned> sets;
    for (unsigned s = 1; s <= all; ++s) {
        if (std::popcount(s) > 2 && s != all) continue;
        bool payable = true;
        for (int j = 0; j < n; ++j) payable = payable && (!(s >> j & 1u) || signOf(wanted.kind[j]) != 0);
        if (payable) sets.push_back(s);
    }
    std::stable_sort(sets.begin(), sets.end(), [](unsigned a, unsigned b) { return std::popcount(a) < std::popcount(b); });
    std::vector<WantedInts> weights;
    for (unsigned s : sets) {
        for (bool normalised : {false, true}) {
            if (normalised && std::popcount(s) == 1) continue;  // scaling one skill proves nothing more
            WantedInts w{};
            for (int j = 0; j < n; ++j)
                if (s >> j & 1u) w[j] = signOf(wanted.kind[j]) * (normalised ? normal[j] : 1);
            if (std::find(weights.begin(), weights.end(), w) == weights.end()) weights.push_back(w);
        }
    }
    for (const WantedInts& w : weights) {
        std::vector<std::pair<int, std::int64_t>> valued;
        for (const Item& it : items) {
            std::int64_t v = 0;
            for (int j = 0; j < kWantedSlots; ++j) v += static_cast<std::int64_t>(w[j]) * it.credit[j];
            if (v > 0) valued.emplace_back(it.slots, v);
        }
        bounds_.push_back(Bound{w, unboundedKnapsack(valued, capacity)});
    }
}

bool DecoProof::fails(const WantedInts& start, const PartSlots& free, int bodyFactor) const {
    for (const Bound& b : bounds_) {
        std::int64_t wanted = 0;
        for (int j = 0; j < kWantedSlots; ++j) wanted += static_cast<std::int64_t>(b.weight[j]) * start[j];
        if (wanted <= 0) continue;  // the empty layout already reaches it
        std::int64_t reach = 0;
        for (int p = 0; p < kDecoParts; ++p) reach += (p == Body ? bodyFactor : 1) * most(b, free[p]);
        if (reach < wanted) return true;
    }
    return false;
}

bool DecoProof::failsWithin(const WantedInts& needLo, const WantedInts& needHi, const PartSlots& chosenFree,
                            int bodyFactorMax, const std::vector<std::int64_t>& openMost) const {
    for (std::size_t i = 0; i < bounds_.size(); ++i) {
        const Bound& b = bounds_[i];
        // The least weighted need of any combination in the subtree.
        std::int64_t wanted = 0;
        for (int j = 0; j < kWantedSlots; ++j)
            wanted += static_cast<std::int64_t>(b.weight[j]) * (b.weight[j] > 0 ? needLo[j] : needHi[j]);
        if (wanted <= 0) continue;
        std::int64_t reach = openMost[i];
        for (int p = 0; p < kDecoParts; ++p) reach += (p == Body ? bodyFactorMax : 1) * most(b, chosenFree[p]);
        if (reach < wanted) return true;
    }
    return false;
}

std::vector<std::int64_t> DecoProof::mostOf(const std::vector<int>& slotCounts) const {
    std::vector<std::int64_t> result;
    result.reserve(bounds_.size());
    for (const Bound& b : bounds_) {
        std::int64_t m = 0;
        for (int s : slotCounts) m = std::max(m, most(b, s));
        result.push_back(m);
    }
    return result;
}

std::optional<DecoProof> makeDecoProof(const Catalogue& cat, const SearchCondition& cond,
                                       const WantedSkills& wanted, const ExceptFlags& exclusions) {
    if (cond.fixDecorations && !packedLayout(cat, cond.fixedDecos)) return std::nullopt;
    int capacity = std::max(kSlotsPerPart, cond.weaponSlots);
    for (const auto& table : cat.equip)
        for (const Equip& e : table) capacity = std::max(capacity, e.slots);
    if (capacity > kMaxKnapsackSlots) return std::nullopt;

    const int decoCount = static_cast<int>(cat.decos.size());
    auto allowed = [&](int x) {
        return (cond.rarityLimit == 0 || cat.decos[x].rarity <= cond.rarityLimit) && !exclusions.decoExcluded(x);
    };
    for (int x = 1; x < decoCount; ++x)
        if (allowed(x) && cat.decos[x].slots < 1) return std::nullopt;

    // A fill places decorations of the wanted skills' lists only (and the
    // forced first decoration, which comes from the same lists).
    std::vector<bool> listed(cat.decos.size(), false);
    for (int j = 0; j < wanted.n; ++j)
        for (int x : listForKind(cat.decoSkillIndex[wanted.system[j]], wanted.kind[j]))
            if (x > 0 && allowed(x)) listed[x] = true;
    const std::vector<WantedInts> credit = decoCredits(cat, wanted);
    std::vector<DecoProof::Item> items;
    for (int x = 1; x < decoCount; ++x)
        if (listed[x]) items.push_back(DecoProof::Item{cat.decos[x].slots, credit[x]});
    return DecoProof(items, wanted, capacity);
}

}  // namespace vk
