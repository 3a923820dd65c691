#include "core/search/reference/reference_engine.h"

#include <cstdint>
#include <stdexcept>

#include "core/search/condition/condition_bounds.h"
#include "core/search/condition/wanted_skills.h"
#include "core/search/progress/progress_percent.h"
#include "core/search/reference/deco_fitting.h"

namespace vk {

namespace {

long long defenceSum(const Catalogue& cat, const Pieces& pieces) {
    long long sum = 0;
    for (int p = 0; p < kArmourParts; ++p) sum += cat.equip[p][pieces[p]].defence;
    return sum;
}

}  // namespace

bool ReferenceEngine::storeHit(const Pieces& pieces, const DecoSet& decos, const SearchControl& control) {
    Result hit;
    for (int p = 0; p < kArmourParts; ++p) hit.Index[p] = pieces[p];
    hit.Decos = decos;
    store_.push_back(hit);
    return keptHitsReachBudget(control);
}

std::size_t ReferenceEngine::run(const SearchCondition& cond, const SearchSnapshot& snapshot, SearchControl& control,
                                 const ProgressFn& progress) {
    beginRun();
    if (const std::string error = conditionRangeError(cat_, cond); !error.empty()) throw std::invalid_argument(error);

    const WantedSkills wanted = wantedSkills(cat_, cond);
    lists_ = buildCandidates(cat_, cond, snapshot);
    if (cond.Priority > 0) orderByPriority(cat_, cond.Priority, lists_);

    total_ = 1;
    for (const std::vector<int>& list : lists_.parts) total_ *= list.size();
    tested_ = 0;

    DecorationSearch decoSearch(cat_, cond, wanted, snapshot.exclusions, control);
    const std::uint32_t hitLimit = static_cast<std::uint32_t>(cond.HitLimit);  // negative: no limit
    const std::vector<int>& heads = lists_.parts[Head];
    const std::vector<int>& bodies = lists_.parts[Body];
    const std::vector<int>& arms = lists_.parts[Arm];
    const std::vector<int>& waists = lists_.parts[Wst];
    const std::vector<int>& legs = lists_.parts[Leg];

    for (std::size_t h = 0; h < heads.size(); ++h) {
        for (std::size_t b = 0; b < bodies.size(); ++b) {
            progress_ = progressPercent(h, heads.size(), b, bodies.size());
            if (progress) progress(SearchProgress{tested_, total_, progress_, store_.size()});
            for (int arm : arms) {
                for (int wst : waists) {
                    for (int leg : legs) {
                        ++tested_;
                        Pieces pieces{};
                        pieces[Leg] = leg;
                        pieces[Head] = heads[h];
                        pieces[Body] = bodies[b];
                        pieces[Arm] = arm;
                        pieces[Wst] = wst;
                        if (control.waitWhileSuspended()) return store_.size();

                        if (defenceSum(cat_, pieces) < cond.minDefence) continue;

                        const ArmourEval ev = evaluateArmour(cat_, wanted, cond, pieces);
                        bool full = false;
                        if (ev.success) {
                            full = storeHit(pieces, cond.fixDecorations ? cond.fixedDecos : DecoSet{}, control);
                        } else if (cond.useDecorations) {
                            if (!estimateFeasible(cat_, wanted, ev, pieces, cond.weaponSlots)) continue;
                            // A stop noticed while fitting fails this combination; the
                            // next combination's poll ends the search.
                            DecoSet best;
                            if (decoSearch.search(pieces, ev, lists_.decos, best)) full = storeHit(pieces, best, control);
                        }
                        if (full || hitLimit <= store_.size()) return store_.size();
                    }
                }
            }
        }
    }
    return store_.size();
}

}  // namespace vk
