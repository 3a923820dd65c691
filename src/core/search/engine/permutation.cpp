#include "core/search/engine/permutation.h"

namespace vk {

namespace {

// Moves each remaining element in turn to position `depth` (shifting those
// between one place right), recurses, and moves it back; leaves are counted
// from 0 and generation stops at leaf `target`.
struct PermutationWalk {
    std::array<int, 5> order{0, 1, 2, 3, 4};
    int n = 0;
    std::uint32_t target = 0;
    std::uint32_t leaf = 0;

    bool walk(int depth) {
        if (depth >= n) return leaf++ == target;
        for (int i = depth; i < n; ++i) {
            const int moved = order[i];
            for (int k = i; k > depth; --k) order[k] = order[k - 1];
            order[depth] = moved;
            if (walk(depth + 1)) return true;
            for (int k = depth; k < i; ++k) order[k] = order[k + 1];
            order[i] = moved;
        }
        return false;
    }
};

}  // namespace

std::uint32_t factorial(int n) {
    std::uint32_t f = 1;
    for (int i = 2; i <= n; ++i) f *= static_cast<std::uint32_t>(i);
    return f;
}

std::array<int, 5> permutationOrder(std::uint32_t number, int n) {
    PermutationWalk w;
    w.n = n;
    w.target = number;
    w.walk(0);
    return w.order;
}

}  // namespace vk
