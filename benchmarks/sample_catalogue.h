#pragma once
// The bundled sample catalogue, loaded once for every benchmark of a program.

#include "core/catalogue/loader.h"

namespace vk::bench {

inline const Catalogue& sampleCatalogue() {
    static const Catalogue cat = [] {
        Catalogue c;
        loadCatalogue(VK_SAMPLE_DIR, c);
        return c;
    }();
    return cat;
}

}  // namespace vk::bench
