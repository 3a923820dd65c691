#include "core/catalogue/loader.h"

#include <optional>
#include <string_view>

#include "core/catalogue/data_files.h"
#include "core/catalogue/data_lines.h"
#include "core/catalogue/line_parsers.h"
#include "core/catalogue/skill_index.h"
#include "core/catalogue/slot_tables.h"
#include "core/catalogue/value_bounds.h"
#include "core/text/sjis.h"

namespace vk {

namespace {

class TableLoader {
public:
    TableLoader(const std::filesystem::path& dir, LoadReport& report) : dir_(dir), report_(report) {}

    // Reads one data file and calls parse(line) for each data line, after
    // sizing `table` from a first counting pass. A file that cannot be opened
    // is reported, raises the start-up error and leaves `table` empty.
    template <class Table, class Parse>
    void load(const char* fileName, Table& table, Parse parse) {
        table.clear();
        const std::optional<std::string> bytes = readDataFile(dir_ / fileName);
        if (!bytes) {
            report_.startupError = true;
            report_.messages.push_back(
                {utf8ToSjis("エラー"), utf8ToSjis("ファイル ") + fileName + utf8ToSjis(" が開けません。")});
            return;
        }
        const std::size_t count = countDataLines(*bytes);
        table.reserve(count);
        forEachDataLine(*bytes, count, parse);
    }

    void typeError(const std::optional<std::string>& text) {
        if (text) report_.messages.push_back({"type", *text});
    }

private:
    std::filesystem::path dir_;
    LoadReport& report_;
};

}  // namespace

LoadReport loadCatalogue(const std::filesystem::path& dir, Catalogue& out) {
    out = Catalogue{};
    LoadReport report;
    TableLoader loader(dir, report);

    loader.load(kSkillTypeFile, out.skillTypes,
                [&](std::string_view line) { out.skillTypes.push_back(parseSkillTypeLine(line)); });
    // The first line naming it, as the line parsers resolve the name too.
    // Without such a line there is no torso-up system at all (-1).
    out.torsoUpSystem = out.findSkillType(utf8ToSjis("胴系倍加"));

    for (int part = 0; part < kArmourParts; ++part) {
        auto& table = out.equip[part];
        loader.load(kEquipFiles[part], table,
                    [&](std::string_view line) { table.push_back(parseEquipLine(line, out)); });
        boundPieces(table);
        out.slot3List[part] = threeSlotPieces(table);
    }

    loader.load(kDecoFile, out.decos, [&](std::string_view line) { out.decos.push_back(parseDecoLine(line, out)); });
    boundDecos(out.decos);

    // Lines naming an unknown system are dropped; the accepted ones are
    // numbered in order.
    loader.load(kSkillEqFile, out.skillEqs, [&](std::string_view line) {
        if (std::optional<SkillEq> eq = parseSkillEqLine(line, out)) {
            eq->index = static_cast<int>(out.skillEqs.size());
            out.skillEqs.push_back(std::move(*eq));
        }
    });
    boundSkillEqs(out.skillEqs);

    for (int part = 0; part < kArmourParts; ++part) loader.typeError(buildPartSkillIndex(out, part));
    loader.typeError(buildDecoSkillIndex(out));

    computeSlotRatios(out);
    return report;
}

}  // namespace vk
