#pragma once
// Writes a saved search: the five header lines (identification, summary,
// conditions, fixed pieces, fixed decorations), the exclusions in force, the
// names of every row the hits refer to, and the hits. Shift-JIS, CR LF.

#include <ctime>
#include <filesystem>
#include <ostream>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/except_flags.h"
#include "core/search/hits/result_store.h"

namespace vk {

inline constexpr const char* kResultFileMagic = "VELKORANTIS";
inline constexpr const char* kResultFileVersion = "0.7";

// What one result file holds. `condition.wanted` is in box order (the first
// box first), not the engine's sorted order; `hits` are in search order.
struct ResultFileContent {
    const Catalogue& catalogue;
    const SearchCondition& condition;
    const ResultStore& hits;
    const ExceptFlags& exclusions;
    std::time_t savedAt;  // line 2: seconds (signed 32-bit) and local time
};

std::string formatResultFile(const ResultFileContent& content);
void writeResultFile(std::ostream& out, const ResultFileContent& content);

// Writes the file through a temporary file beside `path` that then replaces
// it, so a failed save leaves the previous file intact. On failure returns
// false and, when `error` is given, says why (in the platform's encoding).
bool saveResultFile(const std::filesystem::path& path, const ResultFileContent& content,
                    std::string* error = nullptr);

}  // namespace vk
