#include "core/text/sjis_case.h"

#include <algorithm>

namespace vk {

std::string sjisUpper(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        if (isSjisLeadByte(b)) {
            ++i;  // the trail byte stays as it is
        } else if (b >= 'a' && b <= 'z') {
            out[i] = static_cast<char>(b - 'a' + 'A');
        }
    }
    return out;
}

int compareNoCase(std::string_view a, std::string_view b) {
    const std::string ua = sjisUpper(a);
    const std::string ub = sjisUpper(b);
    const auto [ia, ib] = std::mismatch(ua.begin(), ua.end(), ub.begin(), ub.end());
    if (ia == ua.end()) return ib == ub.end() ? 0 : -1;
    if (ib == ub.end()) return 1;
    return static_cast<unsigned char>(*ia) < static_cast<unsigned char>(*ib) ? -1 : 1;
}

bool containsNoCase(std::string_view haystack, std::string_view needle) {
    const std::string h = sjisUpper(haystack);
    const std::string n = sjisUpper(needle);
    if (n.empty()) return true;
    for (std::size_t i = 0; i + n.size() <= h.size(); ++i) {
        if (h.compare(i, n.size(), n) == 0) return true;
        if (isSjisLeadByte(static_cast<unsigned char>(h[i]))) ++i;
    }
    return false;
}

}  // namespace vk
