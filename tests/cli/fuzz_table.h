#pragma once
// The fuzz test's table of the files the program reads. A subject lays down
// a good working folder, names the files in it that mutators may change, and
// runs the program over a folder, checking what must hold whatever the bytes
// (no crash, an exit status of 0, 1 or 2, both engines agreeing). A mutator
// changes the bytes of one file. A new reader joins by adding a subject;
// new kinds of damage by adding a mutator.

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace vk::cli::test {

using FuzzRandom = std::mt19937;

struct FuzzMutator {
    const char* name;
    void (*apply)(std::string& bytes, FuzzRandom& random);
};

struct FuzzSubject {
    const char* name;
    void (*writeGood)(const std::filesystem::path& dir);  // into an empty folder
    std::vector<std::string> files;                      // the ones mutators may change
    void (*check)(const std::filesystem::path& dir);     // adds test failures for what is wrong
};

// What may stand in a file's place instead of bytes. A reader refuses each
// at once, like a file it cannot open, and never replaces it.
struct FuzzSpecialFile {
    const char* name;
    void (*make)(const std::filesystem::path& file);  // `file` does not exist yet
};

const std::vector<FuzzMutator>& fuzzMutators();
const std::vector<FuzzSpecialFile>& fuzzSpecialFiles();
const std::vector<FuzzSubject>& fuzzSubjects();

// Numbers a reader has to survive in any numeric field.
const std::vector<std::string>& extremeNumbers();

// A small catalogue cut from the bundled sample: every comment, the first
// `rows` data lines of each armour file, the other files whole, and a few
// activations its pieces can reach.
void writeSmallCatalogue(const std::filesystem::path& dir, std::size_t rows);

// `bytes` with comma field `field` (from 0) of every data line set to
// `value`; comment lines stay as they are.
std::string withEveryDataField(const std::string& bytes, std::size_t field, const std::string& value);

// `bytes` of an activation file with every threshold (what follows the
// operator) set to `value`.
std::string withEveryThreshold(const std::string& bytes, const std::string& value);

// The catalogue subject's check: the same searches under both engines, and
// the last hit's report and -o file from the fast one.
void checkCatalogueSearches(const std::filesystem::path& dir);
// The same, returning the hits each search found.
std::vector<std::size_t> catalogueSearchHits(const std::filesystem::path& dir);

// The program run in-process: its exit status and what it printed.
struct InProcessRun {
    int status = -1;
    std::string out;
    std::string err;
};
InProcessRun runInProcess(const std::vector<std::string>& args);

// A result file without its second line (the time of saving).
std::string withoutSaveTime(const std::string& file);

// 0, 1 or 2: the only statuses the program may end with.
bool knownStatus(int status);

// The collections file (config.csv) and the settings file (INI) as subjects;
// they live in their own file.
FuzzSubject collectionsFuzzSubject();
FuzzSubject cappedCollectionsFuzzSubject();
FuzzSubject settingsFuzzSubject();

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

}  // namespace vk::cli::test
