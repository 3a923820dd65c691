#include "cli/fuzz_table.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "cli/cli_main.h"
#include "core/catalogue/data_files.h"
#include "core/text/sjis.h"

namespace vk::cli::test {

namespace {

using Lines = std::vector<std::string>;

std::size_t below(FuzzRandom& random, std::size_t n) { return n == 0 ? 0 : random() % n; }

// Lines split at LF (a CR stays with its line), and joined again.
Lines splitAtLf(const std::string& bytes) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

std::string joinWithLf(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + '\n';
    return bytes;
}

// Applies `change` to one line chosen at random.
template <class Change>
void changeALine(std::string& bytes, FuzzRandom& random, Change change) {
    Lines lines = splitAtLf(bytes);
    if (lines.empty()) return;
    change(lines[below(random, lines.size())], random);
    bytes = joinWithLf(lines);
}

// The comma-separated field `index` of a line as [begin, end).
std::pair<std::size_t, std::size_t> fieldSpan(const std::string& line, std::size_t index) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t comma = line.find(',', begin);
        if (comma == std::string::npos) return {line.size(), line.size()};
        begin = comma + 1;
    }
    const std::size_t comma = line.find(',', begin);
    return {begin, comma == std::string::npos ? line.size() : comma};
}

std::size_t fieldCount(const std::string& line) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1;
}

const std::vector<FuzzMutator> kMutators = {
    {"flip a bit",
     [](std::string& s, FuzzRandom& r) {
         if (!s.empty()) s[below(r, s.size())] ^= static_cast<char>(1 << below(r, 8));
     }},
    {"insert bytes the parsers react to",
     [](std::string& s, FuzzRandom& r) {
         static const std::string alphabet = ",,,#\r\n-+0123456789<>=";
         std::string bytes;
         for (std::size_t i = 0, n = 1 + below(r, 8); i < n; ++i)
             bytes += below(r, 4) == 0 ? static_cast<char>(r()) : alphabet[below(r, alphabet.size())];
         s.insert(below(r, s.size() + 1), bytes);
     }},
    {"delete a line",
     [](std::string& s, FuzzRandom& r) {
         Lines lines = splitAtLf(s);
         if (lines.empty()) return;
         lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(below(r, lines.size())));
         s = joinWithLf(lines);
     }},
    {"repeat a line",
     [](std::string& s, FuzzRandom& r) {
         Lines lines = splitAtLf(s);
         if (lines.empty()) return;
         const std::size_t at = below(r, lines.size());
         lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(below(r, lines.size() + 1)), lines[at]);
         s = joinWithLf(lines);
     }},
    {"swap two lines",
     [](std::string& s, FuzzRandom& r) {
         Lines lines = splitAtLf(s);
         if (lines.size() < 2) return;
         std::swap(lines[below(r, lines.size())], lines[below(r, lines.size())]);
         s = joinWithLf(lines);
     }},
    {"cut the file short", [](std::string& s, FuzzRandom& r) { s.resize(below(r, s.size() + 1)); }},
    {"empty the file", [](std::string& s, FuzzRandom&) { s.clear(); }},
    {"an extreme number in a field",
     [](std::string& s, FuzzRandom& r) {
         changeALine(s, r, [](std::string& line, FuzzRandom& rr) {
             const auto [begin, end] = fieldSpan(line, below(rr, fieldCount(line)));
             const std::vector<std::string>& numbers = extremeNumbers();
             line.replace(begin, end - begin, numbers[below(rr, numbers.size())]);
         });
     }},
    {"an extreme threshold",
     [](std::string& s, FuzzRandom& r) {
         changeALine(s, r, [](std::string& line, FuzzRandom& rr) {
             const std::size_t op = line.find_last_of("<>=");
             if (op == std::string::npos) return;
             const std::vector<std::string>& numbers = extremeNumbers();
             line.replace(op + 1, std::string::npos, numbers[below(rr, numbers.size())]);
         });
     }},
    {"drop a field",
     [](std::string& s, FuzzRandom& r) {
         changeALine(s, r, [](std::string& line, FuzzRandom& rr) {
             auto [begin, end] = fieldSpan(line, below(rr, fieldCount(line)));
             if (end < line.size()) ++end;  // with its comma
             line.erase(begin, end - begin);
         });
     }},
    {"swap two fields",
     [](std::string& s, FuzzRandom& r) {
         changeALine(s, r, [](std::string& line, FuzzRandom& rr) {
             std::vector<std::string> fields;
             std::stringstream in(line);
             for (std::string f; std::getline(in, f, ',');) fields.push_back(f);
             if (fields.size() < 2) return;
             std::swap(fields[below(rr, fields.size())], fields[below(rr, fields.size())]);
             line.clear();
             for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
         });
     }},
    {"a very long line",
     [](std::string& s, FuzzRandom& r) {
         changeALine(s, r, [](std::string& line, FuzzRandom& rr) {
             line.append(200 + below(rr, 400), below(rr, 2) ? ',' : '9');
         });
     }},
};

