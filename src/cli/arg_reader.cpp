#include "cli/arg_reader.h"

#include "cli/usage_error.h"
#include "core/text/whole_number.h"

namespace vk::cli {

std::string ArgReader::nextOption() {
    const std::string& arg = args_[pos_++];
    inlineValue_.reset();
    if (arg.size() < 2 || arg[0] != '-' || (arg.size() > 2 && arg[1] != '-'))
        throw UsageError("unexpected argument '" + arg + "' (see --help)");
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos) {
        option_ = arg;
    } else {
        option_ = arg.substr(0, eq);
        inlineValue_ = arg.substr(eq + 1);
    }
    return option_;
}

std::optional<std::string> ArgReader::nextOperand() {
    if (done()) return std::nullopt;
    const std::string& arg = args_[pos_];
    if (arg.size() > 1 && arg[0] == '-') return std::nullopt;
    ++pos_;
    return arg;
}

std::string ArgReader::value() {
    if (inlineValue_) return *inlineValue_;
    if (done()) throw UsageError(option_ + " needs a value");
    return args_[pos_++];
}

int ArgReader::intValue(int lo, int hi) { return parseIntInRange(option_, value(), lo, hi); }

void ArgReader::noValue() {
    if (inlineValue_) throw UsageError(option_ + " takes no value");
}

int parseIntInRange(const std::string& what, const std::string& text, int lo, int hi) {
    const std::optional<int> n = parseWholeNumber(text);
    if (!n) throw UsageError(what + " needs a whole number, not '" + text + "'");
    if (*n < lo || *n > hi)
        throw UsageError(what + " must be from " + std::to_string(lo) + " to " + std::to_string(hi) +
                         ", not " + text);
    return *n;
}

std::pair<std::string, std::string> splitAssignment(const std::string& option, const std::string& text) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) throw UsageError(option + " needs PART=VALUE, not '" + text + "'");
    return {text.substr(0, eq), text.substr(eq + 1)};
}

}  // namespace vk::cli
