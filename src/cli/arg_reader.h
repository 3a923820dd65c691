#pragma once
// Walks a command's arguments: options with a value take it from the next
// argument or after '=' ("--sex 2", "--sex=2"). Every malformed argument
// throws UsageError naming the option.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vk::cli {

class ArgReader {
public:
    explicit ArgReader(std::vector<std::string> args) : args_(std::move(args)) {}

    bool done() const { return pos_ >= args_.size(); }

    // The next argument when it is not an option (a file name), taken;
    // nothing, and nothing taken, when it is an option or there is none.
    std::optional<std::string> nextOperand();

    // The next option's name ("--sex" of "--sex=2"); throws for an argument
    // that is not an option.
    std::string nextOption();

    // The value of the option just read; throws when it has none.
    std::string value();

    // The value as an int within [lo, hi]; throws for other text or range.
    int intValue(int lo, int hi);

    // Throws when the option just read was given a value ("--decorations=1").
    void noValue();

private:
    std::vector<std::string> args_;
    std::size_t pos_ = 0;
    std::string option_;
    std::optional<std::string> inlineValue_;
};

// `text` as an int within [lo, hi]; throws naming `what` otherwise.
int parseIntInRange(const std::string& what, const std::string& text, int lo, int hi);

// "PART=VALUE" split at the first '='; throws when there is no '='.
std::pair<std::string, std::string> splitAssignment(const std::string& option, const std::string& text);

}  // namespace vk::cli
