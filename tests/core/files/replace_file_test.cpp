// Saving over what stands at the target: a regular file is replaced through a
// temporary file, a symlink's target is replaced and the link kept, a FIFO is
// written in place; temporaries never stay behind, stale ones of a finished
// process are removed, and a write that fails keeps the old file.

#include <cstddef>
#include <fstream>
#include <future>
#include <iterator>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/catalogue/temp_catalogue_dir.h"
#include "core/files/replace_file.h"

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> names(const fs::path& dir) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

TEST(ReplaceFile, RegularFilesSymlinksAndFifos) {
    vk::test::TempCatalogueDir dir;
    const fs::path& d = dir.path();
    dir.writeBytes("old.CSV", "old");
    ::chmod((d / "old.CSV").c_str(), 0640);
    fs::create_directory(d / "sub");
    dir.writeBytes("sub/target.CSV", "target before");
    fs::create_symlink("sub/target.CSV", d / "link.CSV");
    ASSERT_EQ(::mkfifo((d / "fifo").c_str(), 0600), 0);

    std::string error;
    ASSERT_TRUE(vk::replaceFileContents(d / "old.CSV", "new", &error)) << error;
    EXPECT_EQ(contents(d / "old.CSV"), "new");
    struct stat info {};
    ASSERT_EQ(::stat((d / "old.CSV").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "the replaced file keeps its mode";

    ASSERT_TRUE(vk::replaceFileContents(d / "fresh.CSV", "fresh", &error)) << error;
    EXPECT_EQ(contents(d / "fresh.CSV"), "fresh");

    ASSERT_TRUE(vk::replaceFileContents(d / "link.CSV", "through the link", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(d / "link.CSV"));
    EXPECT_EQ(contents(d / "sub/target.CSV"), "through the link");

    auto reader = std::async(std::launch::async, [&] { return contents(d / "fifo"); });
    ASSERT_TRUE(vk::replaceFileContents(d / "fifo", "into the pipe", &error)) << error;
    EXPECT_EQ(reader.get(), "into the pipe");
    EXPECT_TRUE(fs::is_fifo(d / "fifo")) << "a FIFO is written in place, never replaced";

    EXPECT_EQ(names(d), (std::vector<std::string>{"fifo", "fresh.CSV", "link.CSV", "old.CSV", "sub"}));
    EXPECT_EQ(names(d / "sub"), (std::vector<std::string>{"target.CSV"}));
}

TEST(ReplaceFile, StaleTemporariesOfFinishedProcessesAreRemoved) {
    vk::test::TempCatalogueDir dir;
    const fs::path target = dir.path() / "r.CSV";
    // A process that has ended: a child reaped before the save.
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const fs::path stale = vk::temporaryFileFor(target, gone);
    const fs::path running = vk::temporaryFileFor(target, ::getppid());  // still running
    const fs::path other = vk::temporaryFileFor(dir.path() / "other.CSV", gone);
    for (const fs::path& p : {stale, running, other}) dir.writeBytes(p.filename().string(), "left over");
    EXPECT_EQ(stale.filename().string(), "r.CSV.vk-tmp." + std::to_string(gone));

    std::string error;
    ASSERT_TRUE(vk::replaceFileContents(target, "saved", &error)) << error;
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(running)) << "a running process may be saving now";
    EXPECT_TRUE(fs::exists(other)) << "another target's temporary is not this save's business";
    EXPECT_EQ(contents(target), "saved");
}

// Every fsync of this process fails with EIO from now on, as on a failing disk.
bool failEveryFsync() {
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fsync, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EIO),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// A full disk, as a file size limit: the write fails part way. Then a disk
// that cannot store the bytes: the flush fails.
TEST(ReplaceFile, AWriteOrFlushThatFailsKeepsTheOldFileAndNoTemporary) {
    vk::test::TempCatalogueDir dir;
    const fs::path target = dir.path() / "kept.CSV";
    dir.writeBytes("kept.CSV", "previous good file");
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        const bool saved = vk::saveFile(target, [](vk::FileSink& sink) {
            for (int i = 0; i < 100; ++i) sink.write(std::string(1000, 'x'));
        }, &error);
        if (saved || error.find("cannot write") == std::string::npos) ::_exit(saved ? 1 : 2);
        ::_exit(!failEveryFsync() ? 4 : vk::replaceFileContents(target, "small", &error) ? 3 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported as saved, 2: no reason given, 3: saved unflushed";
    EXPECT_EQ(contents(target), "previous good file");
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"kept.CSV"}));
}

TEST(ReplaceFile, ASymlinkLoopOrAFolderIsRefused) {
    vk::test::TempCatalogueDir dir;
    fs::create_symlink("b", dir.path() / "a");
    fs::create_symlink("a", dir.path() / "b");
    fs::create_directory(dir.path() / "folder");
    std::string error;
    EXPECT_FALSE(vk::replaceFileContents(dir.path() / "a", "x", &error));
    EXPECT_NE(error.find("symbolic links"), std::string::npos) << error;
    EXPECT_FALSE(vk::replaceFileContents(dir.path() / "folder", "x", &error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"a", "b", "folder"}));
}

}  // namespace
