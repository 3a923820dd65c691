#pragma once
// config.csv: the exclusions, my sets and owned pieces between runs, as
// comma-separated records (EE, ED; MH, ME, MD, M; PE, PD, P). Every piece and
// decoration is stored as its name and index and resolved on reading (the
// name first, the index among equal names or when the name is gone).

#include <filesystem>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/collections/collections.h"

namespace vk {

inline constexpr const char* kCollectionsFileName = "config.csv";

// Longest piece of a line the reader takes at once; the rest of a longer
// line is read as a line of its own.
inline constexpr std::size_t kCollectionsReadChunk = 4094;

struct CollectionsReading {
    bool present = false;   // something by that name exists (read or not)
    bool opened = false;    // the file could be read at all
    bool complete = false;  // read to its end
    int stoppedAtLine = 0;  // when not complete: the line (from 1) that stopped it
};

// Adds the records of `bytes` to `into` (whose exclusion flags are sized to
// the catalogue). A line with no field, a known record with too few fields,
// or an M or P record past the cap of its list stops the reading; what was
// read before stays. Records that resolve nowhere or carry numbers out of
// range change nothing.
CollectionsReading parseCollections(std::string_view bytes, const Catalogue& catalogue, Collections& into);

// The same from a file; `opened` is false when it cannot be read, and
// `present` then tells a file that is there (a folder, a FIFO, a symlink
// loop, no permission) from none at all.
CollectionsReading readCollectionsFile(const std::filesystem::path& file, const Catalogue& catalogue,
                                       Collections& into);

// The whole file as it is saved: empty when there is nothing to store.
std::string formatCollections(const Catalogue& catalogue, const Collections& collections);

// kLeftAlone and kBackupFailed come from CollectionsKeeper only.
enum class CollectionsSave { kWritten, kRemoved, kFailed, kLeftAlone, kBackupFailed };

// Saves crash-safe (a temporary file beside `file`, then a rename); with
// nothing to store removes `file` instead. On failure `file` is as it was and
// `error` (if given) holds a one-line reason.
CollectionsSave saveCollectionsFile(const std::filesystem::path& file, const Catalogue& catalogue,
                                    const Collections& collections, std::string* error = nullptr);

}  // namespace vk
