#include "core/search/fast/fast_deco_search.h"

#include <algorithm>
#include <limits>

#include "core/search/engine/permutation.h"

namespace vk {

namespace {

// Fill tables hold one entry per odometer position; attempts with more
// positions than this are tried one by one instead.
constexpr std::size_t kMaxTablePositions = 1u << 16;

// Repeated fills are dropped from tables up to this size.
constexpr std::size_t kDedupeLimit = 256;

}  // namespace

FastDecorationSearch::FastDecorationSearch(const Catalogue& cat, const SearchCondition& cond,
                                           const WantedSkills& wanted, const ExceptFlags& exclusions,
                                           const std::vector<int>& decoCandidates, SearchControl& control)
    : cat_(cat), cond_(cond), wanted_(wanted), decoCandidates_(decoCandidates), control_(control) {
    const int decoCount = static_cast<int>(cat.decos.size());
    auto allowed = [&](int x) {
        return (cond.rarityLimit == 0 || cat.decos[x].rarity <= cond.rarityLimit) && !exclusions.decoExcluded(x);
    };

    for (int j = 0; j < kWantedSlots; ++j) {
        const int kind = wanted.kind[j];
        const int own = isPositiveKind(kind) ? 0 : 1;
        for (int x : listForKind(cat.decoSkillIndex[wanted.system[j]], kind)) {
            const Deco& d = cat.decos[x];
            lists_[j].push_back(ListItem{x, d.slots, d.skill[own].points, d.skill[1 - own].system,
                                         d.skill[1 - own].points, allowed(x)});
        }
    }

    // The recount credits each entry to the first wanted slot of its system.
    credit_ = decoCredits(cat, wanted);

    // A met skill's margin matters only when a decoration can move its total
    // back: through the recount, through the fill's credit of second entries,
    // or through fixed decorations counted differently by the two.
    bool noFixedDecos = true;
    for (int p = 0; p < kDecoParts; ++p)
        for (int s = 0; s < kSlotsPerPart; ++s) noFixedDecos = noFixedDecos && cond.fixedDecos.DecoIndex[p][s] == 0;
    for (int j = 0; j < wanted.n; ++j) {
        const int sign = isPositiveKind(wanted.kind[j]) ? 1 : isNegativeKind(wanted.kind[j]) ? -1 : 0;
        bool free = sign != 0 && (!cond.fixDecorations || noFixedDecos);
        for (int x = 1; x < decoCount && free; ++x) {
            if (!allowed(x)) continue;
            if (credit_[x][j] * sign < 0) free = false;
            for (const SkillPoints& e : cat.decos[x].skill)
                if (e.system == wanted.system[j] && e.points * sign < 0) free = false;
        }
        marginFree_[j] = free;
    }

    const bool packed = !cond.fixDecorations || packedLayout(cat, cond.fixedDecos);
    // Every placement then moves SlotsUsed on: the fill never overwrites a cell.
    sharedFills_ =
        packed && std::all_of(cat.decos.begin() + 1, cat.decos.end(), [](const Deco& d) { return d.slots >= 1; });
    proof_ = makeDecoProof(cat, cond, wanted, exclusions);
    if (proof_ && cond.fixDecorations)
        for (int p = 0; p < kDecoParts; ++p) fixedUsed_[p] = cond.fixedDecos.SlotsUsed[p];
}

WantedInts FastDecorationSearch::outcomeNeed(const WantedInts& need) const {
    WantedInts key = need;
    for (int j = 0; j < wanted_.n; ++j) {
        if (!marginFree_[j]) continue;
        if (isPositiveKind(wanted_.kind[j]) && key[j] < 0) key[j] = 0;
        if (isNegativeKind(wanted_.kind[j]) && key[j] > 0) key[j] = 0;
    }
    return key;
}

bool FastDecorationSearch::stopped() {
    return control_.waitWhileSuspended();
}

WantedInts FastDecorationSearch::recount(const DecoSet& layout, int bodyFactor) const {
    WantedInts credited{};
    for (int p = 0; p < kDecoParts; ++p) {
        const int factor = p == Body ? bodyFactor : 1;
        for (int s = 0; s < kSlotsPerPart; ++s) {
            const int x = layout.DecoIndex[p][s];
            if (x <= 0) continue;
            for (int j = 0; j < kWantedSlots; ++j) credited[j] += credit_[x][j] * factor;
        }
    }
    return credited;
}

bool FastDecorationSearch::provablyFails(const std::array<int, kArmourParts>& slots, const ArmourEval& ev) const {
    const int n = wanted_.n;
    for (int j = 0; j < n; ++j)
        if (!isPositiveKind(wanted_.kind[j]) && !isNegativeKind(wanted_.kind[j])) return true;  // never paid off
    if (!proof_) return false;

    // What the recount starts from once the fixed decorations are counted.
    WantedInts start = ev.need;
    if (cond_.fixDecorations) {
        const WantedInts fixedCredit = recount(cond_.fixedDecos, ev.bodyFactor);
        for (int j = 0; j < kWantedSlots; ++j) start[j] += ev.fixedDecoPoints[j] - fixedCredit[j];
    }
    PartSlots free{};
    for (int p = 0; p < kArmourParts; ++p) free[p] = slots[p] - fixedUsed_[p];
    free[Weapon] = cond_.weaponSlots;
    return proof_->fails(start, free, ev.bodyFactor);
}

void FastDecorationSearch::prepareOrder(const std::array<int, 5>& order) {
    const int n = wanted_.n;
    stageCount_ = n;
    for (int k = 0; k < n; ++k) {
        Stage& st = stages_[k];
        st.slot = order[k];
        st.items = &lists_[order[k]];
        const std::vector<ListItem>& items = *st.items;
        st.targets.assign(items.size(), -1);
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].otherSystem <= 0) continue;
            for (int t = 0; t < n; ++t)
                if (wanted_.system[order[t]] == items[i].otherSystem) {
                    st.targets[i] = order[t];
                    break;
                }
        }
        // Skipping past a decoration the fill passes over anyway changes nothing.
        st.skips.assign(1, 0);
        for (std::size_t v = 1; v < items.size(); ++v)
            if (items[v - 1].allowed) st.skips.push_back(static_cast<int>(v));
    }
}

