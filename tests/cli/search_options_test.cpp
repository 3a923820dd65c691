#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/search_options.h"
#include "cli/usage_error.h"

namespace {

using vk::cli::parseSearchOptions;
using vk::cli::SearchOptions;
using vk::cli::UsageError;
using Args = std::vector<std::string>;

TEST(SearchOptions, DefaultsAreTheWindowsDefaults) {
    const SearchOptions o = parseSearchOptions({"--skill", "A"});
    EXPECT_EQ(o.dataDir, ".");
    EXPECT_EQ(o.skills, (Args{"A"}));
    EXPECT_EQ(o.sex, 1);
    EXPECT_EQ(o.type, 1);
    EXPECT_EQ(o.rarity, 0);
    EXPECT_FALSE(o.decorations);
    EXPECT_EQ(o.weaponSlots, 0);
    EXPECT_EQ(o.hitLimit, "100000");
    EXPECT_EQ(o.priority, 0);
    EXPECT_EQ(o.minDefence, "0");
    EXPECT_FALSE(o.outputFile.has_value());
    EXPECT_TRUE(o.fixes.empty());
}

TEST(SearchOptions, EveryOptionInBothSpellings) {
    const SearchOptions o = parseSearchOptions(
        {"--data", "cat", "--skill", "A", "--skill=B", "--sex=2", "--type", "2", "--rarity", "8", "--decorations",
         "--weapon-slots=3", "--three-slot", "--all-pieces", "--hit-limit", "-1", "--priority", "8",
         "--min-defence=120", "--fix", "head=Cap", "--fix", "leg=#0", "--fix-deco", "head=Jewel",
         "--fix-decorations", "-o", "out.CSV", "--max-memory=64"});
    EXPECT_EQ(o.dataDir, "cat");
    EXPECT_EQ(o.skills, (Args{"A", "B"}));
    EXPECT_EQ(o.sex, 2);
    EXPECT_EQ(o.type, 2);
    EXPECT_EQ(o.rarity, 8);
    EXPECT_TRUE(o.decorations && o.threeSlotPieces && o.allPieces && o.fixDecorations);
    EXPECT_EQ(o.weaponSlots, 3);
    EXPECT_EQ(o.hitLimit, "-1");  // a negative limit is kept: it means no limit
    EXPECT_EQ(o.priority, 8);
    EXPECT_EQ(o.minDefence, "120");
    ASSERT_EQ(o.fixes.size(), 2u);
    EXPECT_EQ(o.fixes[0].part, vk::Head);
    EXPECT_EQ(o.fixes[0].name, "Cap");
    EXPECT_FALSE(o.fixes[0].index.has_value());
    EXPECT_EQ(o.fixes[1].part, vk::Leg);
    EXPECT_EQ(o.fixes[1].index, 0);
    ASSERT_EQ(o.fixDecos.size(), 1u);
    EXPECT_EQ(o.fixDecos[0].part, vk::Head);
    EXPECT_EQ(o.fixDecos[0].name, "Jewel");
    EXPECT_EQ(o.outputFile, "out.CSV");
    EXPECT_EQ(o.maxMemoryMb, 64);
}

TEST(SearchOptions, PartNamesMapToPartIndex) {
    const SearchOptions o = parseSearchOptions({"--skill", "A", "--fix", "leg=#1", "--fix", "head=#1", "--fix",
                                                "body=#1", "--fix", "arm=#1", "--fix", "waist=#1"});
    ASSERT_EQ(o.fixes.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(o.fixes[i].part, i);  // leg, head, body, arm, waist = 0..4
}

TEST(SearchOptions, NumbersOutsideTheirRangeAreRefused) {
    const std::vector<Args> bad = {
        {"--sex", "0"},          {"--sex", "3"},         {"--type", "0"},       {"--type", "3"},
        {"--rarity", "-1"},      {"--rarity", "9"},      {"--weapon-slots", "4"}, {"--weapon-slots", "-1"},
        {"--priority", "9"},     {"--priority", "-1"},   {"--hit-limit", "99999999999"},
        {"--fix", "head=#-1"},   {"--max-memory", "0"},  {"--max-memory", "-8"},
        {"--max-memory", "99999999999"},
    };
    for (Args args : bad) {
        args.insert(args.begin(), {"--skill", "A"});
        EXPECT_THROW(parseSearchOptions(args), UsageError) << args[2] << " " << args[3];
    }
    EXPECT_EQ(parseSearchOptions({"--skill", "A", "--hit-limit", std::to_string(INT_MAX)}).hitLimit,
              std::to_string(INT_MAX));
}

TEST(SearchOptions, MalformedCommandLinesAreRefused) {
    const std::vector<Args> bad = {
        {},                                     // no skill
        {"--sex", "1"},                         // still no skill
        {"--skill", "A", "--sex", "x"},         // not a number
        {"--skill", "A", "--hit-limit", "1e3"}, // not a whole number
        {"--skill", "A", "--min-defence", ""},  // empty number
        {"--skill", "A", "--priority"},         // missing value
        {"--skill"},                            // missing value
        {"--skill", "A", "--speed", "3"},       // unknown option
        {"--skill", "A", "stray"},              // not an option
        {"--skill", "A", "--decorations=1"},    // a switch with a value
        {"--skill", "A", "--fix", "hand=#1"},   // unknown part
        {"--skill", "A", "--fix", "head"},      // no '='
        {"--skill", "A", "--fix", "head="},     // no piece
        {"--skill", "A", "--fix", "head=#x"},   // bad index
        {"--skill", "A", "--fix-deco", "body="},
        {"--skill", "A", "--max-memory", "1.5"},  // not a whole number
        {"--skill", "A", "--max-memory", "2G"},
        {"--skill", "A", "--max-memory"},         // missing value
        {"--skill", "A", "--skill", "B", "--skill", "C", "--skill", "D", "--skill", "E", "--skill", "F"},
    };
    for (const Args& args : bad) {
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        EXPECT_THROW(parseSearchOptions(args), UsageError) << shown;
    }
}

TEST(SearchOptions, MessagesNameTheOption) {
    try {
        parseSearchOptions({"--skill", "A", "--weapon-slots", "7"});
        FAIL() << "accepted";
    } catch (const UsageError& e) {
        EXPECT_EQ(std::string(e.what()), "--weapon-slots must be from 0 to 3, not 7");
    }
    EXPECT_TRUE(parseSearchOptions({"--help"}).help);  // --help needs no skill
}

}  // namespace
