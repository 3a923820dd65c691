#include "core/search/search_fixture.h"

#include "core/catalogue/skill_index.h"
#include "core/catalogue/slot_tables.h"
#include "core/catalogue/value_bounds.h"

namespace vk::search_test {

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
    // The loader's own derivation, so the tests search what a loaded catalogue holds.
    Catalogue cat = cat_;
    boundCatalogueValues(cat);
    for (int p = 0; p < kArmourParts; ++p) {
        buildPartSkillIndex(cat, p);
        cat.slot3List[p] = threeSlotPieces(cat.equip[p]);
    }
    buildDecoSkillIndex(cat);
    computeSlotRatios(cat);
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
