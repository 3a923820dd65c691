#include "core/results/result_file_writer.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "core/collections/exclusion_records.h"
#include "core/files/csv_line.h"
#include "core/files/replace_file.h"
#include "core/results/name_lists.h"

namespace vk {

namespace {

void writeSummary(std::string& out, std::size_t hitCount, std::time_t savedAt) {
    std::tm local{};
    localtime_r(&savedAt, &local);
    char when[64];
    std::snprintf(when, sizeof when, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    CsvLine(out)
        .field(static_cast<int>(hitCount))
        .field(std::to_string(static_cast<std::int32_t>(savedAt)))
        .field(when)
        .end();
}

void writeConditions(std::string& out, const Catalogue& cat, const SearchCondition& c) {
    CsvLine line(out);
    line.field(c.sex).field(c.rarityLimit).field(c.type);
    for (int w : c.wanted) line.field(rowNameOf(cat.skillEqs, w > 0 ? w : 0));
    line.field(c.useDecorations).field(c.weaponSlots).field(c.possessions).field(c.HitLimit)
        .field(c.Priority).field(c.threeSlotPieces).field(c.Interrupted).field(c.minDefence)
        .field(c.allPieces)
        .end();
}

void writeFixedPieces(std::string& out, const Catalogue& cat, const SearchCondition& c) {
    CsvLine line(out);
    for (int p = 0; p < kArmourParts; ++p)
        line.field(c.fixed[p]).field(rowNameOf(cat.equip[p], c.fixedPiece[p])).field(c.fixedPiece[p]);
    line.end();
}

void writeFixedDecorations(std::string& out, const Catalogue& cat, const SearchCondition& c) {
    const DecoSet& d = c.allFixedDecos;
    CsvLine line(out);
    line.field(c.fixDecorations);
    for (int p = 0; p < kDecoParts; ++p) {
        for (int s = 0; s < kSlotsPerPart; ++s) line.field(d.SlotUsed[p][s]);
        line.field(d.SlotsUsed[p]);
    }
    for (int p = 0; p < kDecoParts; ++p) {
        for (int s = 0; s < kSlotsPerPart; ++s)
            line.field(rowNameOf(cat.decos, d.DecoIndex[p][s])).field(d.DecoIndex[p][s]);
        line.field(d.DecoCount[p]);
    }
    line.field(d.DecoTotal).end();
}

void writeNameLists(std::string& out, const Catalogue& cat, const ResultStore& hits) {
    const NameLists lists = collectNameLists(hits);
    for (int p = 0; p < kDecoParts; ++p)
        for (int row : lists[p]) {
            const std::string& name = p < kArmourParts ? rowNameOf(cat.equip[p], row) : rowNameOf(cat.decos, row);
            CsvLine(out).field("L").field(p).field(name).field(row).end();
        }
}

void writeHits(std::string& out, const ResultStore& hits) {
    for (const Result& hit : hits) {
        CsvLine line(out);
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
    CsvLine(out).field(kResultFileMagic).field(kResultFileVersion).end();
    writeSummary(out, c.hits.size(), c.savedAt);
    writeConditions(out, c.catalogue, c.condition);
    writeFixedPieces(out, c.catalogue, c.condition);
    writeFixedDecorations(out, c.catalogue, c.condition);
    appendExclusionRecords(out, c.catalogue, c.exclusions);
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
