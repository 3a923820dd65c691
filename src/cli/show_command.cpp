#include "cli/show_command.h"

#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/arg_reader.h"
#include "cli/catalogue_loading.h"
#include "cli/hit_report.h"
#include "cli/usage_error.h"
#include "core/results/result_file_reader.h"
#include "core/results/shown_set.h"
#include "core/search/condition/condition_captions.h"
#include "core/search/hits/result_view.h"
#include "core/text/sjis.h"

namespace vk::cli {

namespace {

constexpr const char* kCommand = "velkorantis-cli show: ";

struct ShowOptions {
    bool help = false;
    std::filesystem::path file;
    std::filesystem::path dataDir = ".";
    std::optional<int> hit;
    bool sjis = false;
};

const char* showUsage() {
    return R"(usage: velkorantis-cli show FILE [--data DIR] [--hit N [--sjis]]

Reads the saved search FILE (a result file of version 0.3 to 0.7, from any
folder) against the catalogue and prints, in UTF-8, its conditions (one
"caption,value" line each), how the search ended (中断検索, 検索数制限 or
完了検索) and one line per hit: no, defence, slots, owned pieces.

  --data DIR   the catalogue folder (default: the current folder)
  --hit N      print the text report of hit N instead, as "search --report N"
               does, with the sex, type and weapon slots of the file
  --sjis       with --hit: the report as Shift-JIS bytes, as the clipboard
               gets it
  -h, --help   show this text

The last line on standard error reads "N hits read". Exit status 0; 1 when
the catalogue or the file cannot be read (the file: "ファイルの内容が間違って
います"); 2 when the command line is refused or hit N does not exist.
)";
}

ShowOptions parseShowOptions(const std::vector<std::string>& args) {
    ShowOptions o;
    ArgReader r(args);
    std::optional<std::string> file;
    while (!r.done()) {
        if (std::optional<std::string> operand = r.nextOperand()) {
            if (file) throw UsageError("one FILE only, not also '" + *operand + "'");
            file = operand;
            continue;
        }
        const std::string opt = r.nextOption();
        if (opt == "--help" || opt == "-h") { r.noValue(); o.help = true; }
        else if (opt == "--data") o.dataDir = r.value();
        else if (opt == "--hit") o.hit = r.intValue(1, 0x7fffffff);
        else if (opt == "--sjis") { r.noValue(); o.sjis = true; }
        else throw UsageError("unknown option '" + opt + "' (see --help)");
    }
    if (o.help) return o;
    if (!file || file->empty()) throw UsageError("name the result FILE to show");
    if (o.sjis && !o.hit) throw UsageError("--sjis goes with --hit");
    o.file = *file;
    return o;
}

std::string onOff(bool on) { return on ? "1" : "0"; }

template <std::size_t N>
const char* item(const std::array<const char*, N>& items, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < N ? items[i] : "?";
}

std::string skillName(const Catalogue& cat, int entry) {
    return entry >= 0 && static_cast<std::size_t>(entry) < cat.skillEqs.size() ? sjisToUtf8(cat.skillEqs[entry].name)
                                                                                : "?";
}

std::string pieceName(const Catalogue& cat, int part, int row) {
    const auto& table = cat.equip[part];
    return row >= 0 && static_cast<std::size_t>(row) < table.size() ? sjisToUtf8(table[row].name) : "?";
}

// The conditions as "caption,value" lines in the order of the search page,
// then one line per hit, numbered and summed as the window's list shows it.
void writeListing(std::ostream& out, const Catalogue& cat, const LoadedResultFile& file) {
    const SearchCondition& c = file.condition;
    static const char* kBoxes[5] = {"スキル１", "スキル２", "スキル３", "スキル４", "スキル５"};
    static const char* kFixed[kArmourParts] = {"脚固定", "頭固定", "胴固定", "腕固定", "腰固定"};
    static constexpr int kShownParts[kArmourParts] = {Head, Body, Arm, Wst, Leg};
    for (int box = 0; box < 5; ++box) out << kBoxes[box] << ',' << skillName(cat, c.wanted[box]) << '\n';
    out << "性別," << (c.sex == 2 ? "女" : "男") << '\n';
    out << "タイプ," << (c.type == 2 ? "ガンナー" : "剣士") << '\n';
    out << "レア," << item(kRarityItems, c.rarityLimit) << '\n';
    out << "防御(以上)," << c.minDefence << '\n';
    out << "装飾品を使う," << onOff(c.useDecorations) << '\n';
    out << "武器スロット," << item(kWeaponSlotItems, c.weaponSlots) << '\n';
    out << "３スロット装備," << onOff(c.threeSlotPieces) << '\n';
    out << "所持品利用," << onOff(c.possessions) << '\n';
    out << "全防具," << onOff(c.allPieces) << '\n';
    out << "検索ヒット件数制限," << c.HitLimit << '\n';
    out << "検索優先度," << item(kPriorityItems, c.Priority) << '\n';
    for (int part : kShownParts)
        out << kFixed[part] << ',' << onOff(c.fixed[part]) << ',' << pieceName(cat, part, c.fixedPiece[part]) << ','
            << sjisToUtf8(decorationText(cat, c.allFixedDecos, part)) << '\n';
    out << "装飾品も固定," << onOff(c.fixDecorations) << '\n';
    out << "検索結果," << sjisToUtf8(searchEndingText(searchEnding(c, file.hits.size()))) << '\n';
    out << "no,防御,スロット,所持数\n";
    for (std::size_t i = 0; i < file.hits.size(); ++i) {
        Result hit = file.hits[i];
        numberHit(hit, static_cast<int>(i + 1), cat, {});
        out << hit.No << ',' << hit.Defence << ',' << hit.Slot << ',' << hit.Possessed << '\n';
    }
}

}  // namespace

int runShowCommand(const std::vector<std::string>& args, CliIo& io) {
    ShowOptions options;
    try {
        options = parseShowOptions(args);
    } catch (const UsageError& e) {
        io.err << kCommand << e.what() << '\n';
        return kExitBadInput;
    }
    if (options.help) {
        io.out << showUsage();
        return kExitOk;
    }
    Catalogue cat;
    if (!loadCatalogueReporting(options.dataDir, cat, io.err)) {
        io.err << kCommand << "cannot read: the catalogue in '" << options.dataDir.string() << "' is incomplete\n";
        return kExitFailure;
    }
    const std::optional<LoadedResultFile> file = readResultFile(options.file, cat);
    if (!file) {
        io.err << kCommand << options.file.string() << ": ファイルの内容が間違っています\n";
        return kExitFailure;
    }
    if (options.hit) {
        const std::optional<std::string> report = hitReport(cat, file->condition, file->hits, *options.hit, options.sjis);
        if (!report) {
            io.err << kCommand << "--hit " << *options.hit << ": no such hit, the file holds " << file->hits.size()
                   << " hits\n";
            return kExitBadInput;
        }
        io.out << *report;
    } else {
        writeListing(io.out, cat, *file);  // straight out: a million hit lines are not gathered first
    }
    io.out << std::flush;
    if (!io.out) {
        io.err << kCommand << "cannot write to standard output\n";
        return kExitFailure;
    }
    io.err << file->hits.size() << " hits read\n";
    return kExitOk;
}

}  // namespace vk::cli
