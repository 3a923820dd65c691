#pragma once
// A refused command line: the message is one line for the user, and the
// command exits with kExitBadInput without writing anything.

#include <stdexcept>
#include <string>

namespace vk::cli {

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace vk::cli
