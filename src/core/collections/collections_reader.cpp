#include <optional>
#include <sstream>
#include <vector>

#include "core/catalogue/deco_row_recount.h"
#include "core/catalogue/stored_reference.h"
#include "core/collections/collections_file.h"
#include "core/collections/myset_rules.h"
#include "core/files/file_presence.h"
#include "core/files/regular_file.h"
#include "core/text/whole_number.h"

namespace vk {

namespace {

// One line split at every ','; empty fields are kept (a name may be empty).
class Record {
public:
    explicit Record(std::string_view line) : line_(line) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = line.find(',', start);
            fields_.push_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
            starts_.push_back(start);
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
    }

    bool blank() const {
        for (std::string_view f : fields_)
            if (!f.empty()) return false;
        return true;
    }
    std::string_view kind() const { return fields_[0]; }
    // Fields after the kind.
    int count() const { return static_cast<int>(fields_.size()) - 1; }
    std::string_view text(int i) const { return fields_[i + 1]; }
    std::optional<int> number(int i) const { return parseWholeNumber(fields_[i + 1]); }
    // Field i and everything after it, commas included.
    std::string_view rest(int i) const { return line_.substr(starts_[i + 1]); }

private:
    std::string_view line_;
    std::vector<std::string_view> fields_;
    std::vector<std::size_t> starts_;
};

bool inRange(const std::optional<int>& v, int lo, int hi) { return v && *v >= lo && *v <= hi; }

class CollectionsParser {
public:
    CollectionsParser(const Catalogue& catalogue, Collections& into) : cat_(catalogue), into_(into) {}

    // False when the record stops the reading.
    bool take(const Record& r) {
        if (r.blank()) return false;
        for (const RecordKind& known : kKinds) {
            if (r.kind() != known.kind) continue;
            if (r.count() < known.fields) return false;
            (this->*known.read)(r);
            return !full_;
        }
        return true;  // another kind: ignored
    }

private:
    struct RecordKind {
        std::string_view kind;
        int fields;  // fields after the kind that the record needs
        void (CollectionsParser::*read)(const Record&);
    };
    static const RecordKind kKinds[9];

    // The row of table `table` (a part 0..4, or kDecoTable) that fields
    // (i, i + 1) name; -1 when it is no row of the table.
    int row(const Record& r, int table, int i) const {
        const std::optional<int> stored = r.number(i + 1);
        if (!stored) return -1;
        const int found = resolveStoredRow(cat_, table, r.text(i), *stored);
        const std::size_t rows = table == kDecoTable ? cat_.decos.size() : cat_.equip[table].size();
        return found >= 0 && static_cast<std::size_t>(found) < rows ? found : -1;
    }
    int piece(const Record& r, int part, int i) const { return row(r, part, i); }
    int deco(const Record& r, int i) const { return row(r, kDecoTable, i); }

    // Row 0 (no piece, no decoration) is never excluded.
    void pieceExclusion(const Record& r) {
        const std::optional<int> part = r.number(0);
        if (!inRange(part, 0, kArmourParts - 1)) return;
        const int row = piece(r, *part, 1);
        if (row > 0) into_.exclusions.equip[*part][row] = 1;
    }
    void decoExclusion(const Record& r) {
        const int row = deco(r, 0);
        if (row > 0) into_.exclusions.deco[row] = 1;
    }

    // A header with numbers out of range starts no my set: what follows up
    // to the next header changes nothing.
    void mysetHeader(const Record& r) {
        pendingSet_.reset();
        const std::optional<int> sex = r.number(0), type = r.number(1), slots = r.number(2);
        if (!inRange(sex, 0, 2) || !inRange(type, 0, 2) || !inRange(slots, 0, kSlotsPerPart)) return;
        Myset set;
        set.Sex = *sex;
        set.Type = *type;
        set.WeaponSlot = *slots;
        if (r.count() >= 4) set.Name = mysetNameFrom(r.rest(3));
        pendingSet_ = std::move(set);
    }
    void mysetPiece(const Record& r) {
        const std::optional<int> part = r.number(0);
        if (!pendingSet_ || !inRange(part, 0, kArmourParts - 1)) return;
        const int row = piece(r, *part, 1);
        if (row >= 0) pendingSet_->Set.Index[*part] = row;
    }
    void mysetDeco(const Record& r) {
        const std::optional<int> part = r.number(0), entry = r.number(1);
        if (!pendingSet_ || !inRange(part, 0, kDecoParts - 1) || !inRange(entry, 0, kSlotsPerPart - 1)) return;
        const int row = deco(r, 2);
        if (row < 0) return;
        DecoSet& decos = pendingSet_->Set.Decos;
        decos.DecoIndex[*part][*entry] = row;
        recountDecoRow(cat_, decos, *part);
    }
    void mysetEnd(const Record&) {
        if (!pendingSet_) return;
        if (into_.mysets.size() >= kMaxMysets) full_ = true;
        else into_.mysets.push_back(*pendingSet_);
    }

