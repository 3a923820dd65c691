#include "core/catalogue/line_fields.h"

#include <limits>

#include "core/catalogue/records.h"

namespace vk {

bool FieldSplitter::next(std::string_view& token) {
    const std::size_t begin = rest_.find_first_not_of(',');
    if (begin == std::string_view::npos) {
        rest_ = {};
        return false;
    }
    rest_.remove_prefix(begin);
    const std::size_t end = rest_.find(',');
    token = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end);
    return true;
}

int parseInt(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Held one past int's maximum, so that the int minimum reads exactly.
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) value = kLimit;
    }
    if (negative) return static_cast<int>(-value);
    return value > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(value);
}

std::string copyName(std::string_view text) {
    return std::string(text.substr(0, kMaxNameBytes));
}

}  // namespace vk
