#pragma once
// Orders in which the decoration search tries the wanted skills.

#include <array>
#include <cstdint>

namespace vk {

// n! for n = 0..5.
std::uint32_t factorial(int n);

// The `number`-th permutation (from 0, lexicographic order) of the first n of
// five positions; positions n..4 keep their place. With n = 3 the numbers
// 0..5 give 012, 021, 102, 120, 201, 210.
std::array<int, 5> permutationOrder(std::uint32_t number, int n);

}  // namespace vk
