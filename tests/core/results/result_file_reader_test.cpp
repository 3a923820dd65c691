// Saved searches read back: every hit and condition of a search on the sample
// catalogue after a write, the same after the catalogue changed under the
// file, older versions with their defaults, and broken files refused without
// a crash.

#include <climits>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/loader.h"
#include "core/catalogue/temp_catalogue_dir.h"
#include "core/results/result_file_reader.h"
#include "core/results/result_file_writer.h"
#include "core/search/engine/engine_factory.h"
#include "core/text/sjis.h"

namespace vk {
namespace {

struct SavedSearch {
    Catalogue catalogue;
    SearchCondition condition;  // wanted in box order
    ResultStore hits;
    ExceptFlags exclusions;
    std::string bytes;
};

const SavedSearch& savedSearch() {
    static const SavedSearch saved = [] {
        SavedSearch s;
        EXPECT_FALSE(loadCatalogue(VK_SAMPLE_DIR, s.catalogue).startupError);
        const Catalogue& cat = s.catalogue;
        SearchCondition& c = s.condition;
        c.wanted = {cat.findSkillEq(utf8ToSjis("朧心・弐")), 0, cat.findSkillEq(utf8ToSjis("瑠魂・壱")), 0, 0};
        c.wantedCount = 2;
        c.useDecorations = true;
        c.weaponSlots = 2;
        c.HitLimit = 400;
        c.minDefence = 12;
        c.allPieces = true;
        c.fixedPiece = {3, 0, 7, 0, 0};
        c.fixed = {true, false, false, false, false};
        c.allFixedDecos.place(Leg, 1, 1);
        c.fixedDecos.place(Leg, 1, 1);
        c.fixDecorations = true;
        s.exclusions = ExceptFlags::sizedFor(cat);
        s.exclusions.equip[Head][5] = 1;
        s.exclusions.deco[4] = 1;

        SearchCondition engineCondition = c;
        engineCondition.wanted = {c.wanted[2] > c.wanted[0] ? c.wanted[2] : c.wanted[0],
                                  c.wanted[2] > c.wanted[0] ? c.wanted[0] : c.wanted[2], 0, 0, 0};
        auto engine = makeSearchEngine(cat, EngineKind::Fast, 1);
        SearchControl control;
        control.Running = true;
        engine->run(engineCondition, {{}, s.exclusions}, control, nullptr);
        s.hits = engine->store();
        EXPECT_GT(s.hits.size(), 10u);
        s.bytes = formatResultFile({cat, c, s.hits, s.exclusions, 1700000000});
        return s;
    }();
    return saved;
}

// The rows each hit names, as names, so that hits compare across catalogues.
std::vector<std::string> hitNames(const Catalogue& cat, const Result& hit) {
    std::vector<std::string> names;
    for (int p = 0; p < kArmourParts; ++p) names.push_back(cat.equip[p][hit.Index[p]].name);
    for (int p = 0; p < kDecoParts; ++p)
        for (int s = 0; s < kSlotsPerPart; ++s) names.push_back(cat.decos[hit.Decos.DecoIndex[p][s]].name);
    return names;
}

TEST(ResultFileReader, RoundTripKeepsHitsConditionsAndExclusions) {
    const SavedSearch& s = savedSearch();
    const auto loaded = parseResultFile(s.bytes, s.catalogue);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->version, "0.7");
    ASSERT_EQ(loaded->hits.size(), s.hits.size());
    for (std::size_t i = 0; i < s.hits.size(); ++i) {
        const Result read = loaded->hits[i];
        EXPECT_EQ(read.Index, s.hits[i].Index);
        for (int p = 0; p < kDecoParts; ++p)
            for (int k = 0; k < kSlotsPerPart; ++k)
                EXPECT_EQ(read.Decos.DecoIndex[p][k], s.hits[i].Decos.DecoIndex[p][k]);
    }
    const SearchCondition& c = loaded->condition;
    EXPECT_EQ(c.wanted, s.condition.wanted);
    EXPECT_EQ(c.wantedCount, 2);
    EXPECT_EQ(c.HitLimit, 400);
    EXPECT_EQ(c.minDefence, 12);
    EXPECT_TRUE(c.allPieces && c.useDecorations && c.fixDecorations);
    EXPECT_EQ(c.weaponSlots, 2);
    EXPECT_EQ(c.fixedPiece, s.condition.fixedPiece);
    EXPECT_EQ(c.fixed, s.condition.fixed);
    EXPECT_EQ(c.allFixedDecos, s.condition.allFixedDecos);
    EXPECT_EQ(c.fixedDecos, s.condition.fixedDecos);
    EXPECT_EQ(loaded->exclusions.equip, s.exclusions.equip);
    EXPECT_EQ(loaded->exclusions.deco, s.exclusions.deco);
    ASSERT_EQ(loaded->hits.size(), 400u);  // the search stopped at its limit
    EXPECT_EQ(searchEnding(c, 400), SearchEnding::HitLimit);
    EXPECT_EQ(searchEnding(c, 399), SearchEnding::Complete);
    SearchCondition stopped = c;
    stopped.Interrupted = true;  // a stop outranks the limit
    EXPECT_EQ(searchEnding(stopped, 400), SearchEnding::Interrupted);

