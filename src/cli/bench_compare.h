#pragma once
// "velkorantis-cli bench --compare": every bench case under both engines in
// one process, with both times, their ratio and whether the results agree.

#include "cli/cli_io.h"
#include "core/catalogue/catalogue.h"

namespace vk::cli {

// `threads` for the fast engine; the reference gets `budgetSeconds` on the
// hard cases and is extrapolated from Tested/Total when stopped. Returns
// kExitOk when every case agrees, kExitFailure otherwise.
int runBenchComparison(const Catalogue& cat, int threads, double budgetSeconds, CliIo& io);

}  // namespace vk::cli
