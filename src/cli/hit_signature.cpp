#include "cli/hit_signature.h"

namespace vk::cli {

void HitSignature::addHits(const ResultStore& hits) {
    for (const Result& hit : hits) {
        for (std::int32_t row : hit.Index) addInt(row);
        const DecoSet& d = hit.Decos;
        for (const auto& part : d.SlotUsed)
            for (int v : part) addInt(v);
        for (int v : d.SlotsUsed) addInt(v);
        for (const auto& part : d.DecoIndex)
            for (int v : part) addInt(v);
        for (int v : d.DecoCount) addInt(v);
        addInt(d.DecoTotal);
    }
}

}  // namespace vk::cli
