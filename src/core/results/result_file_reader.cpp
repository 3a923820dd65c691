#include "core/results/result_file_reader.h"

#include <array>
#include <map>
#include <vector>

#include "core/catalogue/data_lines.h"
#include "core/catalogue/line_fields.h"
#include "core/catalogue/stored_reference.h"
#include "core/files/line_pieces.h"
#include "core/files/regular_file.h"
#include "core/results/result_file_writer.h"
#include "core/search/condition/condition_captions.h"
#include "core/search/condition/condition_gather.h"
#include "core/text/sjis.h"

namespace vk {

namespace {

constexpr std::array<std::string_view, 5> kReadVersions = {"0.3", "0.4", "0.5", "0.6", "0.7"};

// The fields of one line, taken in order; asking past the last one marks the
// line as short, which fails the read.
class Fields {
public:
    explicit Fields(std::string_view line) : split_(line) {}

    std::string_view text() {
        std::string_view token;
        if (!split_.next(token)) missing_ = true;
        return missing_ ? std::string_view() : token;
    }
    int number() { return parseInt(text()); }
    bool flag() { return number() != 0; }
    // A number that must lie in low..high; one outside marks the line as bad.
    int number(int low, int high) {
        const int value = number();
        if (value < low || value > high) outOfRange_ = true;
        return value;
    }
    bool strictFlag() { return number(0, 1) != 0; }
    bool complete() const { return !missing_ && !outOfRange_; }

private:
    FieldSplitter split_;
    bool missing_ = false;
    bool outOfRange_ = false;
};

template <std::size_t N>
constexpr int lastItem(const std::array<const char*, N>&) {
    return static_cast<int>(N) - 1;
}

bool knownIdentification(std::string_view line, std::string* version) {
    Fields f(line);
    const std::string_view magic = f.text();
    const std::string_view v = f.text();
    if (!f.complete() || magic != kResultFileMagic) return false;
    for (std::string_view known : kReadVersions)
        if (v == known) {
            if (version) *version = std::string(v);
            return true;
        }
    return false;
}

bool readConditions(std::string_view line, std::string_view version, const Catalogue& cat, SearchCondition& c) {
    const bool allFields = version == "0.7";
    const bool hasDefence = version != "0.3";
    // Every choice must be one the search page offers: the values go on to
    // list indices and sums, where a stray one would not stay harmless.
    Fields f(line);
    c.sex = f.number(1, 2);
    c.rarityLimit = f.number(0, lastItem(kRarityItems));
    c.type = f.number(1, 2);
    c.wanted = {};
    c.wantedCount = 0;
    for (int box = 0; box < (allFields ? 5 : 3); ++box) {
        const int entry = cat.findSkillEq(f.text());
        c.wanted[box] = entry > 0 ? entry : 0;
        if (c.wanted[box] > 0) ++c.wantedCount;
    }
    c.useDecorations = f.strictFlag();
    c.weaponSlots = f.number(0, lastItem(kWeaponSlotItems));
    c.possessions = f.strictFlag();
    c.HitLimit = f.number();
    c.Priority = f.number(0, lastItem(kPriorityItems));
    c.threeSlotPieces = f.strictFlag();
    c.Interrupted = f.strictFlag();
    c.minDefence = hasDefence ? f.number() : 0;
    c.allPieces = allFields ? f.strictFlag() : false;
    return f.complete();
}

bool readFixedPieces(std::string_view line, const Catalogue& cat, SearchCondition& c) {
    Fields f(line);
    for (int p = 0; p < kArmourParts; ++p) {
        c.fixed[p] = f.flag();
        const std::string_view name = f.text();
        c.fixedPiece[p] = firstPieceNamed(cat, p, name, f.number());
    }
    return f.complete();
}

bool readFixedDecorations(std::string_view line, const Catalogue& cat, SearchCondition& c) {
    Fields f(line);
    DecoSet& d = c.allFixedDecos;
    d = DecoSet{};
    c.fixDecorations = f.flag();
    for (int p = 0; p < kDecoParts; ++p) {
        for (int s = 0; s < kSlotsPerPart; ++s) d.SlotUsed[p][s] = f.number();
        d.SlotsUsed[p] = f.number();
    }
    for (int p = 0; p < kDecoParts; ++p) {
        for (int s = 0; s < kSlotsPerPart; ++s) {
            const std::string_view name = f.text();
            d.DecoIndex[p][s] = firstDecoNamed(cat, name, f.number());
        }
        d.DecoCount[p] = f.number();
    }
    d.DecoTotal = f.number();
    return f.complete();
}

// Per table (parts 0..4, decorations 5): stored index -> current row. The
// stored indices a file names beyond the catalogue's rows are kept apart, so
// that an index near the int maximum costs one entry, not a table that size.
class IndexMap {
public:
    explicit IndexMap(const Catalogue& cat) {
        for (int t = 0; t < kDecoParts; ++t) {
            const std::size_t rows = t == kDecoTable ? cat.decos.size() : cat.equip[t].size();
            inCatalogue_[t].resize(rows);
            for (std::size_t i = 0; i < rows; ++i) inCatalogue_[t][i] = static_cast<int>(i);
        }
    }
    // Stored index `stored` of table `t` reads as `row` from now on.
    void remap(int t, int stored, int row) {
        if (stored < 0) return;
        if (static_cast<std::size_t>(stored) < inCatalogue_[t].size()) inCatalogue_[t][stored] = row;
        else beyond_[t][stored] = row;
    }
    // -1 when the stored index is none the file or the catalogue knows.
    int row(int t, int stored) const {
        if (stored < 0) return -1;
        const auto& m = inCatalogue_[t];
        if (static_cast<std::size_t>(stored) < m.size()) return m[stored];
        const auto found = beyond_[t].find(stored);
        return found == beyond_[t].end() ? -1 : found->second;
    }

private:
    std::array<std::vector<int>, kDecoParts> inCatalogue_;
    std::array<std::map<int, int>, kDecoParts> beyond_;
};

std::size_t tableRows(const Catalogue& cat, int t) {
    return t == kDecoTable ? cat.decos.size() : cat.equip[t].size();
}

bool isRow(const Catalogue& cat, int t, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < tableRows(cat, t);
}

enum class Record { Kept, Ignored, Broken };

Record readExclusion(Fields& f, bool piece, const Catalogue& cat, ExceptFlags& ex) {
    const int part = piece ? f.number() : kDecoTable;
    const std::string_view name = f.text();
    const int stored = f.number();
    if (!f.complete()) return Record::Broken;
    if (part < 0 || part > kDecoTable || (piece && part == kDecoTable)) return Record::Ignored;
    const int row = resolveStoredRow(cat, part, name, stored);
    if (!isRow(cat, part, row)) return Record::Ignored;
    (part == kDecoTable ? ex.deco[row] : ex.equip[part][row]) = 1;
    return Record::Kept;
}

Record readNameList(Fields& f, const Catalogue& cat, IndexMap& map) {
    const int table = f.number();
    const std::string_view name = f.text();
    const int stored = f.number();
    if (!f.complete()) return Record::Broken;
    if (table < 0 || table > kDecoTable) return Record::Ignored;
    const int row = resolveStoredRow(cat, table, name, stored);
    if (row >= 0 && row != stored) map.remap(table, stored, row);
    return Record::Kept;
}

Record readHit(Fields& f, const Catalogue& cat, const IndexMap& map, ResultStore& hits) {
    Result hit;
    bool rowsKnown = true;
    const auto mapped = [&](int table) {
        const int row = map.row(table, f.number());
        if (!isRow(cat, table, row)) rowsKnown = false;
        return row;
    };
    for (int p = 0; p < kArmourParts; ++p) hit.Index[p] = mapped(p);
    for (int p = 0; p < kDecoParts; ++p)
        for (int s = 0; s < kSlotsPerPart; ++s) hit.Decos.DecoIndex[p][s] = mapped(kDecoTable);
    if (!f.complete() || !rowsKnown) return Record::Broken;
    hits.push_back(hit);
    return Record::Kept;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& file, std::size_t limit) {
    return readRegularFile(file, nullptr, limit);  // a FIFO would never end
}

// Lines gives next(piece); a file source also says whether it failed.
template <class Lines>
std::optional<LoadedResultFile> readLines(Lines& lines, const Catalogue& catalogue) {
    LoadedResultFile file;
    file.exclusions = ExceptFlags::sizedFor(catalogue);
    std::string_view line;
    if (!lines.next(line) || !knownIdentification(line, &file.version)) return std::nullopt;
    if (!lines.next(line)) return std::nullopt;  // the summary is not read back
    if (!lines.next(line) || !readConditions(line, file.version, catalogue, file.condition)) return std::nullopt;
    if (!lines.next(line) || !readFixedPieces(line, catalogue, file.condition)) return std::nullopt;
    if (!lines.next(line) || !readFixedDecorations(line, catalogue, file.condition)) return std::nullopt;
    file.condition.fixedDecos = decorationsOfFixedParts(file.condition.allFixedDecos, file.condition.fixed);

    IndexMap map(catalogue);
    while (lines.next(line)) {
        Fields f(line);
        const std::string_view kind = f.text();
        Record read = Record::Ignored;
        if (kind == "EE") read = readExclusion(f, true, catalogue, file.exclusions);
        else if (kind == "ED") read = readExclusion(f, false, catalogue, file.exclusions);
        else if (kind == "L") read = readNameList(f, catalogue, map);
        else if (kind == "R") read = readHit(f, catalogue, map, file.hits);
        if (read == Record::Broken) return std::nullopt;
    }
    if constexpr (requires { lines.failed(); }) {
        if (lines.failed()) return std::nullopt;
    }
    return file;
}

}  // namespace

std::optional<ResultFileHeader> parseResultFileHeader(std::string_view bytes) {
    LinePieceReader lines(bytes, kResultLineBytes);
    std::string_view line;
    if (!lines.next(line) || !knownIdentification(line, nullptr)) return std::nullopt;
    if (!lines.next(line)) return std::nullopt;
    Fields f(line);
    ResultFileHeader header;
    header.hitCount = f.number();
    header.savedAt = f.number();
    if (!f.complete()) return std::nullopt;
    return header;
}

std::optional<ResultFileHeader> readResultFileHeader(const std::filesystem::path& file) {
    // Two lines of at most kResultLineBytes each.
    const std::optional<std::string> bytes = readFileBytes(file, 2 * (kResultLineBytes + 1));
    if (!bytes) return std::nullopt;
    return parseResultFileHeader(*bytes);
}

std::optional<LoadedResultFile> parseResultFile(std::string_view bytes, const Catalogue& catalogue) {
    LinePieceReader lines(bytes, kResultLineBytes);
    return readLines(lines, catalogue);
}

std::optional<LoadedResultFile> readResultFile(const std::filesystem::path& file, const Catalogue& catalogue) {
    // Line by line: a file of millions of hits never stands in memory whole.
    FileLinePieces lines(file, kResultLineBytes);
    return readLines(lines, catalogue);
}

SearchEnding searchEnding(const SearchCondition& condition, std::size_t hitCount) {
    if (condition.Interrupted) return SearchEnding::Interrupted;
    if (static_cast<long long>(hitCount) == condition.HitLimit) return SearchEnding::HitLimit;
    return SearchEnding::Complete;
}

std::string searchEndingText(SearchEnding ending) {
    switch (ending) {
    case SearchEnding::Interrupted: return utf8ToSjis("中断検索");
    case SearchEnding::HitLimit: return utf8ToSjis("検索数制限");
    case SearchEnding::Complete: break;
    }
    return utf8ToSjis("完了検索");
}

}  // namespace vk
