#include "core/collections/except_list.h"

#include <algorithm>

#include "core/collections/skill_text.h"
#include "core/text/sjis_case.h"

namespace vk {

namespace {

// The parts listed by each ExceptPartRG item; kExceptDecoPart for the decorations.
std::vector<int> partsOf(int item) {
    switch (item) {
    case kExceptAllParts: return {Leg, Head, Body, Arm, Wst, kExceptDecoPart};
    case kExceptHead: return {Head};
    case kExceptBody: return {Body};
    case kExceptArm: return {Arm};
    case kExceptWst: return {Wst};
    case kExceptLeg: return {Leg};
    case kExceptDecos: return {kExceptDecoPart};
    default: return {};
    }
}

// A flag array of the catalogue's size, keeping what `from` has for the
// rows both know.
std::vector<std::uint8_t> resized(const std::vector<std::uint8_t>& from, std::size_t size) {
    std::vector<std::uint8_t> flags(size, 0);
    std::copy_n(from.begin(), std::min(size, from.size()), flags.begin());
    return flags;
}

}  // namespace

ExceptList::ExceptList(const Catalogue& catalogue)
    : catalogue_(catalogue), working_(ExceptFlags::sizedFor(catalogue)) {}

void ExceptList::open(const ExceptFlags& flags) {
    for (int p = 0; p < kArmourParts; ++p) working_.equip[p] = resized(flags.equip[p], catalogue_.equip[p].size());
    working_.deco = resized(flags.deco, catalogue_.decos.size());
    sort_.reset();
}

void ExceptList::fill(int partItem) {
    partItem_ = partItem;
    rows_.clear();
    for (int part : partsOf(partItem)) {
        const std::size_t count = part == kExceptDecoPart ? catalogue_.decos.size() : catalogue_.equip[part].size();
        for (std::size_t id = 1; id < count; ++id) rows_.push_back({part, static_cast<int>(id)});
    }
}

std::uint8_t* ExceptList::flagOf(const ExceptRow& row) {
    return const_cast<std::uint8_t*>(static_cast<const ExceptList*>(this)->flagOf(row));
}

const std::uint8_t* ExceptList::flagOf(const ExceptRow& row) const {
    const std::vector<std::uint8_t>& flags = row.part == kExceptDecoPart ? working_.deco : working_.equip[row.part];
    return row.id >= 0 && row.id < static_cast<int>(flags.size()) ? &flags[row.id] : nullptr;
}

bool ExceptList::isChecked(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return false;
    const std::uint8_t* flag = flagOf(rows_[row]);
    return flag && *flag != 0;
}

void ExceptList::setChecked(int row, bool checked) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    if (std::uint8_t* flag = flagOf(rows_[row])) *flag = checked ? 1 : 0;
}

int ExceptList::rarityOf(const ExceptRow& row) const {
    return row.part == kExceptDecoPart ? catalogue_.decos[row.id].rarity : catalogue_.equip[row.part][row.id].rarity;
}

void ExceptList::setRarity(int rarityItem, bool checked) {
    const int rarity = rarityItem + 1;
    for (const ExceptRow& row : rows_)
        if (rarityOf(row) == rarity)
            if (std::uint8_t* flag = flagOf(row)) *flag = checked ? 1 : 0;
}

// The check column orders by part, then row (the fill order); "名称" and
// "レア" compare their texts without case. The other columns hold every row
// equal, so their order stays.
void ExceptList::sortBy(int column) {
    if (column < 0 || column >= kExceptColumns) return;
    sort_.click(column);
    if (column == kExceptCheck) {
        sortRows(rows_, sort_, [](const ExceptRow& a, const ExceptRow& b) {
            if (a.part != b.part) return a.part < b.part ? -1 : 1;
            return (a.id > b.id) - (a.id < b.id);
        });
    } else if (column == kExceptName || column == kExceptRarity) {
        struct Keyed {
            ExceptRow row;
            std::string text;
        };
        std::vector<Keyed> keyed;
        keyed.reserve(rows_.size());
        for (const ExceptRow& row : rows_) keyed.push_back({row, text(row, column)});
        sortRows(keyed, sort_, [](const Keyed& a, const Keyed& b) { return compareNoCase(a.text, b.text); });
        for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i] = keyed[i].row;
    }
}

std::string ExceptList::text(const ExceptRow& row, int column) const {
    const bool deco = row.part == kExceptDecoPart;
    switch (column) {
    case kExceptName: return deco ? catalogue_.decos[row.id].name : catalogue_.equip[row.part][row.id].name;
    case kExceptRarity: return std::to_string(rarityOf(row));
    case kExceptSkills:
        return deco ? skillText(catalogue_, catalogue_.decos[row.id].skill, SkillTextEnd::FirstEmpty)
                    : skillText(catalogue_, catalogue_.equip[row.part][row.id].skill, SkillTextEnd::FirstEmpty);
    case kExceptPart: return std::to_string(row.part);
    case kExceptId: return std::to_string(row.id);
    default: return {};
    }
}

std::string ExceptList::cell(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return {};
    return text(rows_[row], column);
}

}  // namespace vk