// Activations the small catalogue adds, low enough for its few pieces to
// reach (UTF-8, written in Shift-JIS).
const std::vector<std::string> kSmallActivations = {"柘矢・小,柘矢>=5", "澪閃・小,澪閃>=3", "瑠魂・小,瑠魂>=4",
                                                    "瑠翼・負,瑠翼<=-4"};

// The searches a catalogue gets, each finding hits in the good one:
// decorations with the weapon's slots, a negative skill with a priority
// order and a minimum defence, fixed decorations with three-slot pieces.
const std::vector<std::vector<std::string>> kSearches = {
    {"--skill", "柘矢・小", "--skill", "瑠魂・小", "--decorations", "--weapon-slots", "2"},
    {"--skill", "瑠翼・負", "--skill", "澪閃・小", "--decorations", "--weapon-slots", "3", "--priority", "1",
     "--min-defence", "40"},
    {"--skill", "柘矢・小", "--skill", "澪閃・小", "--decorations", "--weapon-slots", "1", "--fix", "body=#2",
     "--fix-deco", "body=柘矢の欠片", "--fix-decorations", "--three-slot"},
};

std::size_t hitCount(const std::string& file) {
    std::size_t hits = 0;
    for (std::size_t at = file.find("\nR,"); at != std::string::npos; at = file.find("\nR,", at + 1)) ++hits;
    return hits;
}

void writeCatalogueSubject(const std::filesystem::path& dir) { writeSmallCatalogue(dir, 14); }

// A saved search of the small catalogue, read back by "show".
constexpr const char* kResultFile = "r.CSV";

void writeResultSubject(const std::filesystem::path& dir) {
    writeSmallCatalogue(dir, 14);
    std::vector<std::string> args = {"search", "--data", dir.string()};
    args.insert(args.end(), kSearches.front().begin(), kSearches.front().end());
    args.insert(args.end(), {"-o", (dir / kResultFile).string()});
    ASSERT_EQ(runInProcess(args).status, kExitOk);
}

void checkResultFile(const std::filesystem::path& dir) {
    for (const std::vector<std::string>& extra : {std::vector<std::string>{}, {"--hit", "1"}, {"--hit", "2"}}) {
        std::vector<std::string> args = {"show", (dir / kResultFile).string(), "--data", dir.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        const InProcessRun run = runInProcess(args);
        EXPECT_TRUE(knownStatus(run.status)) << run.status << " " << run.err;
    }
}

}  // namespace

