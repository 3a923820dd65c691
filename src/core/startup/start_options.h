#pragma once
// The window program's command line:
//   velkorantis [--data DIR | --data-home] | --help | --version
// Without a data option the program works in the current folder, as it
// always has; a desktop entry cannot expand $XDG_DATA_HOME itself, so
// --data-home names the per-user data folder for it.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace vk {

struct StartOptions {
    enum class Action { Run, Help, Version };
    enum class Folder { Current, Named, DataHome };
    Action action = Action::Run;
    Folder folder = Folder::Current;
    std::filesystem::path dataDir;  // for Folder::Named
};

// A refused command line; the message is one line for the user.
class StartOptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `args` without the program name. Throws StartOptionError.
StartOptions parseStartOptions(const std::vector<std::string>& args);

// The text of --help.
const char* startUsage();

}  // namespace vk
