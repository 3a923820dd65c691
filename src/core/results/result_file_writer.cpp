#include "core/results/result_file_writer.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "core/files/replace_file.h"
#include "core/results/name_lists.h"

namespace vk {

namespace {

constexpr const char* kEol = "\r\n";

// Name of row `row` of a table, or an empty name for a row the table lacks
// (a stored index is still written, so nothing is lost).
template <class Table>
const std::string& nameOf(const Table& table, int row) {
    static const std::string kNone;
    if (row < 0 || row >= static_cast<int>(table.size())) return kNone;
    return table[row].name;
}

// Comma-joined fields of one line.
class Line {
public:
    explicit Line(std::string& out) : out_(out) {}
    Line& field(int v) { return text(std::to_string(v)); }
    Line& field(bool v) { return field(v ? 1 : 0); }
    Line& field(const std::string& s) { return text(s); }
    Line& field(const char* s) { return text(s); }
    void end() { out_ += kEol; }

private:
    Line& text(std::string_view s) {
        if (!first_) out_ += ',';
        out_ += s;
        first_ = false;
        return *this;
    }
    std::string& out_;
    bool first_ = true;
};

void writeSummary(std::string& out, std::size_t hitCount, std::time_t savedAt) {
    std::tm local{};
    localtime_r(&savedAt, &local);
    char when[64];
    std::snprintf(when, sizeof when, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    Line(out)
        .field(static_cast<int>(hitCount))
        .field(std::to_string(static_cast<std::int32_t>(savedAt)))
        .field(when)
        .end();
}

void writeConditions(std::string& out, const Catalogue& cat, const SearchCondition& c) {
    Line line(out);
    line.field(c.sex).field(c.rarityLimit).field(c.type);
    for (int w : c.wanted) line.field(nameOf(cat.skillEqs, w > 0 ? w : 0));
    line.field(c.useDecorations).field(c.weaponSlots).field(c.possessions).field(c.HitLimit)
        .field(c.Priority).field(c.threeSlotPieces).field(c.Interrupted).field(c.minDefence)
        .field(c.allPieces)
        .end();
}

void writeFixedPieces(std::string& out, const Catalogue& cat, const SearchCondition& c) {
    Line line(out);
    for (int p = 0; p < kArmourParts; ++p)
        line.field(c.fixed[p]).field(nameOf(cat.equip[p], c.fixedPiece[p])).field(c.fixedPiece[p]);
    line.end();
}

void writeFixedDecorations(std::string& out, const Catalogue& cat, const SearchCondition& c) {
    const DecoSet& d = c.allFixedDecos;
    Line line(out);
    line.field(c.fixDecorations);
    for (int p = 0; p < kDecoParts; ++p) {
        for (int s = 0; s < kSlotsPerPart; ++s) line.field(d.SlotUsed[p][s]);
        line.field(d.SlotsUsed[p]);
    }
    for (int p = 0; p < kDecoParts; ++p) {
        for (int s = 0; s < kSlotsPerPart; ++s)
            line.field(nameOf(cat.decos, d.DecoIndex[p][s])).field(d.DecoIndex[p][s]);
        line.field(d.DecoCount[p]);
    }
    line.field(d.DecoTotal).end();
}

void writeExclusions(std::string& out, const Catalogue& cat, const ExceptFlags& ex) {
    for (int p = 0; p < kArmourParts; ++p)
        for (std::size_t row = 0; row < ex.equip[p].size(); ++row)
            if (ex.equip[p][row])
                Line(out).field("EE").field(p)
                    .field(nameOf(cat.equip[p], static_cast<int>(row))).field(static_cast<int>(row))
                    .end();
    for (std::size_t row = 0; row < ex.deco.size(); ++row)
        if (ex.deco[row])
            Line(out).field("ED").field(nameOf(cat.decos, static_cast<int>(row)))
                .field(static_cast<int>(row)).end();
}

void writeNameLists(std::string& out, const Catalogue& cat, const ResultStore& hits) {
    const NameLists lists = collectNameLists(hits);
    for (int p = 0; p < kDecoParts; ++p)
        for (int row : lists[p]) {
            const std::string& name = p < kArmourParts ? nameOf(cat.equip[p], row) : nameOf(cat.decos, row);
            Line(out).field("L").field(p).field(name).field(row).end();
        }
}

void writeHits(std::string& out, const ResultStore& hits) {
    for (const Result& hit : hits) {
        Line line(out);
        line.field("R");
        for (int row : hit.Index) line.field(row);
        for (int p = 0; p < kDecoParts; ++p)
            for (int s = 0; s < kSlotsPerPart; ++s) line.field(hit.Decos.DecoIndex[p][s]);
        line.end();
    }
}

}  // namespace

std::string formatResultFile(const ResultFileContent& c) {
    std::string out;
    Line(out).field(kResultFileMagic).field(kResultFileVersion).end();
    writeSummary(out, c.hits.size(), c.savedAt);
    writeConditions(out, c.catalogue, c.condition);
    writeFixedPieces(out, c.catalogue, c.condition);
    writeFixedDecorations(out, c.catalogue, c.condition);
    writeExclusions(out, c.catalogue, c.exclusions);
    writeNameLists(out, c.catalogue, c.hits);
    writeHits(out, c.hits);
    return out;
}

void writeResultFile(std::ostream& out, const ResultFileContent& content) {
    const std::string text = formatResultFile(content);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

bool saveResultFile(const std::filesystem::path& path, const ResultFileContent& content,
                    std::string* error) {
    return replaceFileContents(path, formatResultFile(content), error);
}

}  // namespace vk
