#include <algorithm>
#include <system_error>

#include "core/catalogue/row_name.h"
#include "core/collections/collections_file.h"
#include "core/files/csv_line.h"
#include "core/files/replace_file.h"
#include "core/results/exclusion_records.h"

namespace vk {

namespace {

void appendMyset(std::string& out, const Catalogue& cat, const Myset& set) {
    CsvLine(out).field("MH").field(set.Sex).field(set.Type).field(set.WeaponSlot).field(set.Name).end();
    for (int p = 0; p < kArmourParts; ++p) {
        const int row = set.Set.Index[p];
        CsvLine(out).field("ME").field(p).field(rowNameOf(cat.equip[p], row)).field(row).end();
    }
    for (int p = 0; p < kDecoParts; ++p)
        for (int e = 0; e < kSlotsPerPart; ++e) {
            const int row = set.Set.Decos.DecoIndex[p][e];
            CsvLine(out).field("MD").field(p).field(e).field(rowNameOf(cat.decos, row)).field(row).end();
        }
    CsvLine(out).field("M").end();
}

// Names come from the catalogue, not from the possession's copies.
void appendPossession(std::string& out, const Catalogue& cat, int part, const Possession& owned) {
    CsvLine(out).field("PE").field(part).field(rowNameOf(cat.equip[part], owned.PossIndex)).field(owned.PossIndex).end();
    const int count = std::clamp(owned.PossDecoCount, 0, kSlotsPerPart);
    for (int j = 0; j < count; ++j) {
        const int row = owned.PossDeco[j];
        CsvLine(out).field("PD").field(part).field(j).field(rowNameOf(cat.decos, row)).field(row).end();
    }
    CsvLine(out).field("P").end();
}

}  // namespace

std::string formatCollections(const Catalogue& catalogue, const Collections& collections) {
    std::string out;
    appendExclusionRecords(out, catalogue, collections.exclusions);
    for (const Myset& set : collections.mysets) appendMyset(out, catalogue, set);
    for (int part = 0; part < kArmourParts; ++part)
        for (const Possession& owned : collections.possessions[part]) appendPossession(out, catalogue, part, owned);
    return out;
}

CollectionsSave saveCollectionsFile(const std::filesystem::path& file, const Catalogue& catalogue,
                                    const Collections& collections, std::string* error) {
    const std::string bytes = formatCollections(catalogue, collections);
    if (bytes.empty()) {
        std::error_code ec;
        std::filesystem::remove(file, ec);
        if (!ec) return CollectionsSave::kRemoved;
        if (error) *error = "cannot remove " + file.string() + ": " + ec.message();
        return CollectionsSave::kFailed;
    }
    return replaceFileContents(file, bytes, error) ? CollectionsSave::kWritten : CollectionsSave::kFailed;
}

}  // namespace vk
