#include "core/settings/older_collection_keys.h"

#include <vector>

#include "core/catalogue/stored_reference.h"
#include "core/collections/deco_laying.h"
#include "core/collections/possession_views.h"
#include "core/settings/settings_words.h"
#include "core/text/sjis_limit.h"

namespace vk {

namespace {

// Reads stored references of one section.
class Keys {
public:
    Keys(const IniFile& ini, const Catalogue& catalogue, std::string_view section)
        : ini_(ini), cat_(catalogue), section_(section) {}

    bool has(const std::string& key) const { return ini_.has(section_, key); }
    int integer(const std::string& key, int fallback) const { return ini_.readInteger(section_, key, fallback); }
    std::string name(const std::string& key) const {
        return limitSjisBytes(ini_.readString(section_, key, ""), kMaxNameBytes);
    }

    // The piece of `part` that the name key and index key refer to; -1 when
    // the name key is missing or the reference resolves nowhere.
    int piece(int part, const std::string& nameKey, const std::string& indexKey) const {
        if (!has(nameKey)) return -1;
        const int row = resolveStoredPiece(cat_, part, name(nameKey), integer(indexKey, -1));
        return row >= 0 && static_cast<std::size_t>(row) < cat_.equip[part].size() ? row : -1;
    }
    // A decoration by name, by index when the name is gone; -1 for none.
    int deco(const std::string& nameKey, const std::string& indexKey) const {
        if (!has(nameKey)) return -1;
        const int row = firstDecoNamed(cat_, name(nameKey), integer(indexKey, -1));
        return row >= 0 && static_cast<std::size_t>(row) < cat_.decos.size() ? row : -1;
    }
    // The decorations numbered (n, 0), (n, 1), ... of `part` until the
    // first that is missing or resolves nowhere.
    std::vector<int> decos(int part, int n) const {
        std::vector<int> found;
        for (int k = 0; k < kSlotsPerPart; ++k) {
            const int d = deco(settingsKey("", part, "DecoName", {n, k}), settingsKey("", part, "DecoIndex", {n, k}));
            if (d <= 0) break;
            found.push_back(d);
        }
        return found;
    }

private:
    const IniFile& ini_;
    const Catalogue& cat_;
    std::string_view section_;
};

void readExclusions(const Keys& keys, ExceptFlags& flags) {
    // Row 0, no piece and no decoration, is never excluded.
    for (int part = 0; part < kArmourParts; ++part)
        for (int n = 0;; ++n) {
            const int row = keys.piece(part, settingsKey("Except", part, "Name", {n}),
                                       settingsKey("Except", part, "Index", {n}));
            if (row < 0) break;
            if (row > 0 && static_cast<std::size_t>(row) < flags.equip[part].size()) flags.equip[part][row] = 1;
        }
    for (int n = 0;; ++n) {
        const std::string number = std::to_string(n);
        const int row = keys.deco("ExceptDecoName" + number, "ExceptDecoIndex" + number);
        if (row < 0) break;
        if (row > 0 && static_cast<std::size_t>(row) < flags.deco.size()) flags.deco[row] = 1;
    }
}

// Both lists stop at the caps config.csv keeps, so what is taken over here
// always saves to a file that reads back whole.
void readPossessions(const Keys& keys, const Catalogue& cat, PossessionLists& lists) {
    for (int part = 0; part < kArmourParts; ++part)
        for (int n = 0;; ++n) {
            if (static_cast<std::size_t>(Collections::possessionTotal(lists)) >= kMaxPossessions) return;
            const int row = keys.piece(part, settingsKey("", part, "Name", {n}), settingsKey("", part, "Index", {n}));
            if (row < 0) break;
            lists[part].push_back(makePossession(cat, part, row, keys.decos(part, n)));
        }
}

void readMysets(const Keys& keys, const Catalogue& cat, MysetList& mysets) {
    for (int n = 0; mysets.size() < kMaxMysets; ++n) {
        const std::string number = std::to_string(n);
        if (!keys.has("MysetName" + number)) return;
        Myset set;
        set.Name = keys.name("MysetName" + number);
        set.Sex = keys.integer("MysetSex" + number, 0);
        set.Type = keys.integer("MysetType" + number, 0);
        set.WeaponSlot = keys.integer("WeponSlot" + number, 0);
        if (set.Sex < 0 || set.Sex > 2) set.Sex = 0;
        if (set.Type < 0 || set.Type > 2) set.Type = 0;
        if (set.WeaponSlot < 0 || set.WeaponSlot > kSlotsPerPart) set.WeaponSlot = 0;
        for (int part = 0; part < kArmourParts; ++part) {
            const int row = keys.piece(part, settingsKey("", part, "Name", {n}), settingsKey("", part, "Index", {n}));
            if (row < 0) return;  // the list ends at a set it cannot rebuild
            set.Set.Index[part] = row;
        }
        for (int part = 0; part < kDecoParts; ++part) layDecorations(set.Set.Decos, part, keys.decos(part, n), cat);
        mysets.push_back(std::move(set));
    }
}

}  // namespace

void readOlderCollectionKeys(const IniFile& ini, const Catalogue& catalogue, Collections& into) {
    readExclusions(Keys(ini, catalogue, "Condition"), into.exclusions);
    readPossessions(Keys(ini, catalogue, "Possession"), catalogue, into.possessions);
    readMysets(Keys(ini, catalogue, "Myset"), catalogue, into.mysets);
}

}  // namespace vk
