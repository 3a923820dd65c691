// The fuzz table's subjects for the files the user's own work lives in: the
// collections file (exclusions, my sets, owned pieces) and the settings file.
// Whatever their bytes, reading them ends in a known status, a search over
// them gives the same hits under both engines, and what the program writes
// back reads back to itself.

#include <gtest/gtest.h>

#include "cli/fuzz_table.h"
#include "core/text/sjis.h"

namespace vk::cli::test {

namespace {

constexpr const char* kCollectionsFile = "config.csv";
constexpr const char* kSettingsFile = "velkorantis.INI";

// Runs `command` over `input` with the small catalogue, the output to `output`.
InProcessRun rewrite(const char* command, const std::filesystem::path& dir, const std::string& input,
                     const std::string& output) {
    return runInProcess({command, "--data", dir.string(), (dir / input).string(), "-o", (dir / output).string()});
}

// Every kind of record, each naming rows the small catalogue has, written
// the way the program saves them.
void writeCollectionsSubject(const std::filesystem::path& dir) {
    writeSmallCatalogue(dir, 14);
    std::string rough = "EE,1,翠殻冠,1\r\nED,瑠刃の欠片,1\r\nMH,1,2,3,月尾の組\r\n";
    for (int part = 0; part < 5; ++part) rough += "ME," + std::to_string(part) + ",月尾,2\r\n";
    rough += "MD,1,0,瑠刃の欠片,1\r\nM\r\n"
             "PE,0,翠殻長靴,1\r\nPD,0,0,瑠刃の欠片,1\r\nP\r\nPE,2,月尾面,2\r\nP\r\nPE,3,月尾腕輪,3\r\nP\r\n";
    writeBytes(dir / "rough.csv", utf8ToSjis(rough));
    const InProcessRun saved = rewrite("collections", dir, "rough.csv", kCollectionsFile);
    ASSERT_EQ(saved.status, 0) << saved.err;
}

void checkCollections(const std::filesystem::path& dir) {
    const InProcessRun read = rewrite("collections", dir, kCollectionsFile, "once.csv");
    EXPECT_TRUE(knownStatus(read.status)) << read.status << " " << read.err;
    // Written once, the file is as the program saves it: a second pass keeps
    // every byte (a file with nothing left to keep is not written at all).
    if (read.status == 0 && std::filesystem::exists(dir / "once.csv")) {
        const InProcessRun again = rewrite("collections", dir, "once.csv", "twice.csv");
        EXPECT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(readBytes(dir / "twice.csv"), readBytes(dir / "once.csv"));
    }
    // Exclusions and owned pieces steer a search the same in both engines.
    std::vector<std::string> search = {"search",        "--data", dir.string(), "--skill", "柘矢・小",
                                       "--decorations", "--possessions", "--collections",
                                       (dir / kCollectionsFile).string()};
    std::vector<std::string> byFast = search;
    search.insert(search.end(), {"--engine", "reference"});
    byFast.insert(byFast.end(), {"--engine", "fast", "--threads", "2"});
    const InProcessRun reference = runInProcess(search);
    const InProcessRun fast = runInProcess(byFast);
    EXPECT_TRUE(knownStatus(reference.status)) << reference.status;
    EXPECT_EQ(reference.status, fast.status) << reference.err << "\n" << fast.err;
    EXPECT_EQ(withoutSaveTime(reference.out), withoutSaveTime(fast.out));
}

// The good file with its owned pieces up to the cap of 65,535, so that a
// repeated or moved record goes past it: the reading stops there.
void writeCapped(const std::filesystem::path& dir) {
    writeCollectionsSubject(dir);
    std::string bytes = readBytes(dir / kCollectionsFile);
    const std::string owned = utf8ToSjis("PE,1,翠殻冠,1\r\nPD,1,0,瑠刃の欠片,1\r\nP\r\n");
    for (int n = 3; n < 65535; ++n) bytes += owned;
    writeBytes(dir / kCollectionsFile, bytes);
}

void checkCapped(const std::filesystem::path& dir) {
    checkCollections(dir);
    const std::string saved = readBytes(dir / "once.csv");
    std::size_t owned = 0;
    for (std::size_t at = saved.find("\nP\r\n"); at != std::string::npos; at = saved.find("\nP\r\n", at + 1)) ++owned;
    EXPECT_LE(owned, 65535u);
}

// Conditions with fixed pieces and decorations, the window's place and the
// possession filters, plus sections and keys of the program's older ways.
void writeSettingsSubject(const std::filesystem::path& dir) {
    writeSmallCatalogue(dir, 14);
    writeBytes(dir / "rough.INI",
               utf8ToSjis("[General]\r\nLeft=5\r\nTop=7\r\nPage=2\r\nOwn=kept\r\n"
                          "[Condition]\r\nSkill1=瑠刃・壱\r\nSkill2=柘矢・小\r\nSex=1\r\nHitLimit=500\r\n"
                          "FixHeadName=翠殻冠\r\nFixHeadIndex=1\r\nFixHeadDecoName0=瑠刃の欠片\r\n"
                          "ExceptHeadName0=月尾面\r\n"
                          "[Possession]\r\nHeadName0=翠殻冠\r\nHeadIndex0=1\r\n"
                          "[Result]\r\nWidth=700\r\n"));
    // Twice: the first pass names the empty fixed boxes.
    ASSERT_EQ(rewrite("settings", dir, "rough.INI", "once.INI").status, 0);
    ASSERT_EQ(rewrite("settings", dir, "once.INI", kSettingsFile).status, 0);
}

void checkSettings(const std::filesystem::path& dir) {
    const InProcessRun read = rewrite("settings", dir, kSettingsFile, "once.INI");
    EXPECT_TRUE(knownStatus(read.status)) << read.status << " " << read.err;
    // Anything but a regular file (or a symlink to one) is refused.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(dir / kSettingsFile, ec)) {
        EXPECT_EQ(read.status, 1);
        EXPECT_NE(read.err.find("cannot read '" + (dir / kSettingsFile).string() + "': "), std::string::npos)
            << read.err;
        return;
    }
    if (read.status != 0) return;
    // From the second writing on, the file stays as it is.
    ASSERT_EQ(rewrite("settings", dir, "once.INI", "twice.INI").status, 0);
    const InProcessRun third = rewrite("settings", dir, "twice.INI", "thrice.INI");
    EXPECT_EQ(third.status, 0) << third.err;
    EXPECT_EQ(readBytes(dir / "thrice.INI"), readBytes(dir / "twice.INI"));
}

}  // namespace

FuzzSubject collectionsFuzzSubject() {
    return {"collections file", writeCollectionsSubject, {kCollectionsFile}, checkCollections};
}

FuzzSubject cappedCollectionsFuzzSubject() { return {"owned pieces at the cap", writeCapped, {kCollectionsFile}, checkCapped}; }

FuzzSubject settingsFuzzSubject() { return {"settings file", writeSettingsSubject, {kSettingsFile}, checkSettings}; }

}  // namespace vk::cli::test
