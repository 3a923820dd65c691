#pragma once
// The options of "velkorantis-cli search" as typed: numbers checked, names
// not yet looked up (that needs the catalogue, see condition_from_options.h).

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/engine_choice.h"
#include "core/catalogue/records.h"

namespace vk::cli {

// "--fix PART=NAME" or "--fix PART=#INDEX".
struct FixedPieceOption {
    int part = 0;  // PartIndex
    std::string name;         // UTF-8, when no index was given
    std::optional<int> index;
};

// "--fix-deco PART=NAME".
struct FixedDecoOption {
    int part = 0;
    std::string name;  // UTF-8
};

struct SearchOptions {
    std::filesystem::path dataDir = ".";
    std::vector<std::string> skills;  // UTF-8 activation names, box order
    int sex = 1;                      // 1 男, 2 女
    int type = 1;                     // 1 剣士, 2 ガンナー
    int rarity = 0;                   // 0 no limit
    bool decorations = false;
    int weaponSlots = 0;
    bool threeSlotPieces = false;
    bool allPieces = false;
    std::string hitLimit = "100000";  // checked decimal text, gathered like the window's edit
    bool hitLimitGiven = false;       // --hit-limit was on the command line
    int priority = 0;
    std::string minDefence = "0";
    std::vector<FixedPieceOption> fixes;
    std::vector<FixedDecoOption> fixDecos;
    bool fixDecorations = false;
    std::optional<std::filesystem::path> outputFile;
    std::optional<std::filesystem::path> collectionsFile;  // --collections: exclusions and owned pieces
    bool possessions = false;                              // --possessions: owned pieces join the search
    std::optional<int> reportHit;  // --report N: print hit N's text report after the search
    // --max-memory MB: the memory budget of the kept hits; none given: a
    // quarter of physical memory (defaultMemoryBudgetMegabytes).
    std::optional<int> maxMemoryMb;
    bool reportSjis = false;       // --sjis: the report's raw Shift-JIS bytes
    EngineChoice engine;
    bool help = false;
};

// Throws UsageError for anything malformed.
SearchOptions parseSearchOptions(const std::vector<std::string>& args);

// PART name ("head", "body", "arm", "waist", "leg") to PartIndex; throws.
int parsePartName(const std::string& option, const std::string& name);

// The text of "velkorantis-cli search --help".
const char* searchUsage();

}  // namespace vk::cli
