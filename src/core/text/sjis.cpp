#include "core/text/sjis.h"

#include <cerrno>
#include <cstddef>
#include <iconv.h>
#include <stdexcept>

namespace vk {

namespace {

// One iconv descriptor per direction and thread: a descriptor carries shift
// state and must not be shared between threads; opening one per call is slow.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; at a sequence iconv refuses, appends `replacement` and
    // skips `skipBad(rest)` input bytes (at least one), so bad input always
    // makes progress and never ends the conversion early.
    template <class SkipBad>
    std::string convert(std::string_view in, std::string_view replacement, SkipBad skipBad) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // fresh shift state
        std::string out;
        out.reserve(in.size() * 3 / 2 + 4);
        char buffer[1024];
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ (bad or unmappable sequence) or EINVAL (cut off at the end).
            out += replacement;
            std::size_t skip = skipBad(std::string_view(src, srcLeft));
            if (skip == 0) skip = 1;
            if (skip > srcLeft) skip = srcLeft;
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence that starts at rest[0], or 1 for a stray byte.
std::size_t utf8SequenceLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t n = 1;
    if (lead >= 0xF0 && lead <= 0xF4) n = 4;
    else if (lead >= 0xE0) n = (lead <= 0xEF) ? 3 : 1;
    else if (lead >= 0xC2) n = 2;
    if (n > rest.size()) return rest.size();
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return i;  // broken: drop what was read
    return n;
}

Converter& utf8ToSjisConverter() {
    thread_local Converter conv("CP932", "UTF-8");
    return conv;
}

}  // namespace

std::string sjisToUtf8(std::string_view sjis) {
    thread_local Converter conv("UTF-8", "CP932");
    // A bad byte is replaced alone; the byte after it is read afresh, so an
    // ASCII byte after a stray lead byte survives.
    return conv.convert(sjis, "\xEF\xBF\xBD", [](std::string_view) { return std::size_t{1}; });
}

std::string utf8ToSjis(std::string_view utf8) { return utf8ToSjisConverter().convert(utf8, "?", utf8SequenceLength); }

std::optional<std::string> utf8ToSjisExactly(std::string_view utf8) {
    bool exact = true;
    std::string out = utf8ToSjisConverter().convert(utf8, "", [&exact](std::string_view rest) {
        exact = false;
        return utf8SequenceLength(rest);
    });
    if (!exact) return std::nullopt;
    return out;
}

}  // namespace vk
