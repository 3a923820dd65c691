#include "core/startup/program_start.h"

#include <system_error>

#include "core/startup/catalogue_seed.h"
#include "core/startup/start_options.h"

namespace vk {

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitRefused = 2;

StartOutcome endNow(int status) {
    StartOutcome outcome;
    outcome.exitStatus = status;
    return outcome;
}

std::filesystem::path chosenFolder(const StartOptions& options, const XdgEnvironment& env) {
    if (options.folder == StartOptions::Folder::Named) return options.dataDir;
    return programDataFolder(env);
}

// Makes `folder`, seeds it, and makes it the current folder.
StartOutcome enterWorkingFolder(const std::filesystem::path& folder, const std::filesystem::path& sample) {
    StartOutcome outcome;
    std::error_code ec;
    outcome.folder = std::filesystem::absolute(folder, ec);
    if (!ec) std::filesystem::create_directories(outcome.folder, ec);
    if (!ec) {
        const SeedOutcome seed = seedCatalogue(sample, outcome.folder);
        outcome.seeded = seed.copied;
        if (!seed.failure.empty()) {
            outcome.failure = "cannot copy the sample catalogue: " + seed.failure;
            return outcome;
        }
        std::filesystem::current_path(outcome.folder, ec);
    }
    if (ec) outcome.failure = "cannot use the folder " + folder.string() + ": " + ec.message();
    return outcome;
}

}  // namespace

StartOutcome beginStart(const std::vector<std::string>& args, const StartContext& context, std::ostream& out,
                        std::ostream& err) {
    StartOptions options;
    try {
        options = parseStartOptions(args);
    } catch (const StartOptionError& e) {
        err << "velkorantis: " << e.what() << '\n';
        return endNow(kExitRefused);
    }
    if (options.action != StartOptions::Action::Run) {
        if (options.action == StartOptions::Action::Help) out << startUsage();
        else out << "velkorantis " << context.version << '\n';
        if (out.flush()) return endNow(0);
        err << "velkorantis: cannot write to standard output\n";
        return endNow(kExitFailure);
    }
    if (options.folder == StartOptions::Folder::Current) return {};
    const std::filesystem::path folder = chosenFolder(options, context.env);
    StartOutcome outcome;
    if (folder.empty()) outcome.failure = "no home folder to keep the data in: name one with --data DIR";
    else outcome = enterWorkingFolder(folder, context.installedShare.empty() ? std::filesystem::path() : context.installedShare / "sample");
    if (!outcome.failure.empty()) err << "velkorantis: " << outcome.failure << '\n';
    return outcome;
}

std::filesystem::path installedShareFolder(const std::filesystem::path& executable,
                                           const std::filesystem::path& shareFromBin) {
    if (executable.empty()) return {};
    return (executable.parent_path() / shareFromBin).lexically_normal();
}

std::filesystem::path runningExecutable() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe;
}

}  // namespace vk
