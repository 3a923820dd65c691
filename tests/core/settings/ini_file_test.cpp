#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "core/settings/ini_file.h"
#include "core/text/sjis.h"

namespace vk {
namespace {

// "胴" in Shift-JIS is 0x93 0xB7; "ソ" (0x83 0x5C) carries a backslash byte.
const std::string kSjisName = utf8ToSjis("胴ソ当て");

TEST(IniFile, UnknownLinesKeysAndSectionsSurviveAWriteInFileOrder) {
    const std::string before = "; kept comment\r\n"
                               "[General]\r\n"
                               "Left=10\r\n"
                               "Mystery = value with = sign \r\n"
                               "garbage line without equals\r\n"
                               "\r\n"
                               "[Other]\n"  // LF only on read
                               "Key=" + kSjisName + "\n"
                               "[NoKeys]\r\n"
                               "; only a comment\r\n"
                               "[General]\r\n"
                               "Late=1";     // no line end
    IniFile ini = IniFile::parse(before);
    ini.writeInteger("General", "Left", -5);  // replaced in place
    ini.writeInteger("General", "Top", 7);    // after the block's last key
    ini.writeString("New", "Name", kSjisName);
    ini.writeInteger("NoKeys", "First", 1);   // right under the header
    EXPECT_EQ(ini.format(), "; kept comment\r\n"
                            "[General]\r\n"
                            "Left=-5\r\n"
                            "Mystery = value with = sign \r\n"
                            "Top=7\r\n"
                            "garbage line without equals\r\n"
                            "\r\n"
                            "[Other]\r\n"
                            "Key=" + kSjisName + "\r\n"
                            "[NoKeys]\r\n"
                            "First=1\r\n"
                            "; only a comment\r\n"
                            "[General]\r\n"
                            "Late=1\r\n"
                            "[New]\r\n"
                            "Name=" + kSjisName + "\r\n");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"General", "Other", "NoKeys", "New"}));
    EXPECT_EQ(ini.keys("General"), (std::vector<std::string>{"Left", "Mystery", "Top", "Late"}));
    EXPECT_EQ(ini.readString("General", "Mystery", ""), " value with = sign ");
    EXPECT_EQ(ini.readString("Other", "Key", ""), kSjisName);
    EXPECT_TRUE(ini.readBool("General", "Late", false));  // from the second block of the section
}

TEST(IniFile, TypedReadsFallBackOnMissingAndMalformedValues) {
    const IniFile ini = IniFile::parse("[S]\r\nA= 42 \r\nB=12abc\r\nC=\r\nD=-3\r\nE=0\r\nF=99999999999\r\n"
                                       "A=7\r\nT=text=more\r\n");
    struct Case {
        const char* key;
        int integer;  // with fallback 5
        bool flag;    // with fallback true
    };
    for (const Case& c : {Case{"A", 42, true}, Case{"B", 5, true}, Case{"C", 5, true}, Case{"D", -3, true},
                          Case{"E", 0, false}, Case{"F", 5, true}, Case{"Missing", 5, true}}) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.readInteger("S", c.key, 5), c.integer);
        EXPECT_EQ(ini.readBool("S", c.key, true), c.flag);
    }
    EXPECT_EQ(ini.readString("S", "T", "x"), "text=more");
    EXPECT_EQ(ini.readString("S", "Missing", "x"), "x");
    EXPECT_EQ(ini.readString("s", "T", "x"), "x");  // names compare byte for byte
    EXPECT_FALSE(ini.has("Nowhere", "A"));
}

TEST(IniFile, EraseSectionRemovesEveryBlockAndLeavesTheOthers) {
    IniFile ini = IniFile::parse("[General]\r\nPage=2\r\n[Condition]\r\nSex=1\r\nExceptHeadName0=x\r\n"
                                 "[Result]\r\nLeft=1\r\n[Condition]\r\nDef=9\r\n");
    ini.eraseSection("Condition");
    ini.eraseSection("Absent");
    EXPECT_EQ(ini.format(), "[General]\r\nPage=2\r\n[Result]\r\nLeft=1\r\n");
    ini.writeInteger("Condition", "Sex", 0);
    EXPECT_EQ(ini.format(), "[General]\r\nPage=2\r\n[Result]\r\nLeft=1\r\n[Condition]\r\nSex=0\r\n");
}

// Writes land on the key's first line, else after the first block's last key.
TEST(IniFile, WritesAfterReadsAndErasesFindTheKeysTheyShould) {
    IniFile ini = IniFile::parse("[A]\r\nK=1\r\n;c\r\n[B]\r\nK=2\r\n[A]\r\nL=3\r\nK=4\r\n");
    ini.writeString("A", "L", "5");    // only in the second block
    ini.writeString("A", "M", "6");    // new: after K of the first block, before the comment
    ini.writeString("A", "K", "7");    // the first K of the section
    ini.eraseSection("B");
    ini.writeString("B", "K", "8");    // the section anew, at the end
    EXPECT_EQ(ini.format(), "[A]\r\nK=7\r\nM=6\r\n;c\r\n[A]\r\nL=5\r\nK=4\r\n[B]\r\nK=8\r\n");
    EXPECT_EQ(ini.readString("A", "M", ""), "6");
    EXPECT_EQ(ini.keys("A"), (std::vector<std::string>{"K", "M", "L", "K"}));
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"A", "B"}));
}

// Only a name that leads nowhere is a missing file.
TEST(IniFile, LoadTellsAMissingFileFromOneThatCannotBeRead) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "vk_ini_load_test";
    fs::remove_all(dir);
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "plain", std::ios::binary) << "[S]\r\nK=1\r\n";
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    for (const auto& [to, link] : {std::pair{"plain", "link"}, std::pair{"loop", "loop"},
                                   std::pair{"/dev/zero", "zero"}, std::pair{"gone", "dangling"}})
        fs::create_symlink(to, dir / link);
    using enum IniFileState;
    const std::pair<const char*, IniFileState> cases[] = {{"plain", kRead}, {"link", kRead}, {"missing", kAbsent},
        {"folder", kUnreadable}, {"fifo", kUnreadable}, {"loop", kUnreadable}, {"zero", kUnreadable}, {"dangling", kUnreadable}};
    for (const auto& [name, state] : cases) {
        SCOPED_TRACE(name);
        const IniReading reading = IniFile::load(dir / name);
        EXPECT_EQ(reading.state, state);
        EXPECT_EQ(reading.ini.readInteger("S", "K", 0), state == IniFileState::kRead ? 1 : 0);
        EXPECT_EQ(reading.error.empty(), state != IniFileState::kUnreadable) << reading.error;
    }
    fs::remove_all(dir);
}

TEST(IniFile, AValueCannotBreakTheLineStructure) {
    IniFile ini;
    ini.writeString("S", "K", "first\r\n[Injected]\r\nX=1");
    EXPECT_EQ(ini.format(), "[S]\r\nK=first\r\n");
}

TEST(IniFile, SavesByReplacingAndReadsBackTheSameBytes) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vk_ini_file_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "velkorantis.INI";

    IniFile ini;
    ini.writeString("General", "Name", kSjisName);
    ASSERT_TRUE(ini.save(file));
    EXPECT_EQ(IniFile::load(file).ini.format(), ini.format());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no temporary left

    // A folder that cannot take the file: false, nothing thrown.
    EXPECT_FALSE(ini.save(dir / "missing-folder" / "x.INI"));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vk
