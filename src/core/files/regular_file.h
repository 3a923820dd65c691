#pragma once
// Reading a whole file that must be a regular file. A FIFO, a device, a
// socket or a folder is refused like a file that cannot be opened, without
// ever blocking: the type is checked before opening, the file is opened
// without waiting for a writer, and its type is checked again on the open
// descriptor (the name may have changed in between).

#include <filesystem>
#include <optional>
#include <string>

namespace vk {

// The file's bytes, or nothing when it is missing, not a regular file, or
// cannot be read; `error` (if given) then holds a one-line reason in the
// platform's encoding. Reading stops once `limit` bytes or more are in.
std::optional<std::string> readRegularFile(const std::filesystem::path& file, std::string* error = nullptr,
                                           std::size_t limit = static_cast<std::size_t>(-1));

// The same checks, for a file read piece by piece: a descriptor open for
// blocking reads, which the caller closes, or -1 (and `error` set).
int openRegularFile(const std::filesystem::path& file, std::string* error = nullptr);

}  // namespace vk
