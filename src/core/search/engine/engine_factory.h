#pragma once
// The one place front ends get a search engine from.

#include <memory>

#include "core/catalogue/catalogue.h"
#include "core/search/engine/engine.h"

namespace vk {

enum class EngineKind { Reference, Fast };

// `threads` applies to the fast engine; <= 0 means one per hardware thread.
// The catalogue must outlive the engine.
std::unique_ptr<SearchEngine> makeSearchEngine(const Catalogue& cat, EngineKind kind, int threads);

}  // namespace vk
