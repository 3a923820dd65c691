#include "search/fast_task.h"

#include <chrono>
#include <thread>

#include "search/armour_eval.h"

namespace vk {

FastTaskRunner::FastTaskRunner(const FastPlan& plan, const ExceptFlags& exclusions, SearchControl& control,
                               SharedDecoMemo* shared)
    : plan_(plan),
      control_(control),
      decoSearch_(*plan.cat, *plan.cond, plan.wanted, exclusions, plan.lists.decos, control),
      shared_(shared) {}

bool FastTaskRunner::halted() {
    while (control_.Running && control_.Suspended) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return !control_.Running;
}

void FastTaskRunner::bodyGains(std::size_t body) {
    if (gainsBody_ == body) return;
    gainsBody_ = body;
    const BodyProfile& b = plan_.bodies[body];
    // A torso-up entry repeats the body's points and its fixed decorations.
    WantedInts repeat{};
    for (int j = 0; j < kWantedSlots; ++j) repeat[j] = b.last[j] + plan_.fixed.body[j];
    for (int p : {Head, Arm, Wst, Leg}) {
        gains_[p].clear();
        for (const PieceProfile& piece : plan_.pieces[p]) gains_[p].push_back(gainOf(piece, repeat, b.slots));
    }
    legBounds_ = boundsOf(gains_[Leg], 0, gains_[Leg].size());
    wstLegBounds_ = boundsOf(gains_[Wst], 0, gains_[Wst].size()).plus(legBounds_);
}

Result FastTaskRunner::makeHit(const Pieces& rows, const DecoSet& decos) const {
    Result hit;
    for (int p = 0; p < kArmourParts; ++p) hit.Index[p] = rows[p];
    hit.Decos = decos;
    return hit;
}

const DecoOutcome* FastTaskRunner::decorate(const Pieces& rows, int bodyFactor, const WantedInts& need) {
    const Catalogue& cat = *plan_.cat;
    std::array<int, kArmourParts> slots{};
    for (int p = 0; p < kArmourParts; ++p) slots[p] = cat.equip[p][rows[p]].slots;
    const DecoKey key(slots, bodyFactor, need);
    if (const DecoOutcome* known = memo_.find(key)) return known;
    if (shared_)
        if (const std::optional<DecoOutcome> known = shared_->find(key)) return &memo_.insert(key, *known);

    ArmourEval ev;
    ev.need = need;
    ev.fixedDecoPoints = plan_.fixed.at(bodyFactor);
    ev.bodyFactor = bodyFactor;
    DecoOutcome outcome;
    outcome.success = decoSearch_.search(slots, ev, outcome.decos);
    if (!outcome.success && !control_.Running) return nullptr;  // a stopped search proves nothing
    if (!outcome.success) outcome.decos = DecoSet{};
    if (shared_) shared_->insert(key, outcome);
    return &memo_.insert(key, outcome);
}

TaskOutcome FastTaskRunner::run(const TaskSpec& spec) {
    TaskOutcome out;
    bodyGains(spec.body);
    const SearchCondition& cond = *plan_.cond;
    const WantedSkills& w = plan_.wanted;
    const std::vector<Gain>& arms = gains_[Arm];
    const std::vector<Gain>& wsts = gains_[Wst];
    const std::vector<Gain>& legs = gains_[Leg];
    const std::vector<int>& armRows = plan_.lists.parts[Arm];
    const std::vector<int>& wstRows = plan_.lists.parts[Wst];
    const std::vector<int>& legRows = plan_.lists.parts[Leg];
    const DecoSet plainDecos = cond.fixDecorations ? cond.fixedDecos : DecoSet{};

    const BodyProfile& body = plan_.bodies[spec.body];
    PartialSum base;
    for (int j = 0; j < kWantedSlots; ++j) base.points[j] = body.sum[j] + plan_.fixed.outside[j] + plan_.fixed.body[j];
    base.capacity = body.slots + cond.weaponSlots;
    base.defence = body.defence;
    const PartialSum withHead = base.plus(gains_[Head][spec.head]);

    Pieces rows{};
    rows[Head] = plan_.lists.parts[Head][spec.head];
    rows[Body] = plan_.lists.parts[Body][spec.body];
    const std::uint64_t legCount = legs.size();
    const std::uint64_t wstLegCount = wsts.size() * legCount;

    for (std::size_t a = spec.armBegin; a < spec.armEnd; ++a) {
        const PartialSum withArm = withHead.plus(arms[a]);
        if (subtreeBarren(plan_, withArm, wstLegBounds_)) {
            out.tested += wstLegCount;
            continue;
        }
        rows[Arm] = armRows[a];
        for (std::size_t wi = 0; wi < wsts.size(); ++wi) {
            if (halted()) {
                out.stopped = true;
                return out;
            }
            const PartialSum withWst = withArm.plus(wsts[wi]);
            if (subtreeBarren(plan_, withWst, legBounds_)) {
                out.tested += legCount;
                continue;
            }
            rows[Wst] = wstRows[wi];
            for (std::size_t li = 0; li < legs.size(); ++li) {
                ++out.tested;
                const Gain& leg = legs[li];
                if (withWst.defence + leg.defence < cond.minDefence) continue;
                WantedInts total{};
                bool met = true;
                for (int j = 0; j < kWantedSlots; ++j) {
                    total[j] = withWst.points[j] + leg.points[j];
                    met &= total[j] >= plan_.acceptLo[j] && total[j] <= plan_.acceptHi[j];
                }
                rows[Leg] = legRows[li];
                const DecoSet* decos = nullptr;
                if (met) {
                    decos = &plainDecos;
                } else if (cond.useDecorations) {
                    WantedInts need{};
                    for (int j = 0; j < kWantedSlots; ++j)
                        if (w.set[j]) need[j] = needFor(w.kind[j], total[j], w.threshold[j]);
                    if (!slotsMayCover(*plan_.cat, w, need, withWst.capacity + leg.capacity)) continue;
                    const DecoOutcome* fitted = decorate(rows, 1 + withWst.torso + leg.torso, need);
                    if (!fitted) {
                        out.stopped = true;
                        return out;
                    }
                    if (fitted->success) decos = &fitted->decos;
                }
                // Every combination that got here reaches the hit-limit test.
                if (decos) out.hits.push_back(OrderedHit{out.tested, makeHit(rows, *decos)});
                if (plan_.hitLimit <= out.hits.size()) {  // only a hit can raise the count
                    out.ended = true;
                    return out;
                }
            }
        }
    }
    return out;
}

}  // namespace vk
