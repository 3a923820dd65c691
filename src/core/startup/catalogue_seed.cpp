#include "core/startup/catalogue_seed.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <vector>

#include "core/catalogue/data_files.h"
#include "core/files/regular_file.h"
#include "core/files/replace_file.h"

namespace vk {

namespace {

std::vector<std::string> dataFileNames() {
    std::vector<std::string> names{kSkillTypeFile};
    names.insert(names.end(), kEquipFiles.begin(), kEquipFiles.end());
    names.push_back(kDecoFile);
    names.push_back(kSkillEqFile);
    return names;
}

bool present(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(file, ec));
}

std::string reason(const std::filesystem::path& file, int error) {
    return file.string() + ": " + std::strerror(error);
}

enum class Created { Yes, AlreadyThere, Failed };

// Writes `bytes` to a fresh temporary file beside `target` and links it in
// under the target's name, which fails rather than replace a file that
// exists. `failure` is set when a step fails.
Created createOnce(const std::filesystem::path& target, const std::string& bytes, std::string& failure) {
    const std::filesystem::path temporary = temporaryFileFor(target, ::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        failure = reason(temporary, errno);
        return Created::Failed;
    }
    FileSink sink(fd);
    sink.write(bytes);
    int error = sink.error();
    if (::close(fd) != 0 && error == 0) error = errno;
    bool existed = false;
    if (error == 0 && ::link(temporary.c_str(), target.c_str()) != 0) {
        existed = errno == EEXIST;
        if (!existed) error = errno;
    }
    ::unlink(temporary.c_str());
    if (error != 0) {
        failure = reason(target, error);
        return Created::Failed;
    }
    return existed ? Created::AlreadyThere : Created::Yes;
}

}  // namespace

bool holdsCatalogueFile(const std::filesystem::path& folder) {
    for (const std::string& name : dataFileNames())
        if (present(folder / name)) return true;
    return false;
}

SeedOutcome seedCatalogue(const std::filesystem::path& sample, const std::filesystem::path& folder) {
    SeedOutcome outcome;
    if (sample.empty() || holdsCatalogueFile(folder)) return outcome;
    std::vector<std::pair<std::string, std::string>> files;
    for (const std::string& name : dataFileNames()) {
        std::optional<std::string> bytes = readRegularFile(sample / name);
        if (!bytes) return outcome;
        files.emplace_back(name, std::move(*bytes));
    }
    for (const auto& [name, bytes] : files) {
        const std::filesystem::path target = folder / name;
        const Created created = present(target) ? Created::AlreadyThere : createOnce(target, bytes, outcome.failure);
        if (created == Created::Failed) return outcome;
        if (created == Created::Yes) ++outcome.copied;
    }
    return outcome;
}

}  // namespace vk
