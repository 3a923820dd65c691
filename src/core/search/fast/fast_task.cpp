#include "core/search/fast/fast_task.h"

#include <algorithm>
#include <limits>

#include "core/search/engine/armour_eval.h"

namespace vk {

FastTaskRunner::FastTaskRunner(const FastPlan& plan, const ExceptFlags& exclusions, SearchControl& control,
                               SharedDecoMemo* shared)
    : plan_(plan),
      control_(control),
      endingHits_(endingHits(plan, control)),
      decoSearch_(*plan.cat, *plan.cond, plan.wanted, exclusions, plan.lists.decos, control),
      shared_(shared) {}

std::size_t FastTaskRunner::endingHits(const FastPlan& plan, const SearchControl& control) {
    const std::size_t budgetHits = ResultStore::hitsFilling(control.MemoryBudget);
    // A hit limit of 0 ends the search at its first combination reaching the
    // limit test, hit or not: the slices see to it themselves.
    return plan.hitLimit > 0 ? std::min<std::size_t>(plan.hitLimit, budgetHits) : budgetHits;
}

bool FastTaskRunner::enoughHits(TaskOutcome& out) const {
    if (hitsBefore() + out.hits.size() < endingHits_) return false;
    out.ended = true;
    // With no hit of its own, the search ends before the slice.
    out.tested = out.hitOrdinals.empty() ? 0 : out.hitOrdinals.back();
    return true;
}

bool FastTaskRunner::halted() {
    return control_.waitWhileSuspended();
}
bool FastTaskRunner::stopAt(std::uint64_t ordinal, TaskOutcome& out) {
    out.stopped = true;
    out.stoppedAt = ordinal;
    return false;
}

void FastTaskRunner::bodyGains(std::size_t body) {
    if (setups_.empty()) setups_.resize(plan_.bodies.size());
    std::unique_ptr<BodySetup>& setup = setups_[body];
    if (!setup) {
        setup = std::make_unique<BodySetup>();
        const BodyProfile& b = plan_.bodies[body];
        // A torso-up entry repeats the body's points and its fixed decorations.
        WantedInts repeat{};
        for (int j = 0; j < kWantedSlots; ++j) repeat[j] = b.last[j] + plan_.fixed.body[j];
        for (int p : {Head, Arm, Wst, Leg})
            for (const PieceProfile& piece : plan_.pieces[p]) setup->gains[p].push_back(gainOf(piece, repeat, b.slots));
        const std::vector<Gain>& legs = setup->gains[Leg];
        setup->legBounds = boundsOf(legs, 0, legs.size());
        setup->wstLegBounds = boundsOf(setup->gains[Wst], 0, setup->gains[Wst].size()).plus(setup->legBounds);
        setup->wstGroups = groupGains(setup->gains[Wst]);
        setup->legGroups = groupGains(legs);
        setup->legDefenceMin = std::numeric_limits<long long>::max();
        for (const Gain& g : legs) setup->legDefenceMin = std::min<long long>(setup->legDefenceMin, g.defence);
    }
    body_ = setup.get();
    const std::size_t wstGroups = body_->wstGroups.gains.size();
    if (judgements_.size() < wstGroups * body_->legGroups.gains.size())
        judgements_.resize(wstGroups * body_->legGroups.gains.size());
    if (liveStamp_.size() < wstGroups) liveStamp_.resize(wstGroups, 0);
    if (liveLegs_.size() < wstGroups) liveLegs_.resize(wstGroups);
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
    ArmourEval ev;
    ev.need = need;
    ev.fixedDecoPoints = plan_.fixed.at(bodyFactor);
    ev.bodyFactor = bodyFactor;
    // The proof costs less than a memo look-up, and only the searches it
    // cannot settle are worth remembering.
    static const DecoOutcome kProvenFailure{};
    if (decoSearch_.provablyFails(slots, ev)) return &kProvenFailure;
    const DecoKey key(slots, bodyFactor, decoSearch_.outcomeNeed(need));
    // Threads of one search ask the shared memo alone: a copy out of it
    // costs less than keeping a second table per thread.
    if (shared_) {
        if (shared_->find(key, sharedOutcome_)) return &sharedOutcome_;
    } else if (const DecoOutcome* known = memo_.find(key)) {
        return known;
    }

    DecoOutcome outcome;
    outcome.success = decoSearch_.searchUnproven(slots, ev, outcome.decos);
    beat(pulseTested_);
    if (!outcome.success && !control_.Running) return nullptr;  // a stopped search proves nothing
    if (!outcome.success) outcome.decos = DecoSet{};
    if (!shared_) return &memo_.insert(key, outcome);
    shared_->insert(key, outcome);
    sharedOutcome_ = outcome;
    return &sharedOutcome_;
}

const FastTaskRunner::Judgement* FastTaskRunner::judge(std::size_t wstGroup, std::size_t legGroup,
                                                       const PartialSum& withWst, Pieces rows) {
    Judgement& verdict = judgements_[wstGroup * body_->legGroups.gains.size() + legGroup];
    if (verdict.stamp == armStamp_) return &verdict;
    const SearchCondition& cond = *plan_.cond;
    const WantedSkills& w = plan_.wanted;
    const Gain& leg = body_->legGroups.gains[legGroup];
    WantedInts total{};
    bool met = true;
    for (int j = 0; j < kWantedSlots; ++j) {
        total[j] = withWst.points[j] + leg.points[j];
        met &= total[j] >= plan_.acceptLo[j] && total[j] <= plan_.acceptHi[j];
    }
    Judgement fresh{Judgement::Reached, -1, armStamp_};  // reaches the hit-limit test without a hit
    if (met) {
        fresh.kind = Judgement::Hit;
    } else if (cond.useDecorations) {
        WantedInts need{};
        for (int j = 0; j < kWantedSlots; ++j)
            if (w.set[j]) need[j] = needFor(w.kind[j], total[j], w.threshold[j]);
        if (!slotsMayCover(*plan_.cat, w, need, withWst.capacity + leg.capacity)) {
            fresh.kind = Judgement::Nothing;
        } else {
            rows[Leg] = plan_.lists.parts[Leg][body_->legGroups.first[legGroup]];
            const DecoOutcome* fitted = decorate(rows, 1 + withWst.torso + leg.torso, need);
            if (!fitted) return nullptr;
            if (fitted->success) {
                fresh.kind = Judgement::Hit;
                fresh.decos = static_cast<int>(judgedDecos_.size());
                judgedDecos_.push_back(fitted->decos);
            }
        }
    }
    verdict = fresh;
    return &verdict;
}

bool FastTaskRunner::listLiveLegs(std::size_t wstGroup, const PartialSum& withWst, const Pieces& rows) {
    std::vector<std::uint32_t>& live = liveLegs_[wstGroup];
    live.clear();
    for (std::size_t g = 0; g < body_->legGroups.gains.size(); ++g)
        if (!judge(wstGroup, g, withWst, rows)) return false;
    const Judgement* judged = &judgements_[wstGroup * body_->legGroups.gains.size()];
    for (std::size_t li = 0; li < body_->legGroups.groupOf.size(); ++li)
        if (worthVisiting(judged[body_->legGroups.groupOf[li]])) live.push_back(static_cast<std::uint32_t>(li));
    liveStamp_[wstGroup] = armStamp_;
    return true;
}

bool FastTaskRunner::barren(const PartialSum& partial, const GainBounds& rest, const ChosenSlots& chosen,
                            ProofGate& gate) {
    if (!plan_.proof && !plan_.decoNeverFits) return subtreeBarren(plan_, partial, rest);
    if (!gate.open()) return subtreeBarren(plan_, partial, rest);
    const bool skipped = subtreeBarren(plan_, partial, rest, &chosen);
    gate.record(skipped);
    return skipped;
}

TaskOutcome FastTaskRunner::run(const SliceBounds& slice) {
    TaskOutcome out;
    pulseTested_ = 0;
    const std::size_t bodies = plan_.lists.parts[Body].size();
    for (std::size_t position = slice.positionBegin; position < slice.positionEnd; ++position) {
        if (slice.armBegin == 0) out.bodyStarts.push_back(out.tested);
        if (!runPosition(position / bodies, position % bodies, slice.armBegin, slice.armEnd, out)) break;
    }
    return out;
}

bool FastTaskRunner::runPosition(std::size_t head, std::size_t bodyPos, std::size_t armBegin, std::size_t armEnd,
                                 TaskOutcome& out) {
    bodyGains(bodyPos);
    const SearchCondition& cond = *plan_.cond;
    const std::vector<Gain>& arms = body_->gains[Arm];
    const std::vector<Gain>& wsts = body_->gains[Wst];
    const std::vector<Gain>& legs = body_->gains[Leg];
    const std::vector<int>& armRows = plan_.lists.parts[Arm];
    const std::vector<int>& wstRows = plan_.lists.parts[Wst];
    const std::vector<int>& legRows = plan_.lists.parts[Leg];
    const DecoSet plainDecos = cond.fixDecorations ? cond.fixedDecos : DecoSet{};

    const BodyProfile& body = plan_.bodies[bodyPos];
    PartialSum base;
    for (int j = 0; j < kWantedSlots; ++j) base.points[j] = body.sum[j] + plan_.fixed.outside[j] + plan_.fixed.body[j];
    base.capacity = body.slots + cond.weaponSlots;
    base.defence = body.defence;
    const PartialSum withHead = base.plus(body_->gains[Head][head]);

    Pieces rows{};
    rows[Head] = plan_.lists.parts[Head][head];
    rows[Body] = plan_.lists.parts[Body][bodyPos];
    const std::uint64_t legCount = legs.size();
    const std::uint64_t wstLegCount = wsts.size() * legCount;

    // What the proof of failure knows of the chosen parts.
    ChosenSlots chosen;
    chosen.free[Head] = body_->gains[Head][head].slots;
    chosen.free[Body] = body.slots;
    chosen.free[Weapon] = cond.weaponSlots;
    for (std::size_t a = armBegin; a < armEnd; ++a) {
        const PartialSum withArm = withHead.plus(arms[a]);
        chosen.free[Arm] = arms[a].slots;
        chosen.free[Wst] = 0;
        chosen.openMost = &plan_.wstLegMost;
        if (barren(withArm, body_->wstLegBounds, chosen, armGate_)) {
            out.tested += wstLegCount;
            continue;
        }
        rows[Arm] = armRows[a];
        // Judgements hold for this arm: wst pieces of one group share them.
        ++armStamp_;
        judgedDecos_.clear();
        for (std::size_t wi = 0; wi < wsts.size(); ++wi) {
            if (halted()) return stopAt(out.tested + 1, out);
            if (enoughHits(out)) return false;
            if (pulse_ && (wi & 15) == 0) beat(pulseTested_ = out.tested);
            const PartialSum withWst = withArm.plus(wsts[wi]);
            chosen.free[Wst] = wsts[wi].slots;
            chosen.openMost = &plan_.legMost;
            if (barren(withWst, body_->legBounds, chosen, wstGate_)) {
                out.tested += legCount;
                continue;
            }
            rows[Wst] = wstRows[wi];
            const std::size_t wg = body_->wstGroups.groupOf[wi];
            // When every leg passes the defence test, every leg group gets
            // judged anyway: judge them at once and visit only the legs that
            // matter. Otherwise judge a group only when one of its legs passes.
            const bool allPass = withWst.defence + body_->legDefenceMin >= cond.minDefence;
            if (allPass && liveStamp_[wg] != armStamp_ && !listLiveLegs(wg, withWst, rows))
                return stopAt(out.tested + 1, out);
            const std::size_t visits = allPass ? liveLegs_[wg].size() : legs.size();
            for (std::size_t v = 0; v < visits; ++v) {
                const std::size_t li = allPass ? liveLegs_[wg][v] : v;
                if (withWst.defence + legs[li].defence < cond.minDefence) continue;
                const Judgement* verdict = judge(wg, body_->legGroups.groupOf[li], withWst, rows);
                if (!verdict) return stopAt(out.tested + li + 1, out);
                if (!worthVisiting(*verdict)) continue;
                const std::uint64_t ordinal = out.tested + li + 1;
                if (verdict->kind == Judgement::Hit) {
                    rows[Leg] = legRows[li];
                    out.hits.push_back(makeHit(rows, verdict->decos < 0 ? plainDecos : judgedDecos_[verdict->decos]));
                    out.hitOrdinals.push_back(ordinal);
                    if (publish_ && out.hits.size() % kPublishedHits == 0) publish_(out.hits.size());
                }
                // Every combination that got here reaches the hit-limit test;
                // only a hit can raise the count.
                if (plan_.hitLimit <= out.hits.size() || endingHits_ <= hitsBefore() + out.hits.size()) {
                    out.tested = ordinal;
                    out.ended = true;
                    return false;
                }
            }
            out.tested += legCount;
        }
    }
    return true;
}

}  // namespace vk