std::array<int, 6> FastDecorationSearch::freeSlots(const std::array<int, kArmourParts>& slots,
                                                   const DecoSet& start) const {
    std::array<int, 6> free{};
    for (int p = 0; p < kArmourParts; ++p) {
        int used = 0;
        for (int s = 0; s < kSlotsPerPart; ++s) used += start.SlotUsed[p][s];
        free[p] = slots[p] - used;
    }
    free[Weapon] = cond_.weaponSlots;
    return free;
}

void FastDecorationSearch::FillState::place(const FastDecorationSearch& search, int p, int deco, int slots,
                                            int factor) {
    const int u = work.SlotsUsed[p];
    if (u >= 0 && u < kSlotsPerPart) {  // the recount sees the cell place() writes
        const int old = work.DecoIndex[p][u];
        for (int i = 0; i < kWantedSlots; ++i) {
            if (old > 0) credited[i] -= search.credit_[old][i] * factor;
            if (deco > 0) credited[i] += search.credit_[deco][i] * factor;
        }
    }
    work.place(p, deco, slots);
}

void FastDecorationSearch::WalkState::place(const FastDecorationSearch& search, int p, int deco, int slots,
                                            int factor) {
    // Cells at and after SlotsUsed are empty in a packed layout; a
    // decoration placed past the third slot is not written, so not recounted.
    if (used[p] >= 0 && used[p] < kSlotsPerPart && deco > 0)
        for (int i = 0; i < kWantedSlots; ++i) credited[i] += search.credit_[deco][i] * factor;
    used[p] += slots;
}

template <class State>
bool FastDecorationSearch::stageRuns(int k, const State& state) const {
    const int j = stages_[k].slot;
    const int kind = wanted_.kind[j];
    return (isPositiveKind(kind) && state.need[j] > 0) || (isNegativeKind(kind) && state.need[j] < 0);
}

