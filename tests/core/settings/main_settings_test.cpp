#include <gtest/gtest.h>

#include "core/results/hand_catalogue.h"
#include "core/search/condition/condition_gather.h"
#include "core/settings/main_settings.h"
#include "core/settings/older_collection_keys.h"

namespace vk {
namespace {

using namespace vk::test;

// Heads 1 "頭甲" and 2 "頭甲" (equal names), 3 "頭乙"; decorations 1 "珠一"
// (one slot), 2 "珠二" (two slots); activations 攻撃小, 攻撃大, 防御DOWN.
Catalogue settingsCatalogue() {
    Catalogue c = reportCatalogue();
    c.equip[Head] = {piece("装備なし", {}), piece("頭甲", {1, 10}), piece("頭甲", {1, 11}), piece("頭乙", {1, 12})};
    c.decos = {deco("装飾なし", 0, {0, 0}), deco("珠一", 1, {kAttack, 1}), deco("珠二", 2, {kGuard, 1})};
    return c;
}

IniFile iniOf(const std::string& utf8) { return IniFile::parse(sj(utf8.c_str())); }

const ScreenRect kFitted{100, 50, 1012, 623};

TEST(MainSettings, WritesEveryKeyInTheFilesOrderAndReadsItBack) {
    const Catalogue c = settingsCatalogue();
    MainSettings s;
    s.window = {{-8, 20, 900, 600}, true};
    s.page = 2;
    ConditionForm& f = s.condition.form;
    f.sexItem = 1;
    f.typeItem = 1;
    f.rareItem = 4;
    f.skillBoxes = {2, 0, 3, -1, 1};
    f.fixedChecks = {true, true, false, false, true};
    f.fixDeco = true;
    f.fixEquip.piece = {1, 2, 0, 0, 1};
    f.fixEquip.decos.place(Head, 2, 2);
    f.fixEquip.decos.place(Head, 1, 1);
    f.fixEquip.decos.place(Leg, 1, 1);
    s.condition.pieceText = {sj("脚E"), sj("頭甲"), std::nullopt, std::nullopt, sj("腰D")};
    f.isDecoration = false;  // the flag pairs differ, so a key read for its neighbour shows
    f.weponItem = 3;
    f.isPossession = true;
    f.hitLimitText = "250";
    f.priorityItem = 5;
    f.threeSlotPieces = true;
    f.allEquip = false;
    f.defText = "037";
    s.sexPossItem = 2;
    s.typePossItem = 1;

    IniFile ini = iniOf("[General]\r\nUnknown=keep\r\n[Myset]\r\nMysetName0=old\r\n[Result]\r\nLeft=3\r\n");
    writeMainSettings(ini, c, s);
    EXPECT_EQ(ini.format(), sj("[General]\r\nUnknown=keep\r\nLeft=-8\r\nTop=20\r\nWidth=900\r\nHight=600\r\n"
                               "Maximize=1\r\nPage=2\r\n"
                               "[Result]\r\nLeft=3\r\n"
                               "[Condition]\r\nSex=1\r\nType=1\r\nRare=4\r\n"
                               "Skill1=攻撃大\r\nSkill2=\r\nSkill3=防御DOWN\r\nSkill4=\r\nSkill5=攻撃小\r\n"
                               "FixHeadCheckBox=1\r\nFixBodyCheckBox=0\r\nFixArmCheckBox=0\r\nFixWstCheckBox=1\r\n"
                               "FixLegCheckBox=1\r\nFixDecoCheckBox=1\r\n"
                               "FixHeadName=頭甲\r\nFixBodyName=装備無し\r\nFixArmName=装備無し\r\n"
                               "FixWstName=腰D\r\nFixLegName=脚E\r\n"
                               "FixHeadIndex=2\r\nFixBodyIndex=0\r\nFixArmIndex=0\r\nFixWstIndex=1\r\n"
                               "FixLegIndex=1\r\n"
                               "FixLegDecoName0=珠一\r\nFixLegDecoIndex0=1\r\n"
                               "FixHeadDecoName0=珠二\r\nFixHeadDecoIndex0=2\r\n"
                               "FixHeadDecoName1=珠一\r\nFixHeadDecoIndex1=1\r\n"
                               "IsDecoration=0\r\nWeponSlot=3\r\nIsPossession=1\r\nHitLimit=250\r\nPriority=5\r\n"
                               "Add3Slot=1\r\nAllEquip=0\r\nDef=37\r\n"
                               "[Possession]\r\nSexPoss=2\r\nTypePoss=1\r\n"));

    const MainSettings back = readMainSettings(IniFile::parse(ini.format()), c, kFitted);
    const ConditionForm& r = back.condition.form;
    EXPECT_EQ(back.window, s.window);
    EXPECT_EQ(back.page, 2);
    EXPECT_EQ((std::array<int, 7>{r.sexItem, r.typeItem, r.rareItem, r.weponItem, r.priorityItem, back.sexPossItem,
                                  back.typePossItem}),
              (std::array<int, 7>{1, 1, 4, 3, 5, 2, 1}));
    EXPECT_EQ((std::array<bool, 5>{r.fixDeco, r.isDecoration, r.isPossession, r.threeSlotPieces, r.allEquip}),
              (std::array<bool, 5>{true, false, true, true, false}));
    EXPECT_EQ(r.skillBoxes, (std::array<int, 5>{2, 0, 3, 0, 1}));
    EXPECT_EQ(r.fixEquip, f.fixEquip);
    // "装備無し" names no piece: its index 0 stands in, with that row's name.
    EXPECT_EQ(back.condition.pieceText,
              (std::array<std::optional<std::string>, 5>{sj("脚E"), sj("頭甲"), c.equip[Body][0].name,
                                                         c.equip[Arm][0].name, sj("腰D")}));
    EXPECT_EQ(r.fixedChecks, f.fixedChecks);
    EXPECT_EQ((std::array<std::string, 2>{r.hitLimitText, r.defText}), (std::array<std::string, 2>{"250", "37"}));

    // Each flag and radio group reads its own key alone.
    const char* keys[] = {"Sex", "Type", "FixDecoCheckBox", "IsDecoration", "IsPossession", "Add3Slot", "AllEquip"};
    for (int k = 0; k < 7; ++k) {
        const ConditionForm one =
            readConditionSettings(iniOf("[Condition]\r\n" + std::string(keys[k]) + "=1\r\n"), c).form;
        const std::array<int, 7> set = {one.sexItem, one.typeItem, one.fixDeco, one.isDecoration, one.isPossession,
                                        one.threeSlotPieces, one.allEquip};
        for (int i = 0; i < 7; ++i) EXPECT_EQ(set[i], i == k ? 1 : 0) << keys[k] << " field " << i;
    }
    f.defText = "abc";  // not a number: written as 0
    writeMainSettings(ini, c, s);
    EXPECT_EQ(ini.readString("Condition", "Def", ""), "0");
}

// The search and the settings file read the hit limit and defence boxes alike.
TEST(MainSettings, NumberBoxesStoreWhatTheSearchUses) {
    const Catalogue c = settingsCatalogue();
    const struct {
        const char* text;
        int hitLimit, defence;
    } table[] = {{"+50", 50, 50},    {"050", 50, 50},    {"-3", -3, -3},  {"2147483647", 2147483647, 2147483647},
                 {" 50", 100000, 0}, {"50 ", 100000, 0}, {"", 100000, 0}, {"abc", 100000, 0},
                 {"+-3", 100000, 0}, {"-", 100000, 0},  {"１２", 100000, 0}, {"2147483648", 100000, 0}};
    for (const auto& row : table) {
        ConditionSettings s;
        s.form.skillBoxes = {1, 0, 0, 0, 0};
        s.form.hitLimitText = s.form.defText = sj(row.text);
        const SearchCondition searched = gatherCondition(c, s.form).engine;
        IniFile ini;
        writeConditionSettings(ini, c, s);
        EXPECT_EQ((std::array<int, 4>{searched.HitLimit, ini.readInteger(kConditionSection, "HitLimit", -1),
                                      searched.minDefence, ini.readInteger(kConditionSection, "Def", -1)}),
                  (std::array<int, 4>{row.hitLimit, row.hitLimit, row.defence, row.defence}))
            << row.text;
    }
}

TEST(MainSettings, AnEmptyFileReadsAsTheInitialControls) {
    const MainSettings s = readMainSettings(IniFile{}, settingsCatalogue(), kFitted);
    EXPECT_EQ(s.window, (WindowSettings{kFitted, false}));
    EXPECT_EQ(s.page, 0);
    EXPECT_EQ(s.condition.form.hitLimitText, "100000");
    EXPECT_EQ(s.condition.form.defText, "0");
    EXPECT_EQ(s.condition.form.fixEquip, FixEquip{});
    for (const auto& text : s.condition.pieceText) EXPECT_FALSE(text.has_value());
}

TEST(MainSettings, BadValuesAreIgnoredOrFallBackToTheirDefaults) {
    const Catalogue c = settingsCatalogue();
    const MainSettings s = readMainSettings(
        iniOf("[General]\r\nLeft=x\r\nTop=7\r\nWidth=-3\r\nHight=0\r\nPage=7\r\n"
              "[Condition]\r\nSkill1=攻撃大\r\nSkill1=防御DOWN\r\nSkill3=消えた発動\r\nHitLimit=many\r\nSex=\r\n"
              "garbage\r\n=\r\n[[Condition]\r\n"),
        c, kFitted);
    EXPECT_EQ(s.window.bounds, (ScreenRect{100, 7, 1012, 623}));
    EXPECT_FALSE(s.page.has_value());
    EXPECT_EQ(s.condition.form.skillBoxes, (std::array<int, 5>{2, 0, 0, 0, 0}));  // the first of duplicates
    EXPECT_EQ(s.condition.form.hitLimitText, "100000");
    EXPECT_EQ(s.condition.form.sexItem, 0);
}

// Fixed pieces and decorations through the stored-reference rule.
TEST(MainSettings, FixedPiecesResolveByNameThenIndex) {
    const Catalogue c = settingsCatalogue();
    struct Case {
        const char* keys;  // the Condition section's fixed-head keys
        int piece;
        const char* text;  // the head box's text, "" for none
        std::array<int, 3> decos;
    };
    const Case cases[] = {
        // Equal names: the index picks the second one.
        {"FixHeadName=頭甲\r\nFixHeadIndex=2\r\n", 2, "頭甲", {0, 0, 0}},
        // The index points at another name: the first equal name wins.
        {"FixHeadName=頭甲\r\nFixHeadIndex=3\r\n", 1, "頭甲", {0, 0, 0}},
        // The name is gone: the index stands in and the box shows its name.
        {"FixHeadName=消えた頭\r\nFixHeadIndex=3\r\n", 3, "頭乙", {0, 0, 0}},
        // Gone without index, or with an index beyond the table: unresolved,
        // the box keeps the stored name.
        {"FixHeadName=消えた頭\r\n", 0, "消えた頭", {0, 0, 0}},
        {"FixHeadName=消えた頭\r\nFixHeadIndex=99\r\nFixHeadDecoName0=珠一\r\n", 0, "消えた頭", {0, 0, 0}},
        // No name key: the part is left alone, whatever else is stored.
        {"FixHeadIndex=2\r\nFixHeadDecoName0=珠一\r\n", 0, "", {0, 0, 0}},
        // Decorations in slot order; an unknown name falls back to its index.
        {"FixHeadName=頭乙\r\nFixHeadDecoName0=珠二\r\nFixHeadDecoName1=消えた珠\r\nFixHeadDecoIndex1=1\r\n", 3, "頭乙",
         {2, 0, 1}},
        // Unknown name without index, or numbering with a gap: the list ends there.
        {"FixHeadName=頭乙\r\nFixHeadDecoName0=珠一\r\nFixHeadDecoName1=消えた珠\r\nFixHeadDecoName2=珠一\r\n", 3,
         "頭乙", {1, 0, 0}},
        {"FixHeadName=頭乙\r\nFixHeadDecoName0=珠一\r\nFixHeadDecoName2=珠一\r\n", 3, "頭乙", {1, 0, 0}},
        // More than three slots: the decoration that does not fit ends the list.
        {"FixHeadName=頭乙\r\nFixHeadDecoName0=珠二\r\nFixHeadDecoName1=珠二\r\nFixHeadDecoName2=珠一\r\n", 3, "頭乙",
         {2, 0, 0}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.keys);
        const ConditionSettings s = readConditionSettings(iniOf(std::string("[Condition]\r\n") + k.keys), c);
        EXPECT_EQ(s.form.fixEquip.piece[Head], k.piece);
        EXPECT_EQ(s.pieceText[Head].value_or(""), sj(k.text));
        const auto& d = s.form.fixEquip.decos;
        EXPECT_EQ((std::array<int, 3>{d.DecoIndex[Head][0], d.DecoIndex[Head][1], d.DecoIndex[Head][2]}), k.decos);
        int used = 0;
        for (int deco : k.decos) used += deco > 0 ? c.decos[deco].slots : 0;
        EXPECT_EQ(d.SlotsUsed[Head], used);
    }
    // A stored name over 255 bytes is cut on a character boundary.
    const ConditionSettings longName =
        readConditionSettings(iniOf("[Condition]\r\nFixArmName=" + std::string(300, 'x') + "\r\n"), c);
    EXPECT_EQ(longName.pieceText[Arm], std::string(255, 'x'));
}

TEST(OlderCollectionKeys, ListsEndAtTheFirstGapOrUnresolvedReference) {
    const Catalogue c = settingsCatalogue();
    const IniFile ini = iniOf(
        "[Condition]\r\nExceptHeadName0=頭乙\r\nExceptHeadIndex0=3\r\nExceptHeadName1=頭甲\r\nExceptHeadIndex1=2\r\n"
        "ExceptHeadName2=消えた頭\r\nExceptHeadName3=頭甲\r\nExceptDecoName0=珠二\r\nExceptDecoName1=消えた珠\r\n"
        "ExceptDecoIndex1=1\r\n"
        "[Possession]\r\nHeadName0=頭甲\r\nHeadIndex0=2\r\nHeadDecoName0_0=珠二\r\nHeadDecoName0_1=消えた珠\r\n"
        "HeadDecoIndex0_1=1\r\nHeadName1=頭乙\r\nLegName0=脚E\r\nLegName2=脚E\r\n"
        "[Myset]\r\nMysetName0=セットA\r\nMysetSex0=2\r\nMysetType0=1\r\nWeponSlot0=3\r\nLegName0=脚E\r\n"
        "HeadName0=頭甲\r\nHeadIndex0=2\r\nBodyName0=胴B\r\nArmName0=腕C\r\nWstName0=腰D\r\n"
        "HeadDecoName0_0=珠二\r\nHeadDecoName0_1=珠一\r\nWeponDecoName0_0=珠一\r\n"
        "MysetName1=欠けたセット\r\nLegName1=脚E\r\nMysetName2=届かないセット\r\n");
    Collections read = Collections::emptyFor(c);
    readOlderCollectionKeys(ini, c, read);

    EXPECT_EQ(read.exclusions.equip[Head], (std::vector<std::uint8_t>{0, 0, 1, 1}));
    EXPECT_EQ(read.exclusions.deco, (std::vector<std::uint8_t>{0, 1, 1}));

    ASSERT_EQ(read.possessions[Head].size(), 2u);
    EXPECT_EQ(read.possessions[Head][0].PossIndex, 2);
    EXPECT_EQ(read.possessions[Head][0].PossDecoCount, 2);
    EXPECT_EQ(read.possessions[Head][0].PossDeco, (std::array<int, 3>{2, 1, 0}));
    EXPECT_EQ(read.possessions[Head][1].PossIndex, 3);
    EXPECT_EQ(read.possessions[Leg].size(), 1u);  // number 1 is missing: number 2 is not read

    ASSERT_EQ(read.mysets.size(), 1u);  // the second set misses pieces: the list ends
    const Myset& set = read.mysets[0];
    EXPECT_EQ(set.Name, sj("セットA"));
    EXPECT_EQ((std::array<int, 3>{set.Sex, set.Type, set.WeaponSlot}), (std::array<int, 3>{2, 1, 3}));
    EXPECT_EQ(set.Set.Index, (std::array<std::int32_t, 5>{1, 2, 1, 1, 1}));
    EXPECT_EQ(set.Set.Decos.DecoIndex[Head][0], 2);  // two slots, then the one-slot one
    EXPECT_EQ(set.Set.Decos.DecoIndex[Head][2], 1);
    EXPECT_EQ(set.Set.Decos.DecoIndex[Weapon][0], 1);
    EXPECT_EQ(set.Set.Decos.DecoTotal, 3);

    // Taken over on top of lists at their caps, nothing passes a cap.
    Collections full = Collections::emptyFor(c);
    full.mysets.resize(kMaxMysets);
    full.possessions[Body].resize(kMaxPossessions - 1);
    readOlderCollectionKeys(ini, c, full);
    EXPECT_EQ(full.mysets.size(), kMaxMysets);
    EXPECT_EQ(static_cast<std::size_t>(full.possessionCount()), kMaxPossessions);

    // After a save the older keys are gone.
    IniFile saved = ini;
    writeMainSettings(saved, c, MainSettings{});
    Collections again = Collections::emptyFor(c);
    readOlderCollectionKeys(saved, c, again);
    EXPECT_EQ(again.possessionCount() + again.mysets.size(), 0u);
    EXPECT_EQ(again.exclusions.equip[Head], (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace vk
