#include "cli/file_command_options.h"

#include "cli/arg_reader.h"
#include "cli/catalogue_loading.h"
#include "cli/usage_error.h"

namespace vk::cli {

FileCommandOptions parseFileCommandOptions(const std::vector<std::string>& args) {
    FileCommandOptions o;
    std::vector<std::string> options;
    for (const std::string& arg : args) {
        if (!arg.empty() && arg[0] == '-' && arg != "-") {
            options.push_back(arg);
            continue;
        }
        // A value of the option before it, or FILE.
        const bool takesValue = !options.empty() && options.back().find('=') == std::string::npos &&
                                (options.back() == "--data" || options.back() == "-o" || options.back() == "--output");
        if (takesValue) options.push_back(arg);
        else if (o.file) throw UsageError("more than one FILE ('" + o.file->string() + "', '" + arg + "')");
        else o.file = arg;
    }
    ArgReader r(options);
    while (!r.done()) {
        const std::string opt = r.nextOption();
        if (opt == "--help" || opt == "-h") { r.noValue(); o.help = true; }
        else if (opt == "--data") o.dataDir = r.value();
        else if (opt == "-o" || opt == "--output") o.output = r.value();
        else throw UsageError("unknown option '" + opt + "' (see --help)");
    }
    if (!o.help && !o.file) throw UsageError("no FILE given (see --help)");
    return o;
}

std::optional<int> startFileCommand(const std::vector<std::string>& args, CliIo& io, const char* command,
                                    const char* usage, FileCommandOptions& options, Catalogue& cat) {
    try {
        options = parseFileCommandOptions(args);
    } catch (const UsageError& e) {
        io.err << command << e.what() << '\n';
        return kExitBadInput;
    }
    if (options.help) {
        // The options and exit statuses are the same for every such command.
        io.out << usage << R"(
  --data DIR           catalogue folder with the eight data files (default: .)
  -o, --output OUT     write to OUT (replaced safely) instead of standard output
  -h, --help           show this text

Exit status: 0 done, 1 the catalogue could not be loaded, FILE could not be
read or OUT not written, 2 the command line was refused (nothing is written).
)";
        return kExitOk;
    }
    if (!loadCatalogueReporting(options.dataDir, cat, io.err)) {
        io.err << command << "the catalogue in '" << options.dataDir.string() << "' is incomplete\n";
        return kExitFailure;
    }
    return std::nullopt;
}

bool writeStandardOutput(CliIo& io, const char* command, const std::string& bytes) {
    io.out << bytes;
    io.out.flush();
    if (io.out) return true;
    io.err << command << "cannot write to standard output\n";
    return false;
}

}  // namespace vk::cli
