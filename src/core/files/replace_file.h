#pragma once
// Saving without ever destroying the previous good file: the bytes go to a
// temporary file in the same folder, which is then renamed over the target.

#include <filesystem>
#include <string>
#include <string_view>

namespace vk {

// Replaces `target` with `bytes` (written as they are, binary). Returns false
// and leaves `target` untouched when any step fails; `error` (if given) then
// holds a one-line reason.
bool replaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error = nullptr);

}  // namespace vk
