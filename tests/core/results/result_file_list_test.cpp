// The folder of saved searches: listed in Shift-JIS byte order with
// unreadable entries left out, renamed only to free plain names, and the
// proposed file name.

#include <fstream>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/results/result_file_list.h"
#include "core/text/sjis.h"

namespace vk {
namespace {

class ScratchFolder {
public:
    ScratchFolder() : path_(std::filesystem::temp_directory_path() / ("vk-result-list-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path path_;
};

std::string header(int hits) { return "VELKORANTIS,0.7\r\n" + std::to_string(hits) + ",1700000000,x\r\n"; }

TEST(ResultFileList, ByteOrderAndOnlyReadableFiles) {
    ScratchFolder f;
    f.write("b.CSV", header(2));
    f.write("B.CSV", header(3));
    f.write("a.CSV", header(1));
    f.write(sjisToUtf8(utf8ToSjis("朧")) + ".CSV", header(4));  // UTF-8 bytes above ASCII
    f.write("old.CSV", "VELKORANTIS,0.2\r\n1,2,3\r\n");
    f.write("short.CSV", "VELKORANTIS,0.7\r\n");
    f.write(std::string("\xff\xfe.CSV"), header(5));  // not UTF-8
    std::filesystem::create_directory(f.path() / "folder.CSV");
    const std::vector<ResultFile> files = listResultFiles(f.path());
    std::vector<std::string> names;
    for (const ResultFile& r : files) names.push_back(r.name);
    EXPECT_EQ(names, (std::vector<std::string>{"B.CSV", "a.CSV", "b.CSV", "朧.CSV"}));
    EXPECT_EQ(files[0].hitCount, 3);
    EXPECT_EQ(files[0].savedAt, 1700000000);
    EXPECT_EQ(savedAtText(1705320000).substr(0, 8), "2024/01/");  // mid-January 2024 in every time zone
    EXPECT_TRUE(listResultFiles(f.path() / "missing").empty());
}

// Kanji, kana and full-width letters sort differently as Shift-JIS than as
// UTF-8; Hangul has no Shift-JIS form and stands by its UTF-8 bytes (0xED),
// after every kanji, not as a '?' before the letters.
TEST(ResultFileList, ShiftJisOrderOfTheNames) {
    ScratchFolder f;
    const std::vector<std::string> shiftJisOrder = {"B.CSV",    "a.CSV",    "ａ.CSV",   "あ.CSV", "ア.CSV",
                                                    "樺魂.CSV", "瑠魂.CSV", "朧心.CSV", "ｱ.CSV",  "한.CSV"};
    for (std::size_t i = shiftJisOrder.size(); i-- > 0;) f.write(shiftJisOrder[i], header(1));
    std::vector<std::string> names;
    for (const ResultFile& r : listResultFiles(f.path())) names.push_back(r.name);
    EXPECT_EQ(names, shiftJisOrder);
}

TEST(ResultFileList, RenameOnlyToAFreePlainName) {
    ScratchFolder f;
    f.write("a.CSV", header(1));
    f.write("b.CSV", header(2));
    f.write("hidden.txt", "not listed, not to be replaced");
    std::vector<ResultFile> files = listResultFiles(f.path());
    for (const char* refused : {"a.CSV", "b.CSV", "", ".", "..", "sub/x.CSV", "hidden.txt"}) {
        EXPECT_FALSE(renameResultFile(files, 0, refused, f.path())) << refused;
        EXPECT_EQ(files[0].name, "a.CSV");
    }
    EXPECT_TRUE(renameResultFile(files, 0, "c.CSV", f.path()));
    EXPECT_EQ(files[0].name, "c.CSV");
    EXPECT_TRUE(std::filesystem::exists(f.path() / "c.CSV"));
    EXPECT_FALSE(std::filesystem::exists(f.path() / "a.CSV"));
    EXPECT_FALSE(renameResultFile(files, 5, "d.CSV", f.path()));
}

TEST(ResultFileList, ProposedNameFromTheFiveBoxes) {
    Catalogue cat;
    cat.skillEqs.resize(3);
    cat.skillEqs[0].name = utf8ToSjis("なし");
    cat.skillEqs[2].name = utf8ToSjis("朧心・弐");
    SearchCondition c;
    c.wanted = {2, 0, 0, 0, 99};
    EXPECT_EQ(proposedResultFileName(cat, c), "朧心・弐_なし_なし_なし_なし.CSV");
}

}  // namespace
}  // namespace vk
