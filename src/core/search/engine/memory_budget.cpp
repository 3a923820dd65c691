#include "core/search/engine/memory_budget.h"

#include <algorithm>
#include <unistd.h>

namespace vk {

std::size_t defaultMemoryBudgetMegabytes() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) return 1024;
    const std::size_t quarter = static_cast<std::size_t>(pages) / 4 * static_cast<std::size_t>(pageSize);
    return std::max<std::size_t>(1, quarter / kBytesPerMegabyte);
}

}  // namespace vk
