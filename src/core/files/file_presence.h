#pragma once
// Telling a file that is not there from one that is there but cannot be
// read: only the first may be created afresh without losing anything.

#include <filesystem>
#include <system_error>

namespace vk {

// True when nothing by that name exists, or a symlink leads nowhere. A name
// that cannot be looked at (a symlink loop, a folder that may not be
// searched) is not absent.
inline bool isAbsent(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::status(file, ec).type() == std::filesystem::file_type::not_found;
}

}  // namespace vk
