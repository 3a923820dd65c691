#include "cli/catalogue_loading.h"

#include "core/catalogue/loader.h"
#include "core/search/condition/condition_bounds.h"
#include "core/text/sjis.h"

namespace vk::cli {

bool loadCatalogueReporting(const std::filesystem::path& dir, Catalogue& out, std::ostream& err) {
    const LoadReport report = loadCatalogue(dir, out);
    for (const UserMessage& m : report.messages)
        err << sjisToUtf8(m.caption) << ": " << sjisToUtf8(m.text) << '\n';
    if (report.startupError) return false;
    // A file that opened but holds no rows is a catalogue fault as well.
    if (const std::string problem = catalogueRangeError(out); !problem.empty()) {
        err << problem << '\n';
        return false;
    }
    return true;
}

}  // namespace vk::cli
