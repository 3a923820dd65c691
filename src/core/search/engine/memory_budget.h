#pragma once
// The memory budget front ends give a search by default (see
// SearchControl::MemoryBudget): a quarter of the machine's physical memory,
// so that a search without a hit limit ends before it takes the machine down.

#include <cstddef>

namespace vk {

constexpr std::size_t kBytesPerMegabyte = std::size_t{1024} * 1024;

// A quarter of physical memory in whole MB, at least 1; 1024 MB when the
// system does not say how much it has.
std::size_t defaultMemoryBudgetMegabytes();

}  // namespace vk
