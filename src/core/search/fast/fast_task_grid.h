#pragma once
// How a fast search cuts the enumeration into slices: runs of Head x Body
// positions, or, when there are too few positions for the threads to share,
// ranges of Arm positions within each. Slice k covers the k-th stretch of
// the enumeration order.

#include <algorithm>
#include <cstddef>

#include "core/search/fast/fast_task.h"

namespace vk {

struct TaskGrid {
    std::size_t positions = 1;  // Head x Body
    std::size_t arms = 1;
    std::size_t perSlice = 1;  // positions per slice
    std::size_t chunks = 1;    // Arm ranges per position, when a slice is one position

    TaskGrid(std::size_t headCount, std::size_t bodyCount, std::size_t armCount, std::size_t wantedSlices)
        : positions(headCount * bodyCount), arms(armCount) {
        if (positions >= wantedSlices)
            perSlice = (positions + wantedSlices - 1) / wantedSlices;
        else
            chunks = std::clamp<std::size_t>((wantedSlices + positions - 1) / positions, 1, arms);
    }

    std::size_t count() const { return (positions + perSlice - 1) / perSlice * chunks; }

    SliceBounds slice(std::size_t k) const {
        if (chunks == 1) return SliceBounds{k * perSlice, std::min(positions, (k + 1) * perSlice), 0, arms};
        const std::size_t position = k / chunks;
        const std::size_t c = k % chunks;
        return SliceBounds{position, position + 1, arms * c / chunks, arms * (c + 1) / chunks};
    }
};

}  // namespace vk
