#include "core/collections/collections_keeper.h"

#include <utility>

#include "core/files/backup_copy.h"

namespace vk {

CollectionsKeeper::CollectionsKeeper(std::filesystem::path file, const CollectionsReading& startup)
    : file_(std::move(file)),
      leaveAlone_(startup.present && !startup.opened),
      backupDue_(startup.opened && !startup.complete) {}

CollectionsSave CollectionsKeeper::save(const Catalogue& catalogue, const Collections& collections, std::time_t now,
                                        std::string* error) {
    if (leaveAlone_) return CollectionsSave::kLeftAlone;
    if (backupDue_) {
        if (makeBackupCopy(file_, now, error) == BackupCopy::kFailed) return CollectionsSave::kBackupFailed;
        backupDue_ = false;
    }
    return saveCollectionsFile(file_, catalogue, collections, error);
}

}  // namespace vk
