#pragma once
// A 64-bit FNV-1a digest of what searches found, so that a change in any
// hit, in the order of the hits or in the counters shows as another value.
// Integers are fed as their little-endian bytes: 4 per int, 8 per counter.

#include <cstdint>

#include "core/search/hits/result_store.h"

namespace vk::cli {

class HitSignature {
public:
    void addInt(std::int32_t v) { addBytes(static_cast<std::uint32_t>(v), 4); }
    void addCounter(std::uint64_t v) { addBytes(v, 8); }

    // Per hit in order: its five piece rows and the 49 ints of its DecoSet
    // (its number No is left out: it is given only after the search).
    void addHits(const ResultStore& hits);

    std::uint64_t value() const { return hash_; }

private:
    void addBytes(std::uint64_t v, int count) {
        for (int i = 0; i < count; ++i) {
            hash_ ^= (v >> (8 * i)) & 0xFFu;
            hash_ *= 0x100000001B3ull;
        }
    }

    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

}  // namespace vk::cli
