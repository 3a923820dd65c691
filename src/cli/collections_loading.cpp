#include "cli/collections_loading.h"

#include "core/collections/collections_file.h"

namespace vk::cli {

std::optional<Collections> loadCollectionsReporting(const std::filesystem::path& file, const Catalogue& cat,
                                                    const char* command, std::ostream& err) {
    Collections collections = Collections::emptyFor(cat);
    const CollectionsReading reading = readCollectionsFile(file, cat, collections);
    if (!reading.opened) {
        err << command << "cannot read '" << file.string() << "'\n";
        return std::nullopt;
    }
    if (!reading.complete) err << file.string() << ": reading stopped at line " << reading.stoppedAtLine << '\n';
    return collections;
}

}  // namespace vk::cli
