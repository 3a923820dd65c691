#include "cli/cli_test_support.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vk::cli::test {

namespace {
std::string shellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
}  // namespace

ScratchDir::ScratchDir(const std::string& tag) {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("vk_cli_" + tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

namespace {
std::vector<std::string> splitLines(const std::string& text, const std::string& eol) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(eol, start)) != std::string::npos; start = end + eol.size())
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}
}  // namespace

std::vector<std::string> crLfLines(const std::string& text) { return splitLines(text, "\r\n"); }
std::vector<std::string> lfLines(const std::string& text) { return splitLines(text, "\n"); }

std::string lastLine(const std::string& text) {
    const std::vector<std::string> lines = lfLines(text);
    return lines.empty() ? std::string() : lines.back();
}

std::vector<std::string> commaFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
        fields.push_back(line.substr(start, comma - start));
    fields.push_back(line.substr(start));
    return fields;
}

ProgramRun runProgram(const std::vector<std::string>& args, const ScratchDir& scratch, const std::string& stdoutTo) {
    const auto outFile = scratch / "program.stdout";
    const auto errFile = scratch / "program.stderr";
    std::string command = "timeout -s KILL 300 " + shellQuoted(VK_CLI_PATH);
    for (const std::string& a : args) command += " " + shellQuoted(a);
    command += " </dev/null >" + shellQuoted(stdoutTo.empty() ? outFile.string() : stdoutTo) + " 2>" +
               shellQuoted(errFile.string());
    const int raw = std::system(command.c_str());
    ProgramRun run;
    run.status = (raw != -1 && WIFEXITED(raw)) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return run;
}

BackgroundProgram::BackgroundProgram(const std::vector<std::string>& args, const ScratchDir& scratch)
    : outFile_(scratch / "background.stdout"), errFile_(scratch / "background.stderr") {
    std::vector<std::string> argv = {VK_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& a : argv) pointers.push_back(a.data());
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    if (posix_spawn(&pid, VK_CLI_PATH, &actions, nullptr, pointers.data(), environ) == 0) pid_ = pid;
    posix_spawn_file_actions_destroy(&actions);
}

BackgroundProgram::~BackgroundProgram() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

void BackgroundProgram::signal(int number) const {
    if (pid_ > 0) ::kill(pid_, number);
}

ProgramRun runInterrupted(const std::vector<std::string>& args, const ScratchDir& scratch, int afterMs) {
    BackgroundProgram program(args, scratch);
    std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
    program.signal(SIGINT);
    return program.wait();
}

ProgramRun BackgroundProgram::wait() {
    ProgramRun run;
    int raw = 0;
    if (pid_ > 0 && ::waitpid(pid_, &raw, 0) == pid_) run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    pid_ = -1;
    run.out = readFile(outFile_);
    run.err = readFile(errFile_);
    return run;
}

}  // namespace vk::cli::test
