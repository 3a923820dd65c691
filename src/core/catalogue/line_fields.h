#pragma once
// Field reading for the comma-separated data lines.

#include <string>
#include <string_view>

namespace vk {

// Tokens of a line split at commas. A run of commas counts as one separator,
// so an empty field is no column: the fields after it move one to the left.
class FieldSplitter {
public:
    explicit FieldSplitter(std::string_view line) : rest_(line) {}
    // The next token; false when the line has no more.
    bool next(std::string_view& token);

private:
    std::string_view rest_;
};

// An optional sign and decimal digits, read up to the first other byte; no
// digits read as 0. Values beyond int are held at the nearest int limit.
int parseInt(std::string_view text);

// A name as it stands, cut to the longest name a record keeps.
std::string copyName(std::string_view text);

}  // namespace vk
