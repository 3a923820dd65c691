#pragma once
// Where a command writes: its output, its messages, and whether the messages
// go to a terminal (only then is a progress line drawn).

#include <ostream>

namespace vk::cli {

struct CliIo {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
};

// Exit statuses of every command.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;   // the catalogue or an output file failed
constexpr int kExitBadInput = 2;  // the command line was refused

}  // namespace vk::cli
