#include "search_fixture.h"

#include <algorithm>


namespace vk::search_test {

namespace {

template <std::size_t N>
int pointsIn(const std::array<SkillPoints, N>& skills, int system) {
    for (const SkillPoints& e : skills)
        if (e.system == system) return e.points;
    return 0;
}

template <class Row>
void sortLists(std::vector<SkillLists>& index, const std::vector<Row>& table) {
    for (std::size_t sys = 0; sys < index.size(); ++sys) {
        const int s = static_cast<int>(sys);
        std::stable_sort(index[sys].plus.begin(), index[sys].plus.end(),
                         [&](int a, int b) { return pointsIn(table[a].skill, s) > pointsIn(table[b].skill, s); });
        std::stable_sort(index[sys].minus.begin(), index[sys].minus.end(),
                         [&](int a, int b) { return pointsIn(table[a].skill, s) < pointsIn(table[b].skill, s); });
    }
}

}  // namespace

CatalogueBuilder::CatalogueBuilder() {
    cat_.skillTypes.push_back("none");
    cat_.skillEqs.push_back(SkillEq{"none", 0, 0, kGreaterEqual, 0});
    cat_.decos.push_back(Deco{});
    for (auto& table : cat_.equip) table.push_back(Equip{});
}

int CatalogueBuilder::system(const std::string& name) {
    cat_.skillTypes.push_back(name);
    return cat_.systemCount() - 1;
}

int CatalogueBuilder::torsoUpSystem() {
    cat_.torsoUpSystem = system("torso-up");
    return cat_.torsoUpSystem;
}

int CatalogueBuilder::skill(int system, int kind, int threshold) {
    const int index = static_cast<int>(cat_.skillEqs.size());
    cat_.skillEqs.push_back(SkillEq{"skill" + std::to_string(index), index, system, kind, threshold});
    return index;
}

int CatalogueBuilder::piece(int part, Equip e) {
    cat_.equip[part].push_back(e);
    return static_cast<int>(cat_.equip[part].size()) - 1;
}

int CatalogueBuilder::deco(int slots, SkillPoints main, SkillPoints second, int rarity) {
    cat_.decos.push_back(Deco{"deco", rarity, slots, {main, second}});
    return static_cast<int>(cat_.decos.size()) - 1;
}

Catalogue CatalogueBuilder::build() const {
    Catalogue cat = cat_;
    const std::size_t systems = cat.skillTypes.size();
    for (int p = 0; p < kArmourParts; ++p) {
        cat.skillIndex[p].assign(systems, SkillLists{});
        cat.slot3List[p].clear();
        for (int row = 0; row < static_cast<int>(cat.equip[p].size()); ++row) {
            for (const SkillPoints& e : cat.equip[p][row].skill) {
                if (cat.isTorsoUp(e.system)) {
                    for (SkillLists& lists : cat.skillIndex[p]) {
                        lists.plus.push_back(row);
                        lists.minus.push_back(row);
                    }
                } else if (e.system != 0) {
                    (e.points > 0 ? cat.skillIndex[p][e.system].plus : cat.skillIndex[p][e.system].minus).push_back(row);
                }
            }
            if (cat.equip[p][row].slots > 2) cat.slot3List[p].push_back(row);
        }
        sortLists(cat.skillIndex[p], cat.equip[p]);
    }
    cat.decoSkillIndex.assign(systems, SkillLists{});
    for (int row = 0; row < static_cast<int>(cat.decos.size()); ++row)
        for (const SkillPoints& e : cat.decos[row].skill)
            if (e.system != 0)
                (e.points >= 1 ? cat.decoSkillIndex[e.system].plus : cat.decoSkillIndex[e.system].minus).push_back(row);
    sortLists(cat.decoSkillIndex, cat.decos);

    cat.slotsPerPoint.assign(systems, 1.0f);
    cat.slotsPerMinusPoint.assign(systems, -3.0f);
    for (std::size_t row = 1; row < cat.decos.size(); ++row) {
        const Deco& d = cat.decos[row];
        const float r = static_cast<float>(d.slots) / static_cast<float>(d.skill[0].points);
        if (r < cat.slotsPerPoint[d.skill[0].system]) cat.slotsPerPoint[d.skill[0].system] = r;
        if (d.skill[1].system != 0) {
            const float m = static_cast<float>(d.slots) / static_cast<float>(d.skill[1].points);
            if (m > cat.slotsPerMinusPoint[d.skill[1].system]) cat.slotsPerMinusPoint[d.skill[1].system] = m;
        }
    }
    return cat;
}

Equip makePiece(int slots, int defence, std::initializer_list<SkillPoints> skills) {
    Equip e;
    e.name = "piece";
    e.rarity = 1;
    e.slots = slots;
    e.defence = defence;
    int k = 0;
    for (const SkillPoints& s : skills) e.skill[k++] = s;
    return e;
}

SearchCondition conditionFor(std::initializer_list<int> wanted) {
    SearchCondition c;
    int j = 0;
    for (int w : wanted) c.wanted[j++] = w;
    c.wantedCount = j;
    return c;
}

EngineRig::EngineRig(const Catalogue& cat) : engine(cat) {
    control.Running = true;
    snapshot.exclusions = ExceptFlags::sizedFor(cat);
}

Result makeHit(const std::array<int, 5>& index, const DecoSet& decos) {
    Result r;
    for (int p = 0; p < kArmourParts; ++p) r.Index[p] = index[p];
    r.Decos = decos;
    return r;
}

std::vector<std::array<int, 5>> hitIndices(const ResultStore& hits) {
    std::vector<std::array<int, 5>> out;
    for (const Result& r : hits) out.push_back({r.Index[0], r.Index[1], r.Index[2], r.Index[3], r.Index[4]});
    return out;
}

RunOutcome runReference(const Catalogue& cat, const SearchCondition& cond) {
    EngineRig rig(cat);
    rig.run(cond);
    return RunOutcome{rig.engine.store(), rig.engine.tested(), rig.engine.total()};
}

RunOutcome runReference(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot) {
    EngineRig rig(cat);
    rig.snapshot = snapshot;
    rig.run(cond);
    return RunOutcome{rig.engine.store(), rig.engine.tested(), rig.engine.total()};
}

}  // namespace vk::search_test
