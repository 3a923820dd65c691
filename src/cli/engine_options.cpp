#include "cli/engine_options.h"

#include "cli/usage_error.h"

namespace vk::cli {

bool readEngineOption(const std::string& option, ArgReader& reader, EngineChoice& choice) {
    if (option == "--engine") {
        const std::string name = reader.value();
        if (name == "reference")
            choice.kind = EngineKind::Reference;
        else if (name == "fast")
            choice.kind = EngineKind::Fast;
        else
            throw UsageError("--engine: unknown engine '" + name + "' (reference or fast)");
        return true;
    }
    if (option == "--threads") {
        choice.threads = reader.intValue(1, 1024);
        return true;
    }
    return false;
}

const char* engineOptionsUsage() {
    return R"(  --engine NAME        the search engine: fast (default) or reference, the
                       literal one the fast engine must agree with
  --threads N          threads of the fast engine, 1-1024 (default: one per
                       hardware thread)
)";
}

}  // namespace vk::cli
