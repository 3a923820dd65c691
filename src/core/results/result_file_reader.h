#pragma once
// Reads a saved search back: the header alone (for the file list) or the whole
// file (conditions, hits, exclusions). Files of versions "0.3" to "0.7" are
// read; rows are found again by name first, so a file still reads after the
// catalogue changed (see core/catalogue/stored_reference.h).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/except_flags.h"
#include "core/search/hits/result_store.h"

namespace vk {

// Lines are read in pieces of at most this many bytes, the line end counted
// as one: a longer line is cut and its rest read as a line of its own.
inline constexpr std::size_t kResultLineBytes = 4095;

struct ResultFileHeader {
    int hitCount = 0;
    std::int32_t savedAt = 0;  // seconds since 1970-01-01 UTC
};

// What a result file holds, read against the current catalogue.
struct LoadedResultFile {
    std::string version;
    SearchCondition condition;  // wanted skills in box order; HitLimit and Interrupted as saved
    // The hits in file order as a search stores them (rows only, packed);
    // BuildResultView numbers and sums them.
    ResultStore hits;
    ExceptFlags exclusions;     // the EE and ED records
};

// Line 1 must name the program and a version it reads; line 2 gives the hit
// count and save time. Reads only the first two lines.
std::optional<ResultFileHeader> parseResultFileHeader(std::string_view bytes);
std::optional<ResultFileHeader> readResultFileHeader(const std::filesystem::path& file);

// Nothing when the file is not a result file of a known version, misses a
// line or a field, or has a hit naming a row that neither the catalogue nor
// the file's own name lists give (such a hit cannot be shown). Line 3 must
// hold choices the search page offers: sex and type 1 or 2, rarity 0..8,
// weapon slots 0..3, priority 0..8, each switch 0 or 1.
std::optional<LoadedResultFile> parseResultFile(std::string_view bytes, const Catalogue& catalogue);
// The file is read line by line, never whole.
std::optional<LoadedResultFile> readResultFile(const std::filesystem::path& file, const Catalogue& catalogue);

// How the saved search ended: stopped by the user, ended by the hit limit,
// or complete. The result-file tab shows it in ResultStopEdit.
enum class SearchEnding { Interrupted, HitLimit, Complete };
SearchEnding searchEnding(const SearchCondition& condition, std::size_t hitCount);
// "中断検索", "検索数制限" or "完了検索", in Shift-JIS.
std::string searchEndingText(SearchEnding ending);

}  // namespace vk
