#include "cli/cli_main.h"

#include "cli/addable_command.h"
#include "cli/bench_command.h"
#include "cli/collections_command.h"
#include "cli/search_command.h"
#include "cli/settings_command.h"
#include "cli/show_command.h"

namespace vk::cli {

namespace {

const char* overallUsage() {
    return R"(usage: velkorantis-cli COMMAND [options]

Commands:
  search   search armour sets for wanted skills and write a result file
  addable  list the skills that could still be added to the wanted ones
  bench    run a fixed suite of searches and print their figures and signature
  show     list a saved search (result file) or print the report of one hit
  collections
           read a collections file (config.csv) against the catalogue and
           write it as the program saves it
  settings read a settings file (the program's INI) against the catalogue and
           write it as the program writes it at close

Run "velkorantis-cli COMMAND --help" for the options of a command.
  -h, --help     show this text
  --version      show the program's version
)";
}

}  // namespace

int runCli(const std::vector<std::string>& args, CliIo& io) {
    if (args.empty()) {
        io.err << overallUsage();
        return kExitBadInput;
    }
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "search") return runSearchCommand(rest, io);
    if (command == "addable") return runAddableCommand(rest, io);
    if (command == "bench") return runBenchCommand(rest, io);
    if (command == "show") return runShowCommand(rest, io);
    if (command == "collections") return runCollectionsCommand(rest, io);
    if (command == "settings") return runSettingsCommand(rest, io);
    if (command == "--help" || command == "-h" || command == "help") {
        io.out << overallUsage();
        return kExitOk;
    }
    if (command == "--version") {
        io.out << "velkorantis-cli " << programVersion() << '\n';
        return kExitOk;
    }
    io.err << "velkorantis-cli: unknown command '" << command << "' (search, addable, bench, show, collections or settings; see --help)\n";
    return kExitBadInput;
}

}  // namespace vk::cli
