#include "core/files/backup_copy.h"

#include <optional>

#include "core/files/file_presence.h"
#include "core/files/regular_file.h"
#include "core/files/replace_file.h"

namespace vk {

std::filesystem::path backupPathFor(const std::filesystem::path& file, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, ".%Y%m%d-%H%M%S.bak", &local);
    std::filesystem::path copy = file;
    copy += stamp;
    return copy;
}

BackupCopy makeBackupCopy(const std::filesystem::path& file, std::time_t when, std::string* error) {
    const std::optional<std::string> bytes = readRegularFile(file, error);
    if (!bytes) return isAbsent(file) ? BackupCopy::kNothingToKeep : BackupCopy::kFailed;
    const std::filesystem::path copy = backupPathFor(file, when);
    std::error_code ec;
    if (std::filesystem::symlink_status(copy, ec).type() != std::filesystem::file_type::not_found) {
        if (error) *error = copy.string() + ": already exists";
        return BackupCopy::kFailed;
    }
    return replaceFileContents(copy, *bytes, error) ? BackupCopy::kMade : BackupCopy::kFailed;
}

}  // namespace vk