    // A piece that resolves nowhere is still kept, as row 0 with no name; a
    // part out of range starts no possession.
    void possessionPiece(const Record& r) {
        pendingPossession_.reset();
        const std::optional<int> part = r.number(0);
        if (!inRange(part, 0, kArmourParts - 1)) return;
        Possession owned;
        owned.PossPart = *part;
        const int row = piece(r, *part, 1);
        if (row > 0) {
            owned.PossIndex = row;
            owned.PossName = cat_.equip[*part][row].name;
        }
        pendingPossession_ = std::move(owned);
    }
    // Decorations are taken by their number; out of order or repeated
    // numbers are sorted out when the possession ends.
    void possessionDeco(const Record& r) {
        const std::optional<int> part = r.number(0), number = r.number(1);
        if (!pendingPossession_ || !inRange(part, 0, kArmourParts - 1) || !inRange(number, 0, kSlotsPerPart - 1))
            return;
        const int row = deco(r, 2);
        if (row <= 0) return;
        pendingPossession_->PossDeco[*number] = row;
        pendingPossession_->PossDecoName[*number] = cat_.decos[row].name;
    }
    // The decorations close up in number order, so PossDecoCount counts them.
    void possessionEnd(const Record&) {
        if (!pendingPossession_) return;
        if (static_cast<std::size_t>(into_.possessionCount()) >= kMaxPossessions) {
            full_ = true;
            return;
        }
        Possession& owned = *pendingPossession_;
        Possession packed = owned;
        packed.PossDeco = {};
        packed.PossDecoName = {};
        packed.PossDecoCount = 0;
        for (int j = 0; j < kSlotsPerPart; ++j)
            if (owned.PossDeco[j] > 0) {
                packed.PossDeco[packed.PossDecoCount] = owned.PossDeco[j];
                packed.PossDecoName[packed.PossDecoCount] = owned.PossDecoName[j];
                ++packed.PossDecoCount;
            }
        owned = packed;
        into_.possessions[owned.PossPart].push_back(owned);
    }

    const Catalogue& cat_;
    Collections& into_;
    std::optional<Myset> pendingSet_;
    std::optional<Possession> pendingPossession_;
    bool full_ = false;  // a record past a cap came
};

const CollectionsParser::RecordKind CollectionsParser::kKinds[9] = {
    {"EE", 3, &CollectionsParser::pieceExclusion},  {"ED", 2, &CollectionsParser::decoExclusion},
    {"MH", 3, &CollectionsParser::mysetHeader},     {"ME", 3, &CollectionsParser::mysetPiece},
    {"MD", 4, &CollectionsParser::mysetDeco},       {"M", 0, &CollectionsParser::mysetEnd},
    {"PE", 3, &CollectionsParser::possessionPiece}, {"PD", 4, &CollectionsParser::possessionDeco},
    {"P", 0, &CollectionsParser::possessionEnd},
};

}  // namespace

CollectionsReading parseCollections(std::string_view bytes, const Catalogue& catalogue, Collections& into) {
    CollectionsReading reading;
    reading.opened = true;
    CollectionsParser parser(catalogue, into);
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t eol = bytes.find('\n', pos);
        if (eol == std::string_view::npos) eol = bytes.size();
        std::string_view line = bytes.substr(pos, eol - pos);
        pos = eol + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // A NUL ends the line's text.
        if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos) line = line.substr(0, nul);
        // A very long line is read in pieces, each taken as a line.
        do {
            const std::string_view piece = line.substr(0, kCollectionsReadChunk);
            line.remove_prefix(piece.size());
            if (!parser.take(Record(piece))) {
                reading.stoppedAtLine = lineNumber;
                return reading;
            }
        } while (!line.empty());
    }
    reading.complete = true;
    return reading;
}

CollectionsReading readCollectionsFile(const std::filesystem::path& file, const Catalogue& catalogue,
                                       Collections& into) {
    // A FIFO or a folder named config.csv reads as nothing and never blocks
    // the start-up; unlike a missing file it is there, and must stay.
    const std::optional<std::string> bytes = readRegularFile(file);
    if (!bytes) {
        CollectionsReading unread;
        unread.present = !isAbsent(file);
        return unread;
    }
    CollectionsReading reading = parseCollections(*bytes, catalogue, into);
    reading.present = true;
    return reading;
}

}  // namespace vk