    const auto header = parseResultFileHeader(s.bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->hitCount, static_cast<int>(s.hits.size()));
    EXPECT_EQ(header->savedAt, 1700000000);
}

// The catalogue changes after the save; every hit still names the same rows.
TEST(ResultFileReader, HitsFollowTheirNamesWhenTheCatalogueChanges) {
    const SavedSearch& s = savedSearch();
    const Result& first = s.hits.front();
    // Rows moved: the hits follow the names. A name gone or repeated: the
    // stored rows stand, so the hits keep their rows.
    struct Change {
        const char* what;
        void (*apply)(Catalogue&, const Result&);
        bool rowsMoved;
    };
    const Change changes[] = {
        {"rows inserted at the top of every table",
         [](Catalogue& cat, const Result&) {
             for (auto& table : cat.equip) table.insert(table.begin() + 1, 2, table[1]);
             for (auto& table : cat.equip) table[1].name = table[2].name = utf8ToSjis("新しい防具");
             cat.decos.insert(cat.decos.begin() + 1, cat.decos[1]);
             cat.decos[1].name = utf8ToSjis("新しい珠");
         },
         true},
        {"the first hit's head renamed (its stored row stands in)",
         [](Catalogue& cat, const Result& hit) { cat.equip[Head][hit.Index[Head]].name += "*"; }, false},
        {"the first hit's body name repeated on an earlier row",
         [](Catalogue& cat, const Result& hit) {
             cat.equip[Body][1].name = cat.equip[Body][hit.Index[Body]].name;
         },
         false},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        Catalogue changed = s.catalogue;
        change.apply(changed, first);
        const auto loaded = parseResultFile(s.bytes, changed);
        ASSERT_TRUE(loaded);
        ASSERT_EQ(loaded->hits.size(), s.hits.size());
        for (std::size_t i = 0; i < s.hits.size(); ++i) {
            if (change.rowsMoved)
                ASSERT_EQ(hitNames(changed, loaded->hits[i]), hitNames(s.catalogue, s.hits[i])) << "hit " << i + 1;
            else
                ASSERT_EQ(loaded->hits[i].Index, s.hits[i].Index) << "hit " << i + 1;
        }
    }
}

std::string fileOf(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* l : lines) out += utf8ToSjis(l) + "\r\n";
    return out;
}

// A file of the given version with its version's line 3, no fixed pieces,
// one hit over rows that every part of the sample has.
std::string versionFile(const char* version, const char* line3) {
    const std::string header = std::string("VELKORANTIS,") + version;
    std::string fixedDecos = "0";
    for (int i = 0; i < 6 * 4; ++i) fixedDecos += ",0";
    for (int p = 0; p < 6; ++p) fixedDecos += ",装飾なし,0,装飾なし,0,装飾なし,0,0";
    fixedDecos += ",0";
    return fileOf({header.c_str(), "1,1700000000,2023/11/14 22:13:20", line3,
                   "0,装備なし,0,0,装備なし,0,0,装備なし,0,0,装備なし,0,0,装備なし,0", fixedDecos.c_str(),
                   "R,1,2,3,4,5,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"});
}

