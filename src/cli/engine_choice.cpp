#include "cli/engine_choice.h"

#include "search/reference_engine.h"

namespace vk::cli {

std::unique_ptr<SearchEngine> makeEngine(const EngineChoice& choice, const Catalogue& catalogue) {
    switch (choice.kind) {
    case EngineKind::Reference: break;
    }
    return std::make_unique<ReferenceEngine>(catalogue);
}

}  // namespace vk::cli
