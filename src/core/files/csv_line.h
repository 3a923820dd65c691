#pragma once
// Writing one comma-separated record: fields joined by ',', the line ended
// with CR LF, texts written as their bytes but for control bytes, which are
// written as blanks so that a record is always one whole line.

#include <string>
#include <string_view>

#include "core/text/control_bytes.h"

namespace vk {

class CsvLine {
public:
    explicit CsvLine(std::string& out) : out_(out) {}
    CsvLine& field(int v) { return text(std::to_string(v)); }
    CsvLine& field(bool v) { return field(v ? 1 : 0); }
    CsvLine& field(const std::string& s) { return text(controlsAsBlanks(s)); }
    CsvLine& field(const char* s) { return text(s); }
    void end() { out_ += "\r\n"; }

private:
    CsvLine& text(std::string_view s) {
        if (!first_) out_ += ',';
        out_ += s;
        first_ = false;
        return *this;
    }
    std::string& out_;
    bool first_ = true;
};

}  // namespace vk
