#pragma once
// How a fast search cuts the enumeration into slices: one per Head x Body
// position, each split further into ranges of Arm positions when there are
// too few for the threads to share. Slice k covers the k-th stretch of the
// enumeration order.

#include <algorithm>
#include <cstddef>

#include "search/fast_task.h"

namespace vk {

struct TaskGrid {
    std::size_t heads = 1;
    std::size_t bodies = 1;
    std::size_t arms = 1;
    std::size_t chunks = 1;  // Arm ranges per Head x Body position

    TaskGrid(std::size_t headCount, std::size_t bodyCount, std::size_t armCount, std::size_t wantedSlices)
        : heads(headCount), bodies(bodyCount), arms(armCount) {
        const std::size_t positions = heads * bodies;
        chunks = std::clamp<std::size_t>((wantedSlices + positions - 1) / positions, 1, arms);
    }

    std::size_t count() const { return heads * bodies * chunks; }
    bool startsBody(std::size_t k) const { return k % chunks == 0; }

    TaskSpec spec(std::size_t k) const {
        const std::size_t position = k / chunks;
        const std::size_t c = k % chunks;
        return TaskSpec{position / bodies, position % bodies, arms * c / chunks, arms * (c + 1) / chunks};
    }
};

}  // namespace vk
