#include "core/startup/start_options.h"

namespace vk {

namespace {

void chooseFolder(StartOptions& o, StartOptions::Folder folder, std::filesystem::path dir = {}) {
    if (o.folder != StartOptions::Folder::Current)
        throw StartOptionError("give one data folder only (--data or --data-home, once)");
    o.folder = folder;
    o.dataDir = std::move(dir);
}

}  // namespace

StartOptions parseStartOptions(const std::vector<std::string>& args) {
    StartOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.action = StartOptions::Action::Help;
        } else if (arg == "--version") {
            o.action = StartOptions::Action::Version;
        } else if (arg == "--data-home") {
            chooseFolder(o, StartOptions::Folder::DataHome);
        } else if (arg == "--data" || arg.starts_with("--data=")) {
            std::string dir = arg == "--data" ? (i + 1 < args.size() ? args[++i] : "") : arg.substr(7);
            if (dir.empty()) throw StartOptionError("--data needs a folder");
            chooseFolder(o, StartOptions::Folder::Named, dir);
        } else {
            throw StartOptionError("unknown argument '" + arg + "' (see --help)");
        }
    }
    return o;
}

const char* startUsage() {
    return R"(usage: velkorantis [--data DIR | --data-home]

Opens the armour-set search window. The catalogue (its eight data files),
config.csv and the saved searches in RESULT are those of the working folder:
the current folder, or the one named here.

  --data DIR     work in DIR; a missing DIR is made, and one that holds no
                 data file gets a copy of the installed sample catalogue
  --data-home    work in $XDG_DATA_HOME/velkorantis (default
                 ~/.local/share/velkorantis), as the menu entry does
  -h, --help     show this text
  --version      show the program's version

The settings file is the program's path with ".INI" appended; for an
installed program, or when that folder cannot be written, it is
$XDG_CONFIG_HOME/velkorantis/velkorantis.INI (default
~/.config/velkorantis/velkorantis.INI).

Exit status: 0 after the window closed, 1 when the working folder cannot be
used, 2 when the command line was refused.
)";
}

}  // namespace vk
