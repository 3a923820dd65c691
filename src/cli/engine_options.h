#pragma once
// "--engine reference|fast" and "--threads N", shared by the search and bench
// commands.

#include <string>

#include "cli/arg_reader.h"
#include "cli/engine_choice.h"

namespace vk::cli {

// Reads the value of `option` into `choice` when it is one of the two; false
// (nothing read) for any other option. Throws UsageError for a bad value.
bool readEngineOption(const std::string& option, ArgReader& reader, EngineChoice& choice);

// The usage lines of the two options.
const char* engineOptionsUsage();

}  // namespace vk::cli
