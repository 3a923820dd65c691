#pragma once
// The folder RESULT of saved searches as the result-file tab lists it: one
// entry per file whose header reads, in Shift-JIS byte order of the names,
// and the renaming, deleting and naming of those files.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"

namespace vk {

inline constexpr const char* kResultFolder = "RESULT";

struct ResultFile {
    std::string name;          // as on disk (UTF-8), without the folder
    std::int32_t savedAt = 0;  // from the file's line 2
    int hitCount = 0;
};

// Every entry of `folder` whose result-file header reads, ascending by name
// converted to Shift-JIS and compared as unsigned bytes (a name with no
// Shift-JIS form compares by its UTF-8 bytes). A missing folder gives an
// empty list; entries that are not regular files, do not read, or whose
// names are not UTF-8 are left out.
std::vector<ResultFile> listResultFiles(const std::filesystem::path& folder);

// Renames entry `entry` of `list` to `newName` inside `folder`. Refused (false,
// nothing changed) when another or the same entry already has that name,
// when the name is not a plain file name (empty, "." or "..", or holding '/'),
// or when the file system refuses. On success the entry takes the new name.
bool renameResultFile(std::vector<ResultFile>& list, std::size_t entry, const std::string& newName,
                      const std::filesystem::path& folder);

// Removes the file; a failure is not reported (the next listing shows it).
void deleteResultFile(const std::filesystem::path& folder, const std::string& name);

// "YYYY/MM/DD hh:mm:ss" in local time.
std::string savedAtText(std::int32_t savedAt);

// "%s_%s_%s_%s_%s.CSV" from the names of the five wanted skills in box order
// (an empty box gives the name of entry 0), in UTF-8 for the file system.
std::string proposedResultFileName(const Catalogue& catalogue, const SearchCondition& windowCondition);

}  // namespace vk
