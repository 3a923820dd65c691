#pragma once
// config.csv over one run of the window. What the start-up reading found
// decides what the run's saves may do to the file: one that was there but
// could not be read is never replaced nor removed; one whose reading stopped
// before its end is first kept beside it as FILE.YYYYMMDD-hhmmss.bak, once.

#include <ctime>
#include <filesystem>
#include <string>

#include "core/collections/collections_file.h"

namespace vk {

class CollectionsKeeper {
public:
    // As after a start-up that found no file.
    CollectionsKeeper() = default;
    CollectionsKeeper(std::filesystem::path file, const CollectionsReading& startup);

    // The file was there at start-up but could not be read.
    bool leavesFileAlone() const { return leaveAlone_; }

    // saveCollectionsFile, after the backup copy when one is still due (the
    // time of `now` names it). kLeftAlone when the file is not to be touched;
    // kBackupFailed (the file as it was, `error` saying why) when the copy
    // could not be made; a later save tries the copy again.
    CollectionsSave save(const Catalogue& catalogue, const Collections& collections, std::time_t now,
                         std::string* error = nullptr);

private:
    std::filesystem::path file_ = kCollectionsFileName;
    bool leaveAlone_ = false;
    bool backupDue_ = false;
};

}  // namespace vk
