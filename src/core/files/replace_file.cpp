#include "core/files/replace_file.h"

#include <unistd.h>

#include <fstream>
#include <system_error>

namespace vk {

namespace {
void setError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

// Beside the target so the rename never crosses file systems; the process id
// keeps two programs saving the same file from sharing a temporary.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    std::filesystem::path tmp = target;
    tmp += ".tmp" + std::to_string(::getpid());
    return tmp;
}
}  // namespace

bool replaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error) {
    const std::filesystem::path tmp = temporaryBeside(target);
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) {
        setError(error, "cannot create " + tmp.string());
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();  // closing flushes: a full disk shows here
    if (!out) {
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        setError(error, "cannot write " + tmp.string());
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(tmp, target, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        setError(error, "cannot replace " + target.string() + ": " + ec.message());
        return false;
    }
    return true;
}

}  // namespace vk
