#include <string>

#include <gtest/gtest.h>

#include "cli/condition_from_options.h"
#include "cli/usage_error.h"
#include "core/catalogue/skill_index.h"
#include "core/catalogue/slot_tables.h"
#include "core/text/sjis.h"

namespace {

using namespace vk;
using cli::UsageError;

Equip piece(const std::string& name, int slots) {
    Equip e;
    e.name = name;
    e.slots = slots;
    e.rarity = 1;
    return e;
}

Deco deco(const std::string& name, int slots, int system) {
    Deco d;
    d.name = name;
    d.slots = slots;
    d.skill[0] = {system, 1};
    return d;
}

// Two skill systems with two activations each; per part a none row, a
// two-slot piece and a piece whose name repeats.
Catalogue smallCatalogue() {
    Catalogue cat;
    cat.skillTypes = {utf8ToSjis("なし"), "Atk", "Def"};
    cat.skillEqs = {{utf8ToSjis("なし"), 0, 0, 0, 0},
                    {utf8ToSjis("攻撃+10"), 1, 1, kGreaterEqual, 10},
                    {"Atk+15", 2, 1, kGreaterEqual, 15},
                    {"Def+10", 3, 2, kGreaterEqual, 10}};
    for (int p = 0; p < kArmourParts; ++p) {
        cat.equip[p] = {piece("none", 0), piece(utf8ToSjis("兜"), 2), piece("Twin", 1), piece("Twin", 3)};
        buildPartSkillIndex(cat, p);
        cat.slot3List[p] = threeSlotPieces(cat.equip[p]);
    }
    cat.decos = {deco("empty", 0, 0), deco(utf8ToSjis("攻撃珠"), 1, 1), deco("BigJewel", 2, 2)};
    buildDecoSkillIndex(cat);
    computeSlotRatios(cat);
    return cat;
}

ConditionForm formOf(const Catalogue& cat, const cli::SearchOptions& o) { return cli::conditionForm(cat, o); }

cli::SearchOptions withSkills(std::vector<std::string> skills) {
    cli::SearchOptions o;
    o.skills = std::move(skills);
    return o;
}

TEST(ConditionFromOptions, SkillsAreLookedUpInUtf8AndKeptInBoxOrder) {
    const Catalogue cat = smallCatalogue();
    cli::SearchOptions o = withSkills({"Def+10", "攻撃+10"});
    o.sex = 2;
    o.type = 2;
    o.rarity = 4;
    o.weaponSlots = 2;
    o.priority = 5;
    o.hitLimit = "-1";
    o.minDefence = "33";
    const GatheredCondition g = cli::gatherSearchCondition(cat, formOf(cat, o));
    EXPECT_EQ(g.window.wanted, (std::array<int, 5>{3, 1, 0, 0, 0}));  // box order
    EXPECT_EQ(g.engine.wanted, (std::array<int, 5>{3, 1, 0, 0, 0}));
    EXPECT_EQ(g.engine.wantedCount, 2);
    EXPECT_EQ(g.engine.sex, 2);
    EXPECT_EQ(g.engine.type, 2);
    EXPECT_EQ(g.engine.rarityLimit, 4);
    EXPECT_EQ(g.engine.weaponSlots, 2);
    EXPECT_EQ(g.engine.Priority, 5);
    EXPECT_EQ(g.engine.HitLimit, -1);
    EXPECT_EQ(g.engine.minDefence, 33);

    // Box order differs from the engine's descending order.
    const GatheredCondition h = cli::gatherSearchCondition(cat, formOf(cat, withSkills({"攻撃+10", "Def+10"})));
    EXPECT_EQ(h.window.wanted, (std::array<int, 5>{1, 3, 0, 0, 0}));
    EXPECT_EQ(h.engine.wanted, (std::array<int, 5>{3, 1, 0, 0, 0}));
}

TEST(ConditionFromOptions, UnknownOrOneSystemSkillsAreRefused) {
    const Catalogue cat = smallCatalogue();
    EXPECT_THROW(formOf(cat, withSkills({"Atk+99"})), UsageError);
    EXPECT_THROW(formOf(cat, withSkills({"なし"})), UsageError);  // the no-skill entry
    const ConditionForm sameSystem = formOf(cat, withSkills({"攻撃+10", "Atk+15"}));
    EXPECT_THROW(cli::gatherSearchCondition(cat, sameSystem), UsageError);
    const ConditionForm twice = formOf(cat, withSkills({"Def+10", "Def+10"}));
    EXPECT_THROW(cli::gatherSearchCondition(cat, twice), UsageError);
}

TEST(ConditionFromOptions, FixedPiecesByFirstNameOrByIndex) {
    const Catalogue cat = smallCatalogue();
    cli::SearchOptions o = withSkills({"Def+10"});
    o.fixes = {{Body, "Twin", std::nullopt}, {Arm, "", 3}, {Head, "兜", std::nullopt}};
    const GatheredCondition g = cli::gatherSearchCondition(cat, formOf(cat, o));
    EXPECT_EQ(g.engine.fixedPiece, (std::array<int, 5>{0, 1, 2, 3, 0}));  // first "Twin" is row 2
    EXPECT_EQ(g.engine.fixed, (std::array<bool, 5>{false, true, true, true, false}));

    o.fixes = {{Leg, "Nothing", std::nullopt}};
    EXPECT_THROW(formOf(cat, o), UsageError);
    o.fixes = {{Leg, "", 4}};  // the table has rows 0..3
    EXPECT_THROW(formOf(cat, o), UsageError);
}

TEST(ConditionFromOptions, FixedDecorationsFillTheFixedPieceInSlotOrder) {
    const Catalogue cat = smallCatalogue();
    cli::SearchOptions o = withSkills({"Def+10"});
    o.fixes = {{Wst, "", 3}};  // three slots
    o.fixDecos = {{Wst, "BigJewel"}, {Wst, "攻撃珠"}};
    o.fixDecorations = true;
    const GatheredCondition g = cli::gatherSearchCondition(cat, formOf(cat, o));
    const DecoSet& d = g.engine.fixedDecos;
    EXPECT_EQ(d.DecoIndex[Wst][0], 2);
    EXPECT_EQ(d.DecoIndex[Wst][1], 0);
    EXPECT_EQ(d.DecoIndex[Wst][2], 1);
    EXPECT_EQ(d.SlotsUsed[Wst], 3);
    EXPECT_EQ(d.DecoCount[Wst], 2);
    EXPECT_EQ(d.DecoTotal, 2);
    EXPECT_TRUE(g.engine.fixDecorations);
    EXPECT_EQ(g.window.allFixedDecos, d);

    // A third decoration finds no free slot.
    o.fixDecos.push_back({Wst, "攻撃珠"});
    EXPECT_THROW(formOf(cat, o), UsageError);
    // Two slots do not fit a one-slot piece.
    o.fixes = {{Leg, "", 2}};
    o.fixDecos = {{Leg, "BigJewel"}};
    EXPECT_THROW(formOf(cat, o), UsageError);
    // A decoration needs its part fixed first, and a known name.
    o.fixDecos = {{Head, "攻撃珠"}};
    EXPECT_THROW(formOf(cat, o), UsageError);
    o.fixDecos = {{Leg, "Ruby"}};
    EXPECT_THROW(formOf(cat, o), UsageError);
}

}  // namespace
