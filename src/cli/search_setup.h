#pragma once
// What every command that searches needs before it starts: the catalogue,
// the collections file when one is named, and the condition gathered and
// checked as the window's "検索" button does it.

#include <optional>

#include "cli/cli_io.h"
#include "cli/search_options.h"
#include "core/collections/collections.h"
#include "core/search/condition/condition_gather.h"

namespace vk::cli {

struct SearchSetup {
    Catalogue cat;
    std::optional<Collections> collections;
    std::optional<GatheredCondition> condition;
};

// Fills `setup`; kExitOk, or the exit status after a message on the error
// stream beginning with `command` ("velkorantis-cli search: "): kExitFailure
// for the catalogue or the collections file, kExitBadInput for a refused
// condition.
int setUpSearch(const SearchOptions& options, const char* command, CliIo& io, SearchSetup& setup);

}  // namespace vk::cli
