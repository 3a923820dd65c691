#pragma once
// Which search engine a command runs. Only the reference engine exists; a
// faster one joins here as another kind.

#include <memory>

#include "catalogue/catalogue.h"
#include "search/engine.h"

namespace vk::cli {

enum class EngineKind { Reference };

struct EngineChoice {
    EngineKind kind = EngineKind::Reference;
};

std::unique_ptr<SearchEngine> makeEngine(const EngineChoice& choice, const Catalogue& catalogue);

}  // namespace vk::cli