InProcessRun runInProcess(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliIo io{out, err, false};
    InProcessRun run;
    run.status = runCli(args, io);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::string withoutSaveTime(const std::string& file) {
    const std::size_t first = file.find('\n');
    if (first == std::string::npos) return file;
    const std::size_t second = file.find('\n', first + 1);
    return file.substr(0, first + 1) + (second == std::string::npos ? "" : file.substr(second + 1));
}

bool knownStatus(int status) { return status == kExitOk || status == kExitFailure || status == kExitBadInput; }

const std::vector<std::string>& extremeNumbers() {
    static const std::vector<std::string> numbers = {"-2147483648", "2147483647", "-1",          "0",
                                                     "4",           "2147483648", "-99999999999", "99999"};
    return numbers;
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << file;
}

namespace {

// Applies `change` to every data line, its CR kept out of reach.
template <class Change>
std::string changeDataLines(const std::string& bytes, Change change) {
    Lines lines = splitAtLf(bytes);
    for (std::string& line : lines) {
        if (!line.empty() && line[0] == '#') continue;
        const bool cr = !line.empty() && line.back() == '\r';
        if (cr) line.pop_back();
        change(line);
        if (cr) line += '\r';
    }
    return joinWithLf(lines);
}

}  // namespace

std::string withEveryDataField(const std::string& bytes, std::size_t field, const std::string& value) {
    return changeDataLines(bytes, [&](std::string& line) {
        const auto [begin, end] = fieldSpan(line, field);
        if (begin < line.size()) line.replace(begin, end - begin, value);
    });
}

std::string withEveryThreshold(const std::string& bytes, const std::string& value) {
    return changeDataLines(bytes, [&](std::string& line) {
        const std::size_t op = line.find_last_of("<>=");
        if (op != std::string::npos) line.replace(op + 1, std::string::npos, value);
    });
}

void writeSmallCatalogue(const std::filesystem::path& dir, std::size_t rows) {
    const std::filesystem::path sample = VK_SAMPLE_DIR;
    for (const std::string name : {kSkillTypeFile, kDecoFile}) writeBytes(dir / name, readBytes(sample / name));
    std::string activations = readBytes(sample / kSkillEqFile);
    for (const std::string& line : kSmallActivations) activations += utf8ToSjis(line) + "\r\n";
    writeBytes(dir / kSkillEqFile, activations);
    for (const char* name : kEquipFiles) {
        std::string kept;
        std::size_t data = 0;
        for (const std::string& line : splitAtLf(readBytes(sample / name))) {
            const bool comment = !line.empty() && line[0] == '#';
            if (!comment && data++ >= rows) continue;
            kept += line + '\n';
        }
        writeBytes(dir / name, kept);
    }
}

void checkCatalogueSearches(const std::filesystem::path& dir) { catalogueSearchHits(dir); }

std::vector<std::size_t> catalogueSearchHits(const std::filesystem::path& dir) {
    std::vector<std::size_t> counts;
    for (const std::vector<std::string>& search : kSearches) {
        std::vector<std::string> args = {"search", "--data", dir.string()};
        args.insert(args.end(), search.begin(), search.end());
        std::vector<std::string> reference = args;
        reference.insert(reference.end(), {"--engine", "reference"});
        std::vector<std::string> fast = args;
        fast.insert(fast.end(), {"--engine", "fast", "--threads", "2"});
        const InProcessRun byReference = runInProcess(reference);
        const InProcessRun byFast = runInProcess(fast);
        SCOPED_TRACE(search[1]);
        EXPECT_TRUE(knownStatus(byReference.status)) << byReference.status;
        EXPECT_EQ(byReference.status, byFast.status) << byReference.err << "\n" << byFast.err;
        EXPECT_EQ(withoutSaveTime(byReference.out), withoutSaveTime(byFast.out));
        const std::size_t hits = hitCount(byReference.out);
        counts.push_back(hits);
        if (byReference.status != kExitOk || hits == 0) continue;
        // The last hit's report, and the same file written through -o.
        std::vector<std::string> report = fast;
        report.insert(report.end(), {"--report", std::to_string(hits), "-o", (dir / "result.CSV").string()});
        const InProcessRun reported = runInProcess(report);
        EXPECT_EQ(reported.status, kExitOk) << reported.err;
        EXPECT_FALSE(reported.out.empty());
        EXPECT_EQ(withoutSaveTime(readBytes(dir / "result.CSV")), withoutSaveTime(byReference.out));
    }
    return counts;
}

const std::vector<FuzzMutator>& fuzzMutators() { return kMutators; }

const std::vector<FuzzSpecialFile>& fuzzSpecialFiles() {
    static const std::vector<FuzzSpecialFile> specials = {
        {"folder", [](const std::filesystem::path& f) { std::filesystem::create_directory(f); }},
        {"FIFO", [](const std::filesystem::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }},
        {"symlink loop", [](const std::filesystem::path& f) { std::filesystem::create_symlink(f.filename(), f); }},
        {"symlink to /dev/zero", [](const std::filesystem::path& f) { std::filesystem::create_symlink("/dev/zero", f); }},
    };
    return specials;
}

const std::vector<FuzzSubject>& fuzzSubjects() {
    static const std::vector<FuzzSubject> subjects = {
        {"catalogue", writeCatalogueSubject,
         {kSkillTypeFile, kEquipFiles[0], kEquipFiles[1], kEquipFiles[2], kEquipFiles[3], kEquipFiles[4], kDecoFile,
          kSkillEqFile},
         checkCatalogueSearches},
        {"result file", writeResultSubject, {kResultFile}, checkResultFile},
        collectionsFuzzSubject(),
        cappedCollectionsFuzzSubject(),
        settingsFuzzSubject(),
    };
    return subjects;
}

}  // namespace vk::cli::test
