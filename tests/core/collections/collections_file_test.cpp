// config.csv: the records written, read back, resolved, and bad files.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/catalogue/temp_catalogue_dir.h"
#include "core/collections/collections_catalogue.h"
#include "core/collections/collections_file.h"
#include "core/collections/collections_keeper.h"
#include "core/collections/deco_laying.h"
#include "core/collections/possession_views.h"
#include "core/files/regular_file.h"
#include "core/results/exclusion_records.h"

namespace vk::test {
namespace {

using namespace std::string_literals;

// Collections with something of every kind: an excluded head piece (the
// second 鉄兜) and decoration, two my sets (one named with commas) and
// possessions in two parts.
Collections sampleCollections(const Catalogue& cat) {
    Collections c = Collections::emptyFor(cat);
    c.exclusions.equip[Head][3] = 1;
    c.exclusions.deco[2] = 1;
    Myset first;
    first.Sex = 2;
    first.Type = 1;
    first.WeaponSlot = 2;
    first.Name = sj(",マイ,セット ,");
    first.Set.Index = {1, 3, 1, 1, 1};
    const int body[] = {2, 1};
    layDecorations(first.Set.Decos, Body, body, cat);
    const int weapon[] = {1};
    layDecorations(first.Set.Decos, Weapon, weapon, cat);
    c.mysets.push_back(first);
    Myset second;
    second.Sex = 1;
    second.Type = 2;
    second.Name = sj("二");
    c.mysets.push_back(second);
    const int two[] = {2, 1};
    c.possessions[Head].push_back(makePossession(cat, Head, 3, two));
    c.possessions[Head].push_back(makePossession(cat, Head, 1, {}));
    const int one[] = {1};
    c.possessions[Leg].push_back(makePossession(cat, Leg, 1, one));
    return c;
}

std::string sjText(const char* utf8) { return sj(utf8); }

TEST(CollectionsFile, WritesEveryRecordInOrderAndReadsItBackUnchanged) {
    const Catalogue cat = collectionsCatalogue();
    const Collections original = sampleCollections(cat);
    const std::string text = formatCollections(cat, original);

    std::string expectedStart = sjText("EE,1,鉄兜,3\r\nED,大珠,2\r\nMH,2,1,2,,マイ,セット ,\r\nME,0,脚甲,1\r\n"
                                       "ME,1,鉄兜,3\r\n");
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    // Body row of the first set: 大珠 at slot 0, 攻撃珠 at slot 2; empty entries as decoration 0.
    EXPECT_NE(text.find(sjText("MD,2,0,大珠,2\r\nMD,2,1,装飾なし,0\r\nMD,2,2,攻撃珠,1\r\n")), std::string::npos);
    std::string expectedEnd = sjText("M\r\nPE,0,脚甲,1\r\nPD,0,0,攻撃珠,1\r\nP\r\nPE,1,鉄兜,3\r\nPD,1,0,大珠,2\r\n"
                                     "PD,1,1,攻撃珠,1\r\nP\r\nPE,1,鉄兜,1\r\nP\r\n");
    ASSERT_GE(text.size(), expectedEnd.size());
    EXPECT_EQ(text.substr(text.size() - expectedEnd.size()), expectedEnd);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 2 * (1 + 5 + 18 + 1) + 3 + 4 + 2);

