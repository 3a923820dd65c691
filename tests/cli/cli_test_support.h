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
// them), standard input empty, and collects its output.
ProgramRun runProgram(const std::vector<std::string>& args, const ScratchDir& scratch);

}  // namespace vk::cli::test
