#include "cli/bench_command.h"

#include "cli/arg_reader.h"
#include "cli/bench_suite.h"
#include "cli/catalogue_loading.h"
#include "cli/usage_error.h"

#ifndef VK_BENCH_DATA_DIR
#define VK_BENCH_DATA_DIR "data/sample"
#endif

namespace vk::cli {

namespace {

constexpr const char* kCommand = "velkorantis-cli bench: ";

const char* benchUsage() {
    return R"(usage: velkorantis-cli bench [--data DIR]

Runs a fixed suite of searches over the sample catalogue and prints, per case:
name, hits, combinations tested, combinations in all, seconds; then
"signature" and a 64-bit digest (16 hex digits) of every hit and counter.
The same catalogue and program always give the same signature.

  --data DIR   catalogue folder (default: the bundled sample catalogue)
  -h, --help   show this text
)";
}

}  // namespace

std::filesystem::path defaultBenchDataDir() { return VK_BENCH_DATA_DIR; }

int runBenchCommand(const std::vector<std::string>& args, CliIo& io) {
    std::filesystem::path dataDir = defaultBenchDataDir();
    try {
        ArgReader r(args);
        while (!r.done()) {
            const std::string opt = r.nextOption();
            if (opt == "--data") {
                dataDir = r.value();
            } else if (opt == "--help" || opt == "-h") {
                io.out << benchUsage();
                return kExitOk;
            } else {
                throw UsageError("unknown option '" + opt + "' (see --help)");
            }
        }
    } catch (const UsageError& e) {
        io.err << kCommand << e.what() << '\n';
        return kExitBadInput;
    }

    Catalogue cat;
    if (!loadCatalogueReporting(dataDir, cat, io.err)) {
        io.err << kCommand << "cannot run: the catalogue in '" << dataDir.string() << "' is incomplete\n";
        return kExitFailure;
    }
    try {
        const BenchReport report =
            runBenchSuite(cat, EngineChoice{}, [&io](const BenchCaseResult& r) { io.out << benchLine(r) << std::endl; });
        io.out << "signature " << signatureText(report.signature) << '\n';
    } catch (const UsageError& e) {
        io.err << kCommand << "this catalogue does not suit the bench: " << e.what() << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

}  // namespace vk::cli