template <class State>
void FastDecorationSearch::runStage(int k, std::size_t skip, const ArmourEval& ev, State& state) const {
    if (!stageRuns(k, state)) return;  // kind 4, or nothing needed
    const Stage& st = stages_[k];
    const int j = st.slot;
    const int kind = wanted_.kind[j];
    const std::vector<ListItem>& items = *st.items;
    bool done = false;
    for (std::size_t pos = st.skips[skip]; pos < items.size() && !done; ++pos) {
        const ListItem& it = items[pos];
        if (!it.allowed) continue;
        for (int p = 0; p < kDecoParts && !done; ++p) {
            const int factor = p == Body ? ev.bodyFactor : 1;
            // Up to three times per part, while it fits.
            for (int times = 0; times < 3 && !done && it.slots <= state.free[p]; ++times) {
                state.place(*this, p, it.deco, it.slots, factor);
                state.free[p] -= it.slots;
                state.need[j] -= it.ownPoints * factor;
                if (it.otherSystem > 0 && st.targets[pos] >= 0) state.need[st.targets[pos]] -= it.otherPoints * factor;
                done = paidOff(kind, state.need[j]);
            }
        }
    }
}

WantedInts FastDecorationSearch::fill(const ArmourEval& ev, std::array<int, 6> free, const Odometer& odometer,
                                      DecoSet& work) const {
    FillState state{work, free, ev.need, {}};
    for (int k = 0; k < stageCount_; ++k) runStage(k, odometer[k], ev, state);
    work = state.work;
    return state.credited;
}

bool FastDecorationSearch::advance(Odometer& odometer) const {
    // Counter 0 moves fastest; the last one's overflow ends the attempt.
    for (int k = 0; k < stageCount_; ++k) {
        if (++odometer[k] < stages_[k].skips.size()) return true;
        odometer[k] = 0;
    }
    return false;
}

bool FastDecorationSearch::mayPass(const FillTable& table, const WantedInts& need2) const {
    if (table.credited.empty()) return false;
    for (int j = 0; j < wanted_.n; ++j) {
        if (isPositiveKind(wanted_.kind[j]) && need2[j] - table.hi[j] > 0) return false;
        if (isNegativeKind(wanted_.kind[j]) && need2[j] - table.lo[j] < 0) return false;
    }
    return true;
}

bool FastDecorationSearch::meets(const WantedInts& need2) const {
    for (int j = 0; j < wanted_.n; ++j)
        if (!paidOff(wanted_.kind[j], need2[j])) return false;
    return true;
}

WantedInts FastDecorationSearch::need2Before(const ArmourEval& ev, const DecoSet& start) const {
    // The fixed decorations already stand in Need.
    WantedInts need2 = ev.need;
    const WantedInts credited = recount(start, ev.bodyFactor);
    for (int j = 0; j < kWantedSlots; ++j) need2[j] += (cond_.fixDecorations ? ev.fixedDecoPoints[j] : 0) - credited[j];
    return need2;
}

bool FastDecorationSearch::search(const std::array<int, kArmourParts>& slots, const ArmourEval& ev, DecoSet& best) {
    return !provablyFails(slots, ev) && searchUnproven(slots, ev, best);
}

bool FastDecorationSearch::searchUnproven(const std::array<int, kArmourParts>& slots, const ArmourEval& ev,
                                          DecoSet& best) {
    const DecoSet base = cond_.fixDecorations ? cond_.fixedDecos : DecoSet{};
    const WantedInts baseNeed2 = need2Before(ev, base);
    const std::uint32_t orders = factorial(wanted_.n);
    for (std::uint32_t pi = 0; pi < orders; ++pi) {
        prepareOrder(permutationOrder(pi, wanted_.n));
        std::size_t positions = 1;  // odometer positions of one attempt
        for (int k = 0; k < stageCount_; ++k) positions *= stages_[k].skips.size();
        bool plainStartTried = false;
        for (auto& table : tables_) table.built = false;
        for (std::size_t di = 0; di < decoCandidates_.size(); ++di) {
            const int d = decoCandidates_[di];
            const int s = cat_.decos[d].slots;
            for (int q = 0; q < kArmourParts; ++q) {
                DecoSet start = base;
                if (s > slots[q]) continue;
                const bool forced = s > 0 && firstSlotsFree(start, q, s);
                if (forced) {
                    forceFirst(start, q, d, s);
                } else {
                    if (di != 0 || plainStartTried) continue;  // an unchanged start fails as it did before
                    plainStartTried = true;
                }
                if (!sharedFills_ || positions > kMaxTablePositions) {
                    if (fit(slots, ev, start, best)) return true;
                } else {
                    // The fill never reads which decoration was forced, only its
                    // slots and part; its credit only shifts the recount.
                    FillTable& table = tables_[forced ? s * kArmourParts + q : 0];
                    if (!table.built && !buildTable(slots, ev, start, table)) return false;
                    WantedInts need2 = baseNeed2;
                    if (forced && d > 0)
                        for (int j = 0; j < kWantedSlots; ++j) need2[j] -= credit_[d][j] * (q == Body ? ev.bodyFactor : 1);
                    if (!mayPass(table, need2)) continue;
                    for (std::size_t i = 0; i < table.credited.size(); ++i) {
                        WantedInts after = need2;
                        for (int j = 0; j < kWantedSlots; ++j) after[j] -= table.credited[i][j];
                        if (!meets(after)) continue;
                        best = start;
                        fill(ev, freeSlots(slots, start), table.odometers[i], best);
                        return true;
                    }
                }
                if (!control_.Running) return false;
            }
        }
    }
    return false;
}