TEST(ResultFileReader, OlderVersionsReadWithTheirDefaults) {
    const Catalogue& cat = savedSearch().catalogue;
    const int skill = cat.findSkillEq(utf8ToSjis("朧心・弐"));
    const auto v3 = parseResultFile(versionFile("0.3", "2,4,2,朧心・弐,なし,なし,1,3,0,777,2,1,1"), cat);
    ASSERT_TRUE(v3);
    EXPECT_EQ(v3->condition.sex, 2);
    EXPECT_EQ(v3->condition.rarityLimit, 4);
    EXPECT_EQ(v3->condition.wanted[0], skill);
    EXPECT_EQ(v3->condition.wanted[3], 0);
    EXPECT_EQ(v3->condition.HitLimit, 777);
    EXPECT_TRUE(v3->condition.Interrupted);
    EXPECT_EQ(v3->condition.minDefence, 0);
    EXPECT_FALSE(v3->condition.allPieces);
    ASSERT_EQ(v3->hits.size(), 1u);
    EXPECT_EQ(v3->hits[0].Index, (std::array<int, 5>{1, 2, 3, 4, 5}));

    const auto v5 = parseResultFile(versionFile("0.5", "1,0,1,朧心・弐,なし,なし,0,0,0,100,0,0,0,55"), cat);
    ASSERT_TRUE(v5);
    EXPECT_EQ(v5->condition.minDefence, 55);
    EXPECT_FALSE(v5->condition.allPieces);
    EXPECT_EQ(v5->condition.wanted[4], 0);
}

// Each choice of line 3 reads at both ends of its range and is refused one
// past either end and at the ends of int (such values reached list indices
// and sums).
TEST(ResultFileReader, LineThreeChoicesOutsideTheirRangesAreRefused) {
    const Catalogue& cat = savedSearch().catalogue;
    struct Range {
        int field;  // of the 17 of version 0.7
        int low, high;
    };
    const Range ranges[] = {{0, 1, 2},  {1, 0, 8},  {2, 1, 2},  {8, 0, 1},   {9, 0, 3},
                            {10, 0, 1}, {12, 0, 8}, {13, 0, 1}, {14, 0, 1}, {16, 0, 1}};
    for (const Range& r : ranges) {
        for (long long value : {static_cast<long long>(r.low), static_cast<long long>(r.high), r.low - 1LL,
                                r.high + 1LL, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)}) {
            std::vector<std::string> fields = {"1", "0", "1", "朧心・弐", "なし", "なし", "なし", "なし", "0",
                                               "0", "0", "100", "0", "0", "0", "0", "0"};
            fields[r.field] = std::to_string(value);
            std::string line3;
            for (const std::string& f : fields) line3 += (line3.empty() ? "" : ",") + f;
            const bool inRange = value >= r.low && value <= r.high;
            EXPECT_EQ(parseResultFile(versionFile("0.7", line3.c_str()), cat).has_value(), inRange)
                << "field " << r.field + 1 << " = " << value;
        }
    }
    // An older version checks its fields the same way.
    EXPECT_FALSE(parseResultFile(versionFile("0.3", "1,0,1,朧心・弐,なし,なし,0,4,0,100,0,0,0"), cat));
}

