#include "cli/search_options.h"

#include <climits>

#include "cli/arg_reader.h"
#include "cli/engine_options.h"
#include "cli/usage_error.h"

namespace vk::cli {

namespace {

constexpr int kMaxSkills = 5;

// Checks a number that the window reads from an edit box, and keeps it as
// text so it is gathered by the same rule.
std::string wholeNumberText(ArgReader& reader) {
    return std::to_string(reader.intValue(INT_MIN, INT_MAX));
}

FixedPieceOption parseFix(const std::string& option, const std::string& text) {
    auto [part, piece] = splitAssignment(option, text);
    FixedPieceOption fix;
    fix.part = parsePartName(option, part);
    if (!piece.empty() && piece[0] == '#') {
        fix.index = parseIntInRange(option + " " + part + "=#", piece.substr(1), 0, INT_MAX);
    } else if (piece.empty()) {
        throw UsageError(option + " " + part + "= needs a piece name or #INDEX");
    } else {
        fix.name = piece;
    }
    return fix;
}

FixedDecoOption parseFixDeco(const std::string& option, const std::string& text) {
    auto [part, deco] = splitAssignment(option, text);
    if (deco.empty()) throw UsageError(option + " " + part + "= needs a decoration name");
    return {parsePartName(option, part), deco};
}

}  // namespace

int parsePartName(const std::string& option, const std::string& name) {
    if (name == "leg") return Leg;
    if (name == "head") return Head;
    if (name == "body") return Body;
    if (name == "arm") return Arm;
    if (name == "waist") return Wst;
    throw UsageError(option + ": unknown part '" + name + "' (head, body, arm, waist or leg)");
}

SearchOptions parseSearchOptions(const std::vector<std::string>& args) {
    SearchOptions o;
    ArgReader r(args);
    while (!r.done()) {
        const std::string opt = r.nextOption();
        if (opt == "--help" || opt == "-h") { r.noValue(); o.help = true; }
        else if (readEngineOption(opt, r, o.engine)) continue;
        else if (opt == "--data") o.dataDir = r.value();
        else if (opt == "--skill") {
            if (o.skills.size() == kMaxSkills) throw UsageError("at most five --skill options");
            o.skills.push_back(r.value());
        }
        else if (opt == "--sex") o.sex = r.intValue(1, 2);
        else if (opt == "--type") o.type = r.intValue(1, 2);
        else if (opt == "--rarity") o.rarity = r.intValue(0, 8);
        else if (opt == "--decorations") { r.noValue(); o.decorations = true; }
        else if (opt == "--weapon-slots") o.weaponSlots = r.intValue(0, 3);
        else if (opt == "--three-slot") { r.noValue(); o.threeSlotPieces = true; }
        else if (opt == "--all-pieces") { r.noValue(); o.allPieces = true; }
        else if (opt == "--hit-limit") { o.hitLimit = wholeNumberText(r); o.hitLimitGiven = true; }
        else if (opt == "--priority") o.priority = r.intValue(0, 8);
        else if (opt == "--min-defence") o.minDefence = wholeNumberText(r);
        else if (opt == "--fix") o.fixes.push_back(parseFix(opt, r.value()));
        else if (opt == "--fix-deco") o.fixDecos.push_back(parseFixDeco(opt, r.value()));
        else if (opt == "--fix-decorations") { r.noValue(); o.fixDecorations = true; }
        else if (opt == "-o" || opt == "--output") {
            o.outputFile = r.value();
            if (o.outputFile->empty()) throw UsageError(opt + " needs a file name");
        }
        else if (opt == "--collections") o.collectionsFile = r.value();
        else if (opt == "--possessions") { r.noValue(); o.possessions = true; }
        else if (opt == "--report") o.reportHit = r.intValue(1, INT_MAX);
        else if (opt == "--max-memory") o.maxMemoryMb = r.intValue(1, INT_MAX);
        else if (opt == "--sjis") { r.noValue(); o.reportSjis = true; }
        else throw UsageError("unknown option '" + opt + "' (see --help)");
    }
    if (!o.help && o.skills.empty()) throw UsageError("no skill given: name at least one with --skill");
    if (o.reportSjis && !o.reportHit) throw UsageError("--sjis applies to --report only");
    if (o.possessions && !o.collectionsFile) throw UsageError("--possessions needs --collections FILE");
    return o;
}

const char* searchUsage() {
    static const std::string text = std::string(R"(usage: velkorantis-cli search [options]

Searches the armour sets that activate every wanted skill and writes them as a
result file (version 0.7, Shift-JIS, CR LF) to FILE or to standard output.
The last line on standard error sums the search up:
  N hits, T of C combinations tested, S s
Ctrl+C stops the search: the hits found until then are written, and the line
before the summary says the search was interrupted. So does the memory budget
(--max-memory): when the hits kept reach it, the search ends there, its hits
are written as an interrupted search, and the line before the summary reads
  stopped: memory budget of M MB reached

  --data DIR           catalogue folder with the eight data files (default: .)
  --skill NAME         a wanted skill: an activation name of SKILL_EQ.csv, in
                       UTF-8; up to five, in box order (the first is skill box 1);
                       at least one; two skills of one skill system are refused
  --sex 1|2            wearer: 1 male (男), 2 female (女); default 1
  --type 1|2           hunter type: 1 blade (剣士), 2 gunner (ガンナー); default 1
  --rarity 0-8         0 no rarity limit (default); N allows rarity N or less
                       for pieces and decorations
  --decorations        fit decorations where armour alone falls short
  --weapon-slots 0-3   slots of the weapon for decorations (default 0); used
                       only with --decorations
  --three-slot         add every three-slot piece to the candidates
  --all-pieces         take every piece of every part as a candidate (ignores
                       --three-slot)
  --hit-limit N        stop after N hits (default 100000; a negative N means
                       no limit, 0 stops after the first combination that
                       reaches the skill test, hit or not)
  --priority 0-8       order of the candidates, highest first: 0 none (default),
                       1 defence, 2 rarity, 3 slots, 4 fire, 5 water,
                       6 thunder, 7 ice, 8 dragon resistance
  --min-defence N      skip sets whose summed defence is below N (default 0)
  --fix PART=NAME      hold PART fixed to the first piece named NAME (UTF-8);
  --fix PART=#INDEX    or to row INDEX of the part's table (0 = no piece);
                       PART is head, body, arm, waist or leg
  --fix-deco PART=NAME fit the decoration NAME into the piece fixed by
                       --fix PART, in slot order; repeat for more decorations;
                       refused when its slots exceed the piece's free slots
  --fix-decorations    count the fixed decorations and keep them in place
  --collections FILE   take the exclusions and the owned pieces from FILE, a
                       collections file as the program saves it (config.csv);
                       the result file records those exclusions
  --possessions        owned pieces join the candidates (所持品利用); needs
                       --collections
  -o, --output FILE    write the result file to FILE (replaced only after a
                       successful search) instead of standard output; a
                       symlink's target is replaced, a FIFO or device is
                       written in place
  --report N           after the search, print the text report of hit N (1 is
                       the first hit found) to standard output, in UTF-8;
                       a hit number beyond the hits found is refused
  --sjis               print that report as its Shift-JIS bytes instead
  --max-memory MB      memory the kept hits may take, in MB of 1,048,576 bytes
                       (a positive whole number; default a quarter of the
                       physical memory); it counts the hits' packed rows
                       (about 52 bytes a hit), not the search's working memory
)") + engineOptionsUsage() + R"(  -h, --help           show this text

Exit status: 0 done, 1 the catalogue (a file missing or without rows) or the
collections file could not be read, or the result file or report could not be
written (to FILE or standard output), 2 the command line was refused (nothing
is written).
)";
    return text.c_str();
}

}  // namespace vk::cli
