#include "core/search/reference/deco_fitting.h"

#include "core/search/engine/permutation.h"
#include "core/search/reference/odometer.h"

namespace vk {

bool paidOff(int kind, int need) {
    if (isPositiveKind(kind)) return need <= 0;
    if (isNegativeKind(kind)) return need >= 0;
    return false;
}

bool firstSlotsFree(const DecoSet& layout, int part, int slots) {
    for (int s = 0; s < slots; ++s)
        if (s >= kSlotsPerPart || layout.SlotUsed[part][s] != 0) return false;
    return true;
}

void forceFirst(DecoSet& layout, int part, int deco, int slots) {
    layout.DecoIndex[part][0] = deco;
    ++layout.DecoCount[part];
    ++layout.DecoTotal;
    for (int s = 0; s < slots && s < kSlotsPerPart; ++s) layout.SlotUsed[part][s] = 1;
    layout.SlotsUsed[part] += slots;
}

bool estimateFeasible(const Catalogue& cat, const WantedSkills& wanted, const ArmourEval& ev, const Pieces& pieces,
                      int weaponSlots) {
    // Slots already taken by fixed decorations are not subtracted.
    const int capacity = cat.equip[Leg][pieces[Leg]].slots + cat.equip[Head][pieces[Head]].slots +
                         cat.equip[Body][pieces[Body]].slots * ev.bodyFactor + cat.equip[Arm][pieces[Arm]].slots +
                         cat.equip[Wst][pieces[Wst]].slots + weaponSlots;
    return slotsMayCover(cat, wanted, ev.need, capacity);
}

bool slotsMayCover(const Catalogue& cat, const WantedSkills& wanted, const std::array<int, kWantedSlots>& need,
                   int capacity) {
    // Products and sums are rounded to single precision at every step.
    float needSlots = 0.0f;
    float shedSlots = 0.0f;
    for (int j = 0; j < kWantedSlots; ++j) {
        if (!wanted.set[j]) continue;
        const int sys = wanted.system[j];
        if (isPositiveKind(wanted.kind[j]) && need[j] > 0) {
            const float slots = static_cast<float>(need[j]) * cat.slotsPerPoint[sys];
            needSlots = needSlots + slots;
        } else if (isNegativeKind(wanted.kind[j]) && need[j] < 0) {
            const float slots = static_cast<float>(need[j]) * cat.slotsPerMinusPoint[sys];
            shedSlots = shedSlots + slots;
        }
    }
    const float cap = static_cast<float>(capacity);
    return !(cap < needSlots || cap < -shedSlots);
}

DecorationSearch::DecorationSearch(const Catalogue& cat, const SearchCondition& cond, const WantedSkills& wanted,
                                   const ExceptFlags& exclusions, SearchControl& control)
    : cat_(cat), cond_(cond), wanted_(wanted), exclusions_(exclusions), control_(control) {}

bool DecorationSearch::stopped() {
    return control_.waitWhileSuspended();
}

bool DecorationSearch::search(const Pieces& pieces, const ArmourEval& ev, const std::vector<int>& decoCandidates,
                              DecoSet& best) {
    const std::uint32_t orders = factorial(wanted_.n);
    for (std::uint32_t pi = 0; pi < orders; ++pi) {
        const std::array<int, 5> order = permutationOrder(pi, wanted_.n);
        for (std::size_t di = 0; di < decoCandidates.size(); ++di) {
            const int d = decoCandidates[di];
            const int s = cat_.decos[d].slots;
            for (int q = 0; q < kArmourParts; ++q) {
                DecoSet start = cond_.fixDecorations ? cond_.fixedDecos : DecoSet{};
                if (s > cat_.equip[q][pieces[q]].slots) continue;
                if (s > 0 && firstSlotsFree(start, q, s))
                    forceFirst(start, q, d, s);
                else if (di != 0)  // only the list's first entry (by position) runs unforced
                    continue;
                if (fit(pieces, ev, order, start, best)) return true;
                if (!control_.Running) return false;
            }
        }
    }
    return false;
}

bool DecorationSearch::fit(const Pieces& pieces, const ArmourEval& ev, const std::array<int, 5>& order,
                           const DecoSet& start, DecoSet& best) {
    const int n = wanted_.n;
    std::array<int, 5> lengths{};
    for (int k = 0; k < n; ++k) {
        const int j = order[k];
        lengths[k] = static_cast<int>(listForKind(cat_.decoSkillIndex[wanted_.system[j]], wanted_.kind[j]).size());
    }
    Odometer odometer(lengths, n);
    for (;;) {
        if (stopped()) return false;

        DecoSet work = start;
        std::array<int, 6> freeSlots{};
        for (int p = 0; p < kArmourParts; ++p) {
            int used = 0;
            for (int s = 0; s < kSlotsPerPart; ++s) used += work.SlotUsed[p][s];
            freeSlots[p] = cat_.equip[p][pieces[p]].slots - used;
        }
        freeSlots[Weapon] = cond_.weaponSlots;
        std::array<int, 5> need = ev.need;
        std::array<int, 5> skip{};
        for (int k = 0; k < n; ++k) skip[k] = odometer[k];

        greedyFill(order, skip, ev.bodyFactor, freeSlots, need, work);
        if (layoutMeetsWanted(ev, work)) {
            best = work;
            return true;
        }
        if (!odometer.advance()) return false;
    }
}

void DecorationSearch::greedyFill(const std::array<int, 5>& order, const std::array<int, 5>& skip, int bodyFactor,
                                  std::array<int, 6>& freeSlots, std::array<int, 5>& need, DecoSet& work) const {
    const int n = wanted_.n;
    // The first permuted position whose skill system is `system`, or -1.
    auto permutedSlot = [&](int system) {
        for (int i = 0; i < n; ++i)
            if (wanted_.system[order[i]] == system) return order[i];
        return -1;
    };

    for (int k = 0; k < n; ++k) {
        const int j = order[k];
        const int kind = wanted_.kind[j];
        int own = 0;  // the decoration entry that pays off need[j]; the other is credited
        if (isPositiveKind(kind) && need[j] > 0)
            own = 0;
        else if (isNegativeKind(kind) && need[j] < 0)
            own = 1;
        else
            continue;  // kind 4, or nothing needed
        const int other = 1 - own;

        const std::vector<int>& list = listForKind(cat_.decoSkillIndex[wanted_.system[j]], kind);
        bool done = false;
        for (std::size_t pos = skip[k]; pos < list.size() && !done; ++pos) {
            const int x = list[pos];
            const Deco& deco = cat_.decos[x];
            if (cond_.rarityLimit != 0 && deco.rarity > cond_.rarityLimit) continue;
            if (exclusions_.decoExcluded(x)) continue;
            const int s = deco.slots;
            for (int p = 0; p < kDecoParts && !done; ++p) {
                const int factor = p == Body ? bodyFactor : 1;
                for (int times = 0; times < 3 && !done; ++times) {
                    if (s > freeSlots[p]) continue;
                    work.place(p, x, s);
                    freeSlots[p] -= s;
                    need[j] -= deco.skill[own].points * factor;
                    if (deco.skill[other].system > 0) {
                        const int i = permutedSlot(deco.skill[other].system);
                        if (i >= 0) need[i] -= deco.skill[other].points * factor;
                    }
                    done = paidOff(kind, need[j]);
                }
            }
        }
    }
}

bool DecorationSearch::layoutMeetsWanted(const ArmourEval& ev, const DecoSet& work) const {
    // Recount from scratch: each decoration entry counts for the first wanted
    // slot (of all five) whose system is not 0 and equals the entry's.
    std::array<int, 5> need2 = ev.need;
    for (int p = 0; p < kDecoParts; ++p) {
        const int factor = p == Body ? ev.bodyFactor : 1;
        for (int s = 0; s < kSlotsPerPart; ++s) {
            const int x = work.DecoIndex[p][s];
            if (x <= 0) continue;
            for (const SkillPoints& e : cat_.decos[x].skill) {
                for (int j = 0; j < kWantedSlots; ++j) {
                    if (wanted_.system[j] != 0 && wanted_.system[j] == e.system) {
                        need2[j] -= e.points * factor;
                        break;
                    }
                }
            }
        }
    }
    // The fixed decorations already stand in Need.
    if (cond_.fixDecorations)
        for (int j = 0; j < kWantedSlots; ++j) need2[j] += ev.fixedDecoPoints[j];

    for (int j = 0; j < wanted_.n; ++j)
        if (!paidOff(wanted_.kind[j], need2[j])) return false;
    return true;
}

}  // namespace vk
