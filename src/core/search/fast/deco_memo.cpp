#include "core/search/fast/deco_memo.h"

namespace vk {

DecoKey::DecoKey(const std::array<int, kArmourParts>& slots, int bodyFactor, const WantedInts& need) {
    std::size_t i = 0;
    for (int s : slots) v[i++] = s;
    v[i++] = bodyFactor;
    for (int n : need) v[i++] = n;
}

}  // namespace vk
