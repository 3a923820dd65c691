// One holder of a folder at a time, even within one process, the folder
// itself untouched; a folder that cannot be opened cannot be held.

#include <optional>

#include <gtest/gtest.h>

#include "core/catalogue/temp_catalogue_dir.h"
#include "core/files/folder_lock.h"

namespace {

using State = vk::FolderLock::State;

TEST(FolderLock, OneHolderAtATime) {
    vk::test::TempCatalogueDir dir;
    std::optional<vk::FolderLock> first(std::in_place, dir.path());
    EXPECT_EQ(first->state(), State::kHeld);
    EXPECT_EQ(vk::FolderLock(dir.path()).state(), State::kBusy);
    first.reset();
    EXPECT_EQ(vk::FolderLock(dir.path()).state(), State::kHeld) << "the lock went with its holder";
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "nothing is written into the folder";
    EXPECT_EQ(vk::FolderLock(dir.path() / "missing").state(), State::kUnavailable);
}

}  // namespace
