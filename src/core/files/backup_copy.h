#pragma once
// A copy of a file kept before it is replaced: FILE.YYYYMMDD-hhmmss.bak
// beside it (local time), saved crash-safe and never over another file.

#include <ctime>
#include <filesystem>
#include <string>

namespace vk {

// FILE.YYYYMMDD-hhmmss.bak for the local time of `when`.
std::filesystem::path backupPathFor(const std::filesystem::path& file, std::time_t when);

enum class BackupCopy { kMade, kNothingToKeep, kFailed };

// Copies `file` to backupPathFor(file, when). Nothing to keep when no file
// by that name exists. Fails, with a one-line reason in `error` (if given),
// when the file cannot be read, the copy's name is taken, or the copy cannot
// be written; a failed copy leaves nothing behind.
BackupCopy makeBackupCopy(const std::filesystem::path& file, std::time_t when, std::string* error = nullptr);

}  // namespace vk
