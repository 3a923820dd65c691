#pragma once
// Text written in large pieces: bytes gather in a fixed buffer that is
// handed to `flush` whenever it fills, so a file of millions of lines is
// written with no heap string per field or line. Large texts (a block of
// hit lines) pass straight through.

#include <array>
#include <cstring>
#include <functional>
#include <string_view>
#include <utility>

namespace vk {

class BufferedText {
public:
    using Flush = std::function<void(std::string_view)>;
    explicit BufferedText(Flush flush) : flush_(std::move(flush)) {}
    BufferedText(const BufferedText&) = delete;
    BufferedText& operator=(const BufferedText&) = delete;

    BufferedText& text(std::string_view s) {
        if (s.size() > buffer_.size() - used_) {
            flush();
            if (s.size() > buffer_.size()) {
                flush_(s);
                return *this;
            }
        }
        std::memcpy(buffer_.data() + used_, s.data(), s.size());
        used_ += s.size();
        return *this;
    }
    // Hands on what is buffered. Call it once the text is complete.
    void flush() {
        if (used_ > 0) flush_(std::string_view(buffer_.data(), used_));
        used_ = 0;
    }

private:
    Flush flush_;
    std::array<char, 64 * 1024> buffer_;
    std::size_t used_ = 0;
};

}  // namespace vk