TEST(ResultFileReader, BrokenFilesAreRefusedAndOddLinesSkipped) {
    const SavedSearch& s = savedSearch();
    const std::string good = s.bytes;
    const std::size_t firstRecord = good.find("\r\nR,") + 2;
    struct Case {
        const char* what;
        std::string bytes;
        bool reads;
    };
    const std::vector<Case> cases = {
        {"empty", "", false},
        {"wrong program", "VELKORANTIX" + good.substr(11), false},
        {"unknown version 0.8", "VELKORANTIS,0.8" + good.substr(15), false},
        {"only the header", good.substr(0, good.find("\r\n", good.find("\r\n") + 2) + 2), false},
        {"a hit missing its last field", good.substr(0, good.rfind(',')) + "\r\n", false},
        {"a hit naming a row beyond every table", good + "R,1,1,1,1,99999,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n", false},
        {"a negative row", good + "R,-1,1,1,1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n", false},
        {"an unknown record and a blank line between hits",
         good.substr(0, firstRecord) + "X,whatever,1\r\n\r\n" + good.substr(firstRecord), true},
        {"name lists with parts outside 0..5", good.substr(0, firstRecord) + "L,9,x,1\r\nL,-1,x,1\r\n" +
                                                   good.substr(firstRecord), true},
        {"LF line ends", [&] {
             std::string lf;
             for (char ch : good)
                 if (ch != '\r') lf += ch;
             return lf;
         }(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto loaded = parseResultFile(c.bytes, s.catalogue);
        EXPECT_EQ(loaded.has_value(), c.reads);
        if (loaded) {
            EXPECT_EQ(loaded->hits.size(), s.hits.size());
        }
    }
}

// Runs `body` in a child whose address space is capped at `cap` bytes; true
// when it returned true there.
bool trueUnderCap(rlim_t cap, const std::function<bool()>& body) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        const rlimit limit{cap, cap};
        setrlimit(RLIMIT_AS, &limit);
        try {
            _exit(body() ? 0 : 1);
        } catch (...) {
            _exit(2);  // out of memory under the cap
        }
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool sameRows(const std::optional<LoadedResultFile>& loaded, const ResultStore& hits) {
    bool same = loaded && loaded->hits.size() == hits.size();
    for (std::size_t i = 0; same && i < hits.size(); ++i) same = loaded->hits[i].Index == hits[i].Index;
    return same;
}

// A file whose head rows were stored under indices near the int maximum
// (a catalogue edited by hand, or damage) reads back to the same hits, and
// that costs no table of such a size: it runs in a child whose address
// space is capped far below one.
TEST(ResultFileReader, StoredIndicesNearTheIntMaximumReadBack) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's shadow memory needs an uncapped address space";
#else
    const SavedSearch& s = savedSearch();
    std::string bytes;
    for (std::size_t at = 0, end; at < s.bytes.size(); at = end + 2) {
        end = s.bytes.find("\r\n", at);
        std::string line = s.bytes.substr(at, end - at);
        if (line.rfind("L,0,", 0) == 0) {
            line = line.substr(0, line.rfind(',') + 1) + std::to_string(2147483647 - std::stoi(line.substr(line.rfind(',') + 1)));
        } else if (line.rfind("R,", 0) == 0) {
            const std::size_t comma = line.find(',', 2);
            line = "R," + std::to_string(2147483647 - std::stoi(line.substr(2, comma - 2))) + line.substr(comma);
        }
        bytes += line + "\r\n";
    }
    ASSERT_NE(bytes, s.bytes);
    EXPECT_TRUE(trueUnderCap(512u << 20, [&] { return sameRows(parseResultFile(bytes, s.catalogue), s.hits); }));
#endif
}

// A file is read line by line: one far larger than the memory left to the
// reader still reads, to the same hits.
TEST(ResultFileReader, AFileLargerThanTheMemoryLeftReads) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's shadow memory needs an uncapped address space";
#else
    const SavedSearch& s = savedSearch();
    const std::size_t firstRecord = s.bytes.find("\r\nR,") + 2;
    const std::string filler = "X," + std::string(4000, 'x') + "\r\n";  // a record the reader skips
    std::string bytes = s.bytes.substr(0, firstRecord);
    for (int i = 0; i < 10000; ++i) bytes += filler;  // 40 MB
    bytes += s.bytes.substr(firstRecord);
    test::TempCatalogueDir dir;
    dir.writeBytes("big.CSV", bytes);
    bytes = std::string();
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t cap = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + (16u << 20);
    EXPECT_TRUE(trueUnderCap(cap, [&] { return sameRows(readResultFile(dir.path() / "big.CSV", s.catalogue), s.hits); }));
#endif
}

// Cut anywhere, a file either reads (the cut fell after a whole hit line)
// or is refused; it never crashes or reads a hit that was not written. Cut at
// a line end after the five head lines, it reads with every whole hit line.
TEST(ResultFileReader, TruncatedAtAnyByte) {
    const SavedSearch& s = savedSearch();
    const std::string head = s.bytes.substr(0, std::min<std::size_t>(s.bytes.size(), 6000));
    std::size_t lines = 0, hitLines = 0;
    for (std::size_t n = 0; n < head.size(); ++n) {
        const auto loaded = parseResultFile(head.substr(0, n), s.catalogue);
        if (n > 0 && head[n - 1] == '\n' && ++lines >= 5) {
            ASSERT_TRUE(loaded) << n;
            ASSERT_EQ(loaded->hits.size(), hitLines) << n;
        }
        if (head.compare(n, 2, "R,") == 0 && n > 0 && head[n - 1] == '\n') ++hitLines;
        if (!loaded) continue;
        ASSERT_LE(loaded->hits.size(), s.hits.size()) << n;
        for (std::size_t i = 0; i + 1 < loaded->hits.size(); ++i) ASSERT_EQ(loaded->hits[i].Index, s.hits[i].Index);
    }
    EXPECT_GT(hitLines, 2u);
}

}  // namespace
}  // namespace vk
