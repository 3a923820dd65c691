#pragma once
// The first start in an empty working folder: the installed sample catalogue
// is copied in, so the window opens on something to search. An existing
// file is never replaced: a folder that holds any of the eight data files is
// the user's catalogue (even an incomplete one) and is left alone, and each
// copy appears under its name only if no file of that name has appeared
// meanwhile (another start seeding the same folder).

#include <filesystem>
#include <string>

namespace vk {

// Whether `folder` holds any of the eight data files (or something under
// one of their names).
bool holdsCatalogueFile(const std::filesystem::path& folder);

struct SeedOutcome {
    int copied = 0;       // files copied into the folder
    std::string failure;  // one-line reason when a copy failed
};

// Copies the eight data files of `sample` into `folder` when `folder` holds
// none of them and `sample` (not empty) holds them all; otherwise copies
// nothing.
SeedOutcome seedCatalogue(const std::filesystem::path& sample, const std::filesystem::path& folder);

}  // namespace vk
