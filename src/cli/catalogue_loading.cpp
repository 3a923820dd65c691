#include "cli/catalogue_loading.h"

#include "core/catalogue/loader.h"
#include "core/text/sjis.h"

namespace vk::cli {

bool loadCatalogueReporting(const std::filesystem::path& dir, Catalogue& out, std::ostream& err) {
    const LoadReport report = loadCatalogue(dir, out);
    for (const UserMessage& m : report.messages)
        err << sjisToUtf8(m.caption) << ": " << sjisToUtf8(m.text) << '\n';
    return !report.startupError;
}

}  // namespace vk::cli
