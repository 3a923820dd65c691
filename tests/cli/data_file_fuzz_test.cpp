// Damaged input files, run through the program in-process: no crash, an exit
// status of 0, 1 or 2, and both engines agreeing, for every subject of the
// fuzz table. Fixed seeds; VK_FUZZ_CASES raises the number of cases for a
// longer run by hand.

#include <cstdlib>

#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "cli/fuzz_table.h"
#include "core/catalogue/data_files.h"

namespace {

using namespace vk::cli::test;

int caseCount(int usual) {
    const char* text = std::getenv("VK_FUZZ_CASES");
    return text ? std::atoi(text) : usual;
}

// Mutations of a catalogue whose searches find nothing would prove little.
TEST(DataFileFuzz, EverySearchFindsHitsInTheGoodCatalogue) {
    ScratchDir dir("fuzz-good");
    writeSmallCatalogue(dir.path(), 14);
    for (std::size_t hits : catalogueSearchHits(dir.path())) EXPECT_GT(hits, 10u);
}

TEST(DataFileFuzz, MutatedFilesOfEverySubject) {
    const std::vector<FuzzSubject>& subjects = fuzzSubjects();
    const std::vector<FuzzMutator>& mutators = fuzzMutators();
    const int cases = caseCount(320);
    for (int seed = 0; seed < cases; ++seed) {
        FuzzRandom random(static_cast<std::uint32_t>(seed) * 2654435761u + 17u);
        const FuzzSubject& subject = subjects[static_cast<std::size_t>(seed) % subjects.size()];
        ScratchDir dir("fuzz");
        subject.writeGood(dir.path());
        const std::string& file = subject.files[random() % subject.files.size()];
        std::string bytes = readBytes(dir / file);
        std::string applied;
        for (std::size_t i = 0, n = 1 + random() % 3; i < n; ++i) {
            const FuzzMutator& m = mutators[random() % mutators.size()];
            m.apply(bytes, random);
            applied += std::string(applied.empty() ? "" : ", ") + m.name;
        }
        writeBytes(dir / file, bytes);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", " + subject.name + ", " + file + ": " + applied);
        subject.check(dir.path());
        if (::testing::Test::HasFailure()) break;  // one seed's report is enough to go on
    }
}

// Each file of each subject as each special file: the checks hold, it stays.
TEST(DataFileFuzz, SpecialFilesInPlaceOfEveryFile) {
    for (const FuzzSubject& subject : fuzzSubjects())
        for (const std::string& file : subject.files)
            for (const FuzzSpecialFile& special : fuzzSpecialFiles()) {
                SCOPED_TRACE(std::string(subject.name) + ", " + file + " as a " + special.name);
                ScratchDir dir("fuzz-special");
                subject.writeGood(dir.path());
                std::filesystem::remove(dir / file);
                special.make(dir / file);
                const std::filesystem::file_type type = std::filesystem::symlink_status(dir / file).type();
                subject.check(dir.path());
                EXPECT_EQ(std::filesystem::symlink_status(dir / file).type(), type);
                if (::testing::Test::HasFailure()) return;
            }
}

// Every numeric column of every data file, set to each extreme number in
// every data line at once (all decorations at -1 slots, every piece at the
// int maximum of defence, ...).
TEST(DataFileFuzz, ExtremeNumbersInEveryNumericColumn) {
    struct Columns {
        const char* file;
        std::vector<std::size_t> fields;  // 0-based comma fields holding numbers
    };
    std::vector<Columns> columns;
    for (const char* file : vk::kEquipFiles) columns.push_back({file, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20}});
    columns.push_back({vk::kDecoFile, {1, 2, 4, 6}});
    const std::vector<std::string> values = {"-2147483648", "2147483647", "-1", "4", "99999999999"};

    ScratchDir good("sweep-good");
    writeSmallCatalogue(good.path(), 14);
    for (const Columns& c : columns) {
        const std::string original = readBytes(good / c.file);
        for (std::size_t field : c.fields) {
            for (const std::string& value : values) {
                SCOPED_TRACE(std::string(c.file) + " field " + std::to_string(field) + " = " + value);
                ScratchDir dir("sweep");
                writeSmallCatalogue(dir.path(), 14);
                writeBytes(dir / c.file, withEveryDataField(original, field, value));
                checkCatalogueSearches(dir.path());
                if (::testing::Test::HasFailure()) return;
            }
        }
    }
    // Thresholds: the number after the operator of every activation.
    const std::string activations = readBytes(good / vk::kSkillEqFile);
    for (const std::string& value : values) {
        SCOPED_TRACE(std::string("threshold = ") + value);
        ScratchDir dir("sweep");
        writeSmallCatalogue(dir.path(), 14);
        writeBytes(dir / vk::kSkillEqFile, withEveryThreshold(activations, value));
        checkCatalogueSearches(dir.path());
        if (::testing::Test::HasFailure()) return;
    }
}

}  // namespace
