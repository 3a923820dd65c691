// My sets in core: the edit record's check, registration, list texts and the
// part apply.

#include <functional>

#include <gtest/gtest.h>

#include "core/collections/collections_catalogue.h"
#include "core/collections/myset_rules.h"
#include "core/collections/possession_views.h"

namespace vk::test {
namespace {

Myset wearable() {
    Myset set;
    set.Sex = 1;
    set.Type = 1;
    set.Name = "A";
    set.Set.Index = {1, 1, 1, 1, 1};
    return set;
}

TEST(MysetRules, ValidationNeedsNameSexTypeAndWearablePieces) {
    const Catalogue cat = collectionsCatalogue();
    struct Case {
        const char* what;
        std::function<void(Myset&)> change;
        bool valid;
    };
    const Case cases[] = {
        {"all set", [](Myset&) {}, true},
        {"name with blanks around", [](Myset& m) { m.Name = " A "; }, true},
        {"empty name", [](Myset& m) { m.Name.clear(); }, false},
        {"blanks and control characters only", [](Myset& m) { m.Name = " \t\r\n "; }, false},
        {"no sex", [](Myset& m) { m.Sex = 0; }, false},
        {"no type", [](Myset& m) { m.Type = 0; }, false},
        {"women's piece for a man", [](Myset& m) { m.Set.Index[Head] = 2; }, false},
        {"women's piece for a woman", [](Myset& m) { m.Set.Index[Head] = 2; m.Sex = 2; }, true},
        {"gunner's piece for a blade", [](Myset& m) { m.Set.Index[Head] = 4; }, false},
        {"no piece at all", [](Myset& m) { m.Set.Index = {}; }, true},
        {"a row the table lacks", [](Myset& m) { m.Set.Index[Leg] = 9; }, false},
    };
    for (const Case& c : cases) {
        Myset set = wearable();
        c.change(set);
        EXPECT_EQ(isValidMyset(cat, set), c.valid) << c.what;
    }
    EXPECT_EQ(mysetNameFrom(std::string(254, 'a') + sj("兜")), std::string(254, 'a'));  // no half character
    EXPECT_EQ(mysetNameFrom(std::string(300, 'a')).size(), 255u);
}

TEST(MysetRules, RegistrationsListRowsAndTheEquipmentList) {
    const Catalogue cat = collectionsCatalogue();
    const int headDecos[] = {1};
    const int bodyDecos[] = {2, 1};
    const Possession head = makePossession(cat, Head, 1, headDecos);
    const Possession body = makePossession(cat, Body, 1, bodyDecos);
    SelectedPossessions selected{};
    selected[Head] = &head;
    selected[Body] = &body;
    const Myset fromOwned = mysetFromPossessions(cat, selected, 2, 2);
    EXPECT_EQ(fromOwned.Name, sj("新しいマイセット"));
    EXPECT_EQ(fromOwned.WeaponSlot, 0);
    EXPECT_EQ(fromOwned.Set.Index, (std::array<std::int32_t, 5>{0, 1, 1, 0, 0}));
    EXPECT_EQ(fromOwned.Set.Decos.DecoIndex[Body][0], 2);
    EXPECT_EQ(fromOwned.Set.Decos.DecoIndex[Body][2], 1);
    EXPECT_EQ(fromOwned.Set.Decos.DecoTotal, 3);

    Result hit;
    hit.No = 7;
    hit.Index = {1, 1, 1, 1, 1};
    const Myset fromHit = mysetFromHit(hit, 1, 2, 3);
    EXPECT_EQ(fromHit.Set, hit);
    EXPECT_EQ(fromHit.WeaponSlot, 3);

    SkillSummary scratch;
    // 攻撃: head 2 + body 3 + decorations 1 + 2 + 1 = 9: 攻撃大 only (it switches 攻撃小 off).
    EXPECT_EQ(mysetListRow(cat, fromOwned, 4, scratch),
              (MysetListRow{"5", sj("ガンナー"), sj("新しいマイセット"), "30", sj("攻撃大 ")}));
    Myset blade = fromOwned;
    blade.Type = 1;
    EXPECT_EQ(mysetListRow(cat, blade, 0, scratch)[1], sj("剣士"));

    const auto rows = MysetEquipLVRows(cat, mysetShownSet(fromHit));
    EXPECT_EQ(rows[0], (MysetEquipRow{sj("鉄兜"), "1", "10", "0", "0", "0", "0", "0", "2"}));
    EXPECT_EQ(rows[5], (MysetEquipRow{sj("武器"), "", "", "", "", "", "", "", "3"}));
    EXPECT_EQ(rows[6], (MysetEquipRow{sj("計"), "", "48", "2", "0", "0", "0", "0", "8"}));
}

TEST(MysetRules, ApplyingAPartReplacesPieceAndLaysDecorationsFromSlotZero) {
    const Catalogue cat = collectionsCatalogue();
    Myset set = wearable();
    const int first[] = {1, 1, 1};
    applyMysetPart(cat, set, Body, 1, first);
    const int second[] = {2, 1};
    applyMysetPart(cat, set, Body, 1, second);
    EXPECT_EQ(set.Set.Decos.DecoIndex[Body][0], 2);
    EXPECT_EQ(set.Set.Decos.DecoIndex[Body][1], 0);
    EXPECT_EQ(set.Set.Decos.DecoIndex[Body][2], 1);
    EXPECT_EQ(set.Set.Decos.DecoTotal, 2);  // the first three were taken out
    const int weapon[] = {2};
    applyMysetPart(cat, set, Weapon, -1, weapon);
    EXPECT_EQ(set.Set.Index[Head], 1);  // the weapon has no piece
    EXPECT_EQ(set.Set.Decos.DecoIndex[Weapon][0], 2);
    applyMysetPart(cat, set, Head, 3, {});
    EXPECT_EQ(set.Set.Index[Head], 3);
    EXPECT_EQ(set.Set.Decos.DecoTotal, 3);
}

}  // namespace
}  // namespace vk::test
