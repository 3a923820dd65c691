#pragma once
// Ctrl+C, SIGTERM and SIGHUP end the program as their default action does,
// but first remove the temporary file of a save in progress, so that no
// TARGET.vk-tmp.PID is left beside an output file. A search installs its own
// Ctrl+C handler for its duration (search_run.h) and restores this one.

namespace vk::cli {

void installSaveCleanupOnSignals();

}  // namespace vk::cli
