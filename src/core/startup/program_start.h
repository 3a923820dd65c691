#pragma once
// What the window program does before it opens a window: read its command
// line, answer --help and --version, and enter the working folder (making it
// and seeding it with the installed sample catalogue when it is new), so that
// everything after reads and writes its files there.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/startup/xdg_folders.h"

namespace vk {

struct StartContext {
    std::filesystem::path installedShare;  // its "sample" holds the catalogue to seed from
    XdgEnvironment env;
    std::string version;
};

struct StartOutcome {
    std::optional<int> exitStatus;  // set: the program ends now with this status
    std::filesystem::path folder;   // the working folder, when one was named
    int seeded = 0;                 // data files copied into it
    std::string failure;            // the folder cannot be used (already on `err`)
};

// Prints help and version on `out`, a refused command line and a folder that
// cannot be used on `err`, and changes the current folder.
StartOutcome beginStart(const std::vector<std::string>& args, const StartContext& context, std::ostream& out,
                        std::ostream& err);

// The folder an installation keeps the program's shared files in:
// `shareFromBin` (such as "../share/velkorantis") taken from the folder of
// `executable` (none when the executable is not known).
std::filesystem::path installedShareFolder(const std::filesystem::path& executable,
                                           const std::filesystem::path& shareFromBin);

// This process's executable file.
std::filesystem::path runningExecutable();

}  // namespace vk
