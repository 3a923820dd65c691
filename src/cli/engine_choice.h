#pragma once
// Which search engine a command runs, and with how many threads.

#include <memory>

#include "core/catalogue/catalogue.h"
#include "core/search/engine/engine.h"
#include "core/search/engine/engine_factory.h"

namespace vk::cli {

// Value-initialised, it is what a command runs when neither --engine nor
// --threads is given: the fast engine on every hardware thread.
struct EngineChoice {
    EngineKind kind = EngineKind::Fast;
    int threads = 0;  // the fast engine's; <= 0 one per hardware thread
};

inline std::unique_ptr<SearchEngine> makeEngine(const EngineChoice& choice, const Catalogue& catalogue) {
    return makeSearchEngine(catalogue, choice.kind, choice.threads);
}

}  // namespace vk::cli
