#include "core/results/result_file_writer.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "core/catalogue/row_name.h"
#include "core/files/buffered_text.h"
#include "core/files/csv_line.h"
#include "core/files/replace_file.h"
#include "core/results/exclusion_records.h"
#include "core/results/hit_lines.h"
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

// The hits are most of the file: they go straight into the buffer.
void writeContent(BufferedText& out, const ResultFileContent& c) {
    std::string head;
    CsvLine(head).field(kResultFileMagic).field(kResultFileVersion).end();
    writeSummary(head, c.hits.size(), c.savedAt);
    writeConditions(head, c.catalogue, c.condition);
    writeFixedPieces(head, c.catalogue, c.condition);
    writeFixedDecorations(head, c.catalogue, c.condition);
    appendExclusionRecords(head, c.catalogue, c.exclusions);
    writeNameLists(head, c.catalogue, c.hits);
    out.text(head);
    writeHitLines(out, c.hits);
    out.flush();
}

}  // namespace

std::string formatResultFile(const ResultFileContent& content) {
    std::string text;
    BufferedText out([&text](std::string_view piece) { text += piece; });
    writeContent(out, content);
    return text;
}

void writeResultFile(std::ostream& out, const ResultFileContent& content) {
    BufferedText text([&out](std::string_view piece) { out.write(piece.data(), static_cast<std::streamsize>(piece.size())); });
    writeContent(text, content);
}

bool saveResultFile(const std::filesystem::path& path, const ResultFileContent& content, std::string* error) {
    return saveFile(
        path,
        [&content](FileSink& sink) {
            BufferedText out([&sink](std::string_view piece) { sink.write(piece); });
            writeContent(out, content);
        },
        error);
}

}  // namespace vk
