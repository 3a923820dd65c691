#pragma once
// Helpers shared by the CLI tests: a scratch folder, whole-file reads, and
// running the built program with its output captured in files.

#include <filesystem>
#include <string>
#include <vector>

namespace vk::cli::test {

// A fresh folder under the system's temporary folder, removed at the end.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& tag);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& p);

// Lines of a text whose lines end in CR LF.
std::vector<std::string> crLfLines(const std::string& text);

// Lines of a text whose lines end in LF.
std::vector<std::string> lfLines(const std::string& text);

// The last line of a text whose lines end in LF (a command's summary line
// on standard error); empty for an empty text.
std::string lastLine(const std::string& text);

// Fields of one record split at ','.
std::vector<std::string> commaFields(const std::string& line);

struct ProgramRun {
    int status = -1;  // exit status
    std::string out;
    std::string err;
};

// Runs the built velkorantis-cli with `args` (no shell interpretation of
// them), standard input empty, and collects its output. With `stdoutTo`
// standard output goes to that file instead and `out` stays empty. A run
// that hangs is killed after a few minutes (status -1).
ProgramRun runProgram(const std::vector<std::string>& args, const ScratchDir& scratch,
                      const std::string& stdoutTo = {});

// The built program started in the background, its output going to files
// in `scratch`, for tests that signal it while it runs.
class BackgroundProgram {
public:
    BackgroundProgram(const std::vector<std::string>& args, const ScratchDir& scratch);
    ~BackgroundProgram();
    BackgroundProgram(const BackgroundProgram&) = delete;
    BackgroundProgram& operator=(const BackgroundProgram&) = delete;

    void signal(int number) const;
    // Waits for the end; `status` is the exit status, or -1 after a signal.
    ProgramRun wait();

private:
    std::filesystem::path outFile_;
    std::filesystem::path errFile_;
    int pid_ = -1;
};

// Runs the built program in the background, sends it Ctrl+C after
// `afterMs` milliseconds and waits for its end.
ProgramRun runInterrupted(const std::vector<std::string>& args, const ScratchDir& scratch, int afterMs);

}  // namespace vk::cli::test