    Collections read = Collections::emptyFor(cat);
    const CollectionsReading reading = parseCollections(text, cat, read);
    EXPECT_TRUE(reading.complete);
    EXPECT_EQ(read.exclusions.equip, original.exclusions.equip);
    EXPECT_EQ(read.exclusions.deco, original.exclusions.deco);
    EXPECT_EQ(read.mysets, original.mysets);  // the DecoSets' flags and counts rebuilt to match
    EXPECT_EQ(read.possessions, original.possessions);
    EXPECT_EQ(formatCollections(cat, read), text);
}

TEST(CollectionsFile, ReferencesResolveByNameFirstThenStoredIndex) {
    const Catalogue cat = collectionsCatalogue();
    struct Case {
        const char* name;
        int stored;
        int expected;
    };
    const Case cases[] = {
        {"鉄兜", 3, 3},   // equal names: the stored index picks the second
        {"鉄兜", 1, 1},   {"鉄兜", 2, 1},   // the stored row has another name: the first of the name
        {"鉄兜", -5, 1},  {"鉄兜", 99, 1},  // the name still wins
        {"改名", 2, 2},   // the name is gone: the stored index stands in
        {"改名", 9, -1},  {"改名", -1, -1},
    };
    for (const Case& c : cases) {
        Collections read = Collections::emptyFor(cat);
        parseCollections(sj("EE,1,") + sj(c.name) + "," + std::to_string(c.stored) + "\r\n", cat, read);
        const auto& flags = read.exclusions.equip[Head];
        const int flagged = static_cast<int>(std::find(flags.begin(), flags.end(), 1) - flags.begin());
        EXPECT_EQ(flagged == static_cast<int>(flags.size()) ? -1 : flagged, c.expected) << c.name << "," << c.stored;
    }
}

struct BadFile {
    const char* what;
    std::string text;  // UTF-8 here, Shift-JIS when read
    bool complete;
    int stoppedAt;
    std::function<void(const Collections&)> check;
};

int excluded(const Collections& c) { return excludedPieceCount(c.exclusions) + excludedDecoCount(c.exclusions); }

std::string repeated(const std::string& text, int times) {
    std::string out;
    while (times-- > 0) out += text;
    return out;
}

TEST(CollectionsFile, BadFilesNeverCrashAndKeepWhatCameBefore) {
    const Catalogue cat = collectionsCatalogue();
    const std::string longName(300, 'n');
    const BadFile cases[] = {
        {"blank line", "EE,1,鉄兜,1\r\n\r\nED,攻撃珠,1\r\n", false, 2,
         [](const Collections& c) { EXPECT_EQ(c.exclusions.equip[Head][1], 1); EXPECT_EQ(c.exclusions.deco[1], 0); }},
        {"separators only", "ED,攻撃珠,1\n,,,\n", false, 2, [](const Collections& c) { EXPECT_EQ(excluded(c), 1); }},
        {"missing field", "EE,1,鉄兜\r\nED,攻撃珠,1\r\n", false, 1, [](const Collections& c) { EXPECT_EQ(excluded(c), 0); }},
        {"MH without name field", "MH,1,1\r\n", false, 1, [](const Collections& c) { EXPECT_TRUE(c.mysets.empty()); }},
        {"unknown kind", "ZZ,1\r\nX\r\nED,攻撃珠,1", true, 0, [](const Collections& c) { EXPECT_EQ(c.exclusions.deco[1], 1); }},
        {"out of range", "EE,7,鉄兜,1\nEE,-1,鉄兜,1\nEE,x,鉄兜,1\nEE,1,無い,99\nEE,1,装備なし,0\nED,装飾なし,0\n", true, 0,
         [](const Collections& c) { EXPECT_EQ(excluded(c), 0); }},
        {"ME, MD and M before any MH", "ME,1,鉄兜,1\nMD,1,0,攻撃珠,1\nM\n", true, 0,
         [](const Collections& c) { EXPECT_TRUE(c.mysets.empty()); }},
        {"bad MH numbers drop that set", "MH,3,1,0,a\nME,1,鉄兜,1\nM\nMH,1,1,4,b\nM\nMH,1,2,3,c\nM\n", true, 0,
         [](const Collections& c) {
             ASSERT_EQ(c.mysets.size(), 1u);
             EXPECT_EQ(c.mysets[0].Name, "c");
             EXPECT_EQ(c.mysets[0].WeaponSlot, 3);
         }},
        {"MD out of range", "MH,1,1,0,a\nMD,6,0,攻撃珠,1\nMD,0,3,攻撃珠,1\nMD,0,0,無い,77\nM\n", true, 0,
         [](const Collections& c) { ASSERT_EQ(c.mysets.size(), 1u); EXPECT_TRUE(c.mysets[0].Set.Decos.empty()); }},
        {"PD and P without PE", "PD,1,0,攻撃珠,1\nP\n", true, 0, [](const Collections& c) { EXPECT_EQ(c.possessionCount(), 0); }},
        {"PE part out of range", "PE,9,鉄兜,1\nPD,9,0,攻撃珠,1\nP\n", true, 0,
         [](const Collections& c) { EXPECT_EQ(c.possessionCount(), 0); }},
        {"PE that resolves nowhere is kept as row 0", "PE,1,無い,99\nPD,1,0,攻撃珠,1\nP\n", true, 0,
         [](const Collections& c) {
             ASSERT_EQ(c.possessions[Head].size(), 1u);
             EXPECT_EQ(c.possessions[Head][0].PossIndex, 0);
             EXPECT_EQ(c.possessions[Head][0].PossPart, Head);
             EXPECT_EQ(c.possessions[Head][0].PossName, "");
             EXPECT_EQ(c.possessions[Head][0].PossDecoCount, 1);
         }},
        {"PD numbers out of order and repeated", "PE,0,脚甲,1\nPD,0,2,大珠,2\nPD,0,0,無い,50\nPD,0,1,攻撃珠,1\nPD,0,1,攻撃珠,1\nP\n",
         true, 0,
         [](const Collections& c) {
             ASSERT_EQ(c.possessions[Leg].size(), 1u);
             const Possession& p = c.possessions[Leg][0];
             EXPECT_EQ(p.PossDecoCount, 2);
             EXPECT_EQ(p.PossDeco, (std::array<int, 3>{1, 2, 0}));
             EXPECT_EQ(p.PossDecoName[1], sj("大珠"));
         }},
        {"NUL ends the line's text", "ED,攻撃珠,1\0junk,\nEE,1,鉄\0兜,1\n"s, false, 2,
         [](const Collections& c) { EXPECT_EQ(c.exclusions.deco[1], 1); }},
        {"5,000-byte line is read in pieces", "ZZ" + std::string(4092, 'x') + "ED,攻撃珠,1\n" + "ZZ" + std::string(4998, 'y') + "\n",
         true, 0, [](const Collections& c) { EXPECT_EQ(c.exclusions.deco[1], 1); }},
        {"names over 255 bytes", "MH,1,1,0," + longName + "\nM\nPE,1," + longName + ",1\nP\n", true, 0,
         [&](const Collections& c) {
             ASSERT_EQ(c.mysets.size(), 1u);
             EXPECT_EQ(c.mysets[0].Name, std::string(255, 'n'));
             ASSERT_EQ(c.possessions[Head].size(), 1u);
             EXPECT_EQ(c.possessions[Head][0].PossIndex, 1);  // by the stored index
         }},
        {"M twice appends the pending set twice", "MH,1,1,0,a\nM\nM\n", true, 0,
         [](const Collections& c) { EXPECT_EQ(c.mysets.size(), 2u); }},
        {"my sets past the cap", "MH,1,1,0,a\n" + repeated("M\n", 65536) + "ED,攻撃珠,1\n", false, 65537,
         [](const Collections& c) { EXPECT_EQ(c.mysets.size(), 65535u); EXPECT_EQ(excluded(c), 0); }},
        {"owned pieces of all parts past the cap", repeated("PE,0,脚甲,1\nP\n", 65535) + "PE,1,鉄兜,1\nP\n", false,
         131072, [](const Collections& c) { EXPECT_EQ(c.possessionCount(), 65535); }},
    };
    for (const BadFile& bad : cases) {
        SCOPED_TRACE(bad.what);
        Collections read = Collections::emptyFor(cat);
        const CollectionsReading reading = parseCollections(utf8ToSjis(bad.text), cat, read);
        EXPECT_EQ(reading.complete, bad.complete);
        EXPECT_EQ(reading.stoppedAtLine, bad.stoppedAt);
        bad.check(read);
    }
}

// Random damage to a good file (bytes changed, cut, repeated, lines dropped):
// the reading always ends, and what it keeps is in range and saves to a file
// that reads back to the same collections.
TEST(CollectionsFile, DamagedFilesReadToCollectionsThatSaveAndReloadUnchanged) {
    const Catalogue cat = collectionsCatalogue();
    const std::string good = formatCollections(cat, sampleCollections(cat));
    std::mt19937 rng(1208);
    const std::string alphabet = ",\r\n\0-0123456789MEPDHx\x81\xff"s;
    for (int round = 0; round < 400; ++round) {
        std::string text = good;
        for (int edit = 1 + static_cast<int>(rng() % 6); edit > 0 && !text.empty(); --edit) {
            const std::size_t at = rng() % text.size();
            switch (rng() % 4) {
            case 0: text[at] = alphabet[rng() % alphabet.size()]; break;
            case 1: text.erase(at, rng() % 40); break;
            case 2: text.insert(at, text.substr(rng() % text.size(), rng() % 60)); break;
            case 3: text.insert(at, std::string(rng() % 5000, 'x')); break;
            }
        }
        Collections read = Collections::emptyFor(cat);
        parseCollections(text, cat, read);
        for (int part = 0; part < kArmourParts; ++part)
            for (const Possession& p : read.possessions[part]) {
                ASSERT_EQ(p.PossPart, part);
                ASSERT_GE(p.PossIndex, 0);
                ASSERT_LT(p.PossIndex, static_cast<int>(cat.equip[part].size()));
                ASSERT_GE(p.PossDecoCount, 0);
                ASSERT_LE(p.PossDecoCount, 3);
            }
        for (const Myset& m : read.mysets) ASSERT_LE(m.Name.size(), 255u);
        const std::string saved = formatCollections(cat, read);
        Collections again = Collections::emptyFor(cat);
        ASSERT_TRUE(parseCollections(saved, cat, again).complete) << round;
        ASSERT_EQ(formatCollections(cat, again), saved) << round;
    }
}

// A line break or a NUL in a name must not cut the record: every later my
// set and owned piece reads back.
TEST(CollectionsFile, ControlBytesInANameAreWrittenAsBlanks) {
    const Catalogue cat = collectionsCatalogue();
    Collections original = sampleCollections(cat);
    original.mysets[0].Name = "foo\n";
    original.mysets[1].Name = "a\rb\0c\r\n"s;
    Collections read = Collections::emptyFor(cat);
    EXPECT_TRUE(parseCollections(formatCollections(cat, original), cat, read).complete);
    ASSERT_EQ(read.mysets.size(), 2u);
    EXPECT_EQ(read.mysets[0].Name + read.mysets[1].Name, "foo a b c  ");
    EXPECT_EQ(read.possessions, original.possessions);
}

// A folder, a FIFO or a symlink loop named config.csv: nothing was read, and
// no save of the run replaces or removes it (one with nothing to store would).
TEST(CollectionsKeeper, AFileThatCouldNotBeReadIsNeverTouched) {
    const Catalogue cat = collectionsCatalogue();
    namespace fs = std::filesystem;
    for (int kind = 0; kind < 4; ++kind) {
        TempCatalogueDir dir;
        const fs::path file = dir.path() / kCollectionsFileName;
        if (kind == 0) fs::create_directory(file);
        if (kind == 1) { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }
        if (kind == 2) fs::create_symlink(kCollectionsFileName, file);
        const fs::file_type before = fs::symlink_status(file).type();
        Collections read = Collections::emptyFor(cat);
        const CollectionsReading reading = readCollectionsFile(file, cat, read);
        EXPECT_EQ(reading.present, kind < 3);  // kind 3: no file at all
        EXPECT_EQ(CollectionsKeeper(file, reading).save(cat, Collections::emptyFor(cat), 0),
                  kind < 3 ? CollectionsSave::kLeftAlone : CollectionsSave::kRemoved);
        EXPECT_EQ(fs::symlink_status(file).type(), kind < 3 ? before : fs::file_type::not_found);
    }
}

// A reading that stopped early: the first save first keeps the file as it was
// in config.csv.YYYYMMDD-hhmmss.bak (local time), and only the first; a copy
// that cannot be made leaves the file as it was.
TEST(CollectionsKeeper, AReadingThatStoppedKeepsTheOriginalOnceBeforeTheFirstSave) {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    const Catalogue cat = collectionsCatalogue();
    TempCatalogueDir dir;
    const std::filesystem::path file = dir.path() / kCollectionsFileName;
    const std::string original = sjText("ED,攻撃珠,1\r\n\r\nEE,1,鉄兜,1\r\n");
    dir.writeBytes(kCollectionsFileName, original);
    Collections read = Collections::emptyFor(cat);
    CollectionsKeeper keeper(file, readCollectionsFile(file, cat, read));

    const std::time_t when = 1700000000;  // 2023-11-14 22:13:20 UTC; a folder holds the name a second earlier
    std::filesystem::create_directory(dir.path() / "config.csv.20231114-221319.bak");
    EXPECT_EQ(keeper.save(cat, read, when - 1), CollectionsSave::kBackupFailed);
    EXPECT_EQ(readRegularFile(file), original);
    EXPECT_EQ(keeper.save(cat, read, when), CollectionsSave::kWritten);
    EXPECT_EQ(readRegularFile(dir.path() / "config.csv.20231114-221320.bak"), original);
    EXPECT_EQ(keeper.save(cat, read, when + 60), CollectionsSave::kWritten);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);  // the folder, one copy, the file
}

TEST(CollectionsFile, SavingNothingRemovesTheFileAndAFailedSaveCreatesNothing) {
    const Catalogue cat = collectionsCatalogue();
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("vk_collections_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / kCollectionsFileName;

    const Collections some = sampleCollections(cat);
    ASSERT_EQ(saveCollectionsFile(file, cat, some), CollectionsSave::kWritten);
    Collections read = Collections::emptyFor(cat);
    EXPECT_TRUE(readCollectionsFile(file, cat, read).complete);
    EXPECT_EQ(read.mysets, some.mysets);

    EXPECT_EQ(saveCollectionsFile(file, cat, Collections::emptyFor(cat)), CollectionsSave::kRemoved);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(readCollectionsFile(file, cat, read).opened);

    std::string error;
    EXPECT_EQ(saveCollectionsFile(dir / "missing" / kCollectionsFileName, cat, some, &error), CollectionsSave::kFailed);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 0);

    // A config.csv that cannot be removed (here a folder with something in it) is a failure.
    std::filesystem::create_directories(file / "inside");
    error.clear();
    EXPECT_EQ(saveCollectionsFile(file, cat, Collections::emptyFor(cat), &error), CollectionsSave::kFailed);
    EXPECT_FALSE(error.empty());
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vk::test
