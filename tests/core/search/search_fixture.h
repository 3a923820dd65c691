#pragma once
// Small hand-built catalogues for the search tests, with the numbers read
// into range and the derived tables built as the loader does.

#include <initializer_list>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/engine/engine.h"
#include "core/search/reference/reference_engine.h"

namespace vk::search_test {

class CatalogueBuilder {
public:
    CatalogueBuilder();  // system 0, activation 0, decoration 0 and piece 0 of every part

    int system(const std::string& name);
    int torsoUpSystem();  // adds the torso-up system
    int skill(int system, int kind, int threshold);  // an activation
    int piece(int part, Equip e);
    int deco(int slots, SkillPoints main, SkillPoints second = {}, int rarity = 1);

    Catalogue build() const;

private:
    Catalogue cat_;
};

// A piece with the given slots, defence and skill entries.
Equip makePiece(int slots, int defence, std::initializer_list<SkillPoints> skills = {});

// A condition for `wanted` (already sorted descending), male blade user, no
// limits, decorations off.
SearchCondition conditionFor(std::initializer_list<int> wanted);

// A reference engine with Running set and an empty snapshot; the test may
// change the control and the snapshot between runs.
struct EngineRig {
    explicit EngineRig(const Catalogue& cat);
    std::size_t run(const SearchCondition& cond, const ProgressFn& progress = nullptr) {
        return engine.run(cond, snapshot, control, progress);
    }
    ReferenceEngine engine;
    SearchControl control;
    SearchSnapshot snapshot;
};

// A hit as the engine stores it.
Result makeHit(const std::array<int, 5>& index, const DecoSet& decos = {});

// The piece rows of every hit, in store order.
std::vector<std::array<int, 5>> hitIndices(const ResultStore& hits);

// Runs the reference engine with Running set and no exclusions or possessions.
struct RunOutcome {
    ResultStore hits;
    std::uint64_t tested = 0;
    std::uint64_t total = 0;
};
RunOutcome runReference(const Catalogue& cat, const SearchCondition& cond);
RunOutcome runReference(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot);

}  // namespace vk::search_test
