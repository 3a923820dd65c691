#include "cli/search_setup.h"

#include "cli/catalogue_loading.h"
#include "cli/collections_loading.h"
#include "cli/condition_from_options.h"
#include "cli/usage_error.h"

namespace vk::cli {

int setUpSearch(const SearchOptions& options, const char* command, CliIo& io, SearchSetup& setup) {
    if (!loadCatalogueReporting(options.dataDir, setup.cat, io.err)) {
        io.err << command << "cannot search: the catalogue in '" << options.dataDir.string() << "' is incomplete\n";
        return kExitFailure;
    }
    setup.collections = Collections::emptyFor(setup.cat);
    if (options.collectionsFile) {
        std::optional<Collections> read = loadCollectionsReporting(*options.collectionsFile, setup.cat, command, io.err);
        if (!read) return kExitFailure;
        setup.collections = std::move(*read);
    }
    try {
        setup.condition = gatherSearchCondition(setup.cat, conditionForm(setup.cat, options));
    } catch (const UsageError& e) {
        io.err << command << e.what() << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

}  // namespace vk::cli