bool FastDecorationSearch::buildTable(const std::array<int, kArmourParts>& slots, const ArmourEval& ev,
                                      const DecoSet& start, FillTable& table) {
    if (stopped()) return false;
    table.credited.clear();
    table.odometers.clear();
    // Odometer position number: counter 0 has stride 1.
    std::size_t stride = 1;
    for (int k = 0; k < stageCount_; ++k) {
        strides_[k] = stride;
        stride *= stages_[k].skips.size();
    }
    leaves_.clear();
    WalkState state{freeSlots(slots, start), {}, ev.need, {}};
    for (int p = 0; p < kDecoParts; ++p) state.used[p] = start.SlotsUsed[p];
    walkStopped_ = false;
    walkStages(0, 0, state, ev);
    if (walkStopped_) return false;
    // In odometer order; a repeated credit vector can never be the first to pass.
    std::sort(leaves_.begin(), leaves_.end(), [](const Leaf& a, const Leaf& b) { return a.position < b.position; });
    table.hi.fill(std::numeric_limits<int>::min());
    table.lo.fill(std::numeric_limits<int>::max());
    for (const Leaf& leaf : leaves_) {
        if (table.credited.size() < kDedupeLimit &&
            std::find(table.credited.begin(), table.credited.end(), leaf.credited) != table.credited.end())
            continue;
        table.credited.push_back(leaf.credited);
        Odometer odometer{};
        for (int k = 0; k < stageCount_; ++k) odometer[k] = leaf.position / strides_[k] % stages_[k].skips.size();
        table.odometers.push_back(odometer);
        for (int j = 0; j < kWantedSlots; ++j) {
            table.hi[j] = std::max(table.hi[j], leaf.credited[j]);
            table.lo[j] = std::min(table.lo[j], leaf.credited[j]);
        }
    }
    table.built = true;
    return true;
}

void FastDecorationSearch::walkStages(int k, std::size_t position, const WalkState& state, const ArmourEval& ev) {
    if (walkStopped_) return;
    if (k == stageCount_) {
        leaves_.push_back(Leaf{position, state.credited});
        // A stop reaches a long walk too.
        if (leaves_.size() % 4096 == 0 && stopped()) walkStopped_ = true;
        return;
    }
    // A stage that places nothing gives every counter value the same fill; a
    // value whose fill equals a smaller one's repeats it. Either way the
    // smaller value comes first in odometer order with the same outcome.
    if (!stageRuns(k, state)) {
        walkStages(k + 1, position, state, ev);
        return;
    }
    std::vector<WalkState>& seen = seenAt_[k];  // one node per depth is open at a time
    seen.clear();
    for (std::size_t v = 0; v < stages_[k].skips.size(); ++v) {
        WalkState next = state;
        runStage(k, v, ev, next);
        if (std::find(seen.begin(), seen.end(), next) != seen.end()) continue;
        seen.push_back(next);
        walkStages(k + 1, position + v * strides_[k], next, ev);
    }
}

bool FastDecorationSearch::fit(const std::array<int, kArmourParts>& slots, const ArmourEval& ev, const DecoSet& start,
                               DecoSet& best) {
    const std::array<int, 6> free = freeSlots(slots, start);
    const WantedInts need2 = need2Before(ev, start);
    Odometer odometer{};
    do {
        if (stopped()) return false;
        DecoSet work = start;
        const WantedInts credited = fill(ev, free, odometer, work);
        WantedInts after = need2;
        for (int j = 0; j < kWantedSlots; ++j) after[j] -= credited[j];
        if (meets(after)) {
            best = work;
            return true;
        }
    } while (advance(odometer));
    return false;
}

}  // namespace vk
