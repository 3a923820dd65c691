#include "core/search/engine/engine_factory.h"

#include "core/search/fast/fast_engine.h"
#include "core/search/reference/reference_engine.h"

namespace vk {

std::unique_ptr<SearchEngine> makeSearchEngine(const Catalogue& cat, EngineKind kind, int threads) {
    if (kind == EngineKind::Reference) return std::make_unique<ReferenceEngine>(cat);
    return std::make_unique<FastEngine>(cat, threads);
}

}  // namespace vk
