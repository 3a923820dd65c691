// Reading files that must be regular: a FIFO or a folder in a data file's
// place is refused at once, like a missing file; the window and the CLI load
// the catalogue through the same reader.

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/catalogue/data_files.h"
#include "core/catalogue/data_lines.h"
#include "core/catalogue/loader.h"
#include "core/catalogue/temp_catalogue_dir.h"
#include "core/files/line_pieces.h"
#include "core/files/regular_file.h"
#include "core/text/sjis.h"

namespace {

// Unblocks a reader stuck opening `fifo` (a fault under test) after a few
// seconds, so a regression fails instead of hanging the suite.
class FifoWatchdog {
public:
    explicit FifoWatchdog(std::filesystem::path fifo)
        : fifo_(std::move(fifo)), thread_([this] {
              const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
              while (!done_ && std::chrono::steady_clock::now() < until)
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              if (done_) return;
              fired_ = true;
              const int fd = ::open(fifo_.c_str(), O_WRONLY | O_NONBLOCK);
              if (fd >= 0) ::close(fd);
          }) {}
    ~FifoWatchdog() {
        done_ = true;
        thread_.join();
    }
    bool fired() const { return fired_; }

private:
    std::filesystem::path fifo_;
    std::atomic<bool> done_{false};
    std::atomic<bool> fired_{false};
    std::thread thread_;
};

TEST(RegularFile, ReadsARegularFileAndRefusesEverythingElse) {
    vk::test::TempCatalogueDir dir;
    dir.writeBytes("plain", "a\r\nb");
    ASSERT_EQ(::mkfifo((dir.path() / "fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.path() / "folder");
    std::filesystem::create_symlink(dir.path() / "plain", dir.path() / "link");
    std::filesystem::create_symlink(dir.path() / "fifo", dir.path() / "link-to-fifo");

    EXPECT_EQ(vk::readRegularFile(dir.path() / "plain"), std::optional<std::string>("a\r\nb"));
    EXPECT_EQ(vk::readRegularFile(dir.path() / "link"), std::optional<std::string>("a\r\nb"));
    const FifoWatchdog watchdog(dir.path() / "fifo");
    for (const char* name : {"fifo", "link-to-fifo", "folder", "missing"}) {
        std::string error;
        EXPECT_FALSE(vk::readRegularFile(dir.path() / name, &error)) << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
    }
    EXPECT_FALSE(watchdog.fired()) << "a read waited for a writer";
}

TEST(RegularFile, AFifoAsADataFileIsReportedLikeAFileThatCannotBeOpened) {
    vk::test::TempCatalogueDir dir;
    dir.writeMinimalCatalogue();
    dir.remove(vk::kDecoFile);
    ASSERT_EQ(::mkfifo((dir.path() / vk::kDecoFile).c_str(), 0600), 0);
    const FifoWatchdog watchdog(dir.path() / vk::kDecoFile);

    vk::Catalogue cat;
    const vk::LoadReport report = vk::loadCatalogue(dir.path(), cat);
    EXPECT_FALSE(watchdog.fired()) << "the load waited for a writer";
    EXPECT_TRUE(report.startupError);
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(report.messages[0].text, vk::utf8ToSjis("ファイル ZEVAEQUIP_DECO.csv が開けません。"));
    EXPECT_TRUE(cat.decos.empty());
    EXPECT_EQ(cat.equip[vk::Head].size(), 1u) << "the other files still load";
}

// A file read through its window gives the pieces the whole bytes give,
// wherever a line end, a cut or the end of the file falls against the reads.
TEST(FileLinePieces, GiveThePiecesOfTheWholeBytes) {
    vk::test::TempCatalogueDir dir;
    std::string base;
    unsigned seed = 7;
    while (base.size() < 3 * 65536) {
        seed = seed * 1103515245u + 12345u;
        base += std::string((seed >> 8) % 5000, 'a' + static_cast<char>(seed % 26));
        base += (seed >> 20) % 3 == 0 ? "\n" : (seed >> 20) % 3 == 1 ? "\r\n" : "\r";
    }
    for (std::size_t shift = 0; shift < 4100; shift += 683) {
        for (const std::string& bytes : {std::string(shift, 'z') + base, std::string(shift, 'z') + "a\r"}) {
            dir.writeBytes("text", bytes);
            vk::LinePieceReader whole(bytes, 4095);
            vk::FileLinePieces file(dir.path() / "text", 4095);
            std::string_view expected, got;
            bool more = true;
            while (more) {
                more = whole.next(expected);
                ASSERT_EQ(file.next(got), more) << "shift " << shift;
                if (more) {
                    ASSERT_EQ(got, expected) << "shift " << shift;
                }
            }
            EXPECT_FALSE(file.failed());
        }
    }
    vk::FileLinePieces folder(dir.path(), 4095);
    std::string_view piece;
    EXPECT_FALSE(folder.next(piece));
    EXPECT_TRUE(folder.failed());
}

}  // namespace
