#include "core/results/result_file_reader.h"

#include <array>
#include <map>
#include <vector>

#include "core/catalogue/data_lines.h"
#include "core/catalogue/line_fields.h"
#include "core/catalogue/stored_reference.h"
#include "core/files/regular_file.h"
#include "core/results/result_file_writer.h"
#include "core/search/condition/condition_gather.h"
#include "core/search/hits/result_view.h"
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
    bool complete() const { return !missing_; }

private:
    FieldSplitter split_;
    bool missing_ = false;
};

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
    Fields f(line);
    c.sex = f.number();
    c.rarityLimit = f.number();
    c.type = f.number();
    c.wanted = {};
    c.wantedCount = 0;
    for (int box = 0; box < (allFields ? 5 : 3); ++box) {
        const int entry = cat.findSkillEq(f.text());
        c.wanted[box] = entry > 0 ? entry : 0;
        if (c.wanted[box] > 0) ++c.wantedCount;
    }
    c.useDecorations = f.flag();
    c.weaponSlots = f.number();
    c.possessions = f.flag();
    c.HitLimit = f.number();
    c.Priority = f.number();
    c.threeSlotPieces = f.flag();
    c.Interrupted = f.flag();
    c.minDefence = hasDefence ? f.number() : 0;
    c.allPieces = allFields ? f.flag() : false;
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

Record readHit(Fields& f, const Catalogue& cat, const IndexMap& map, const PossessionLists& possessions,
               std::deque<Result>& hits) {
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
    numberHit(hit, static_cast<int>(hits.size()) + 1, cat, possessions);
    hits.push_back(hit);
    return Record::Kept;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& file, std::size_t limit) {
    return readRegularFile(file, nullptr, limit);  // a FIFO would never end
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

std::optional<LoadedResultFile> parseResultFile(std::string_view bytes, const Catalogue& catalogue,
                                                const PossessionLists& possessions) {
    LoadedResultFile file;
    file.exclusions = ExceptFlags::sizedFor(catalogue);
    LinePieceReader lines(bytes, kResultLineBytes);
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
        else if (kind == "R") read = readHit(f, catalogue, map, possessions, file.hits);
        if (read == Record::Broken) return std::nullopt;
    }
    return file;
}

std::optional<LoadedResultFile> readResultFile(const std::filesystem::path& file, const Catalogue& catalogue,
                                               const PossessionLists& possessions) {
    const std::optional<std::string> bytes = readFileBytes(file, static_cast<std::size_t>(-1));
    if (!bytes) return std::nullopt;
    return parseResultFile(*bytes, catalogue, possessions);
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
