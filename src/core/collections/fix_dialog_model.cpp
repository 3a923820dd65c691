#include "core/collections/fix_dialog_model.h"

#include <algorithm>
#include <cstdio>

#include "core/collections/skill_text.h"
#include "core/text/sjis.h"
#include "core/text/sjis_case.h"
#include "core/text/whole_number.h"

namespace vk {

namespace {

constexpr std::array<int, 5> kFixPartItemParts = {Head, Body, Arm, Wst, Leg};

std::string numberText(int value) { return std::to_string(value); }

// A cell compared as an integer: 0 when it is not a number.
int cellNumber(const std::string& text) { return parseWholeNumber(text).value_or(0); }

}  // namespace

int partOfFixPartItem(int item) { return item >= 0 && item < 5 ? kFixPartItemParts[item] : -1; }

int fixPartItemOfPart(int part) {
    for (int item = 0; item < 5; ++item)
        if (kFixPartItemParts[item] == part) return item;
    return -1;
}

FixDialogModel::FixDialogModel(const Catalogue& catalogue) : catalogue_(catalogue) {}

// --- Presets ---

void FixDialogModel::presetFixedPiece(int part, int pieceRow, const DecoSet& fixedDecos, int sexCode, int typeCode) {
    state_.mode = FixMode::FixedPiece;
    presetFilters(sexCode, typeCode, /*editableWhenBoth*/ false);
    state_.FixPart = part;
    state_.FixIndex = pieceRow;
    presetFitted(part, fixedDecos);
}

void FixDialogModel::presetPossessionAdd(int part, int sexCode, int typeCode) {
    state_.mode = FixMode::PossessionAdd;
    state_.FixPart = part;
    state_.FixIndex = -1;  // the first listed piece is taken
    clearFitted();
    state_.partChoiceShown = true;
    state_.ListFrom = 1;
    presetFilters(sexCode, typeCode, /*editableWhenBoth*/ true);
}

void FixDialogModel::presetPossessionChange(int part, const Possession& owned, int sexCode, int typeCode) {
    state_.mode = FixMode::PossessionChange;
    state_.changeCaption = true;
    presetFilters(sexCode, typeCode, /*editableWhenBoth*/ true);
    state_.ListFrom = 1;
    state_.FixPart = part;
    state_.FixIndex = owned.PossIndex;
    clearFitted();
    for (int d : owned.PossDeco)
        if (d > 0) appendFitted(d);
}

void FixDialogModel::presetMysetPart(int part, int pieceRow, int weaponSlots, const DecoSet& mysetDecos, int sexCode,
                                     int typeCode) {
    state_.mode = FixMode::MysetPart;
    presetFilters(sexCode, typeCode, /*editableWhenBoth*/ false);
    state_.FixPart = part;
    if (part == Weapon) {
        state_.FixIndex = -1;
        state_.WeaponSlotCount = std::clamp(weaponSlots, 0, kSlotsPerPart);
    } else {
        state_.FixIndex = pieceRow;
    }
    presetFitted(part, mysetDecos);
}

// The possession modes let the user change a filter that the tab leaves at
// "両方"; the other modes lock both to the wearer.
void FixDialogModel::presetFilters(int sexCode, int typeCode, bool editableWhenBoth) {
    state_.sexFilter = sexCode;
    state_.sexFilterEditable = editableWhenBoth && sexCode == 0;
    state_.typeFilter = typeCode;
    state_.typeFilterEditable = editableWhenBoth && typeCode == 0;
}

void FixDialogModel::presetFitted(int part, const DecoSet& decos) {
    clearFitted();
    for (int slot = 0; slot < kSlotsPerPart; ++slot)
        if (decos.DecoIndex[part][slot] > 0) appendFitted(decos.DecoIndex[part][slot]);
}

void FixDialogModel::endShow() {
    state_.partChoiceShown = false;
    state_.ListFrom = 0;
    state_.changeCaption = false;
}

// --- Fitted decorations ---

int FixDialogModel::pieceSlots() const {
    if (state_.FixPart == Weapon) return state_.WeaponSlotCount;
    const auto& table = catalogue_.equip[state_.FixPart];
    if (state_.FixIndex < 0 || state_.FixIndex >= static_cast<int>(table.size())) return 0;
    return std::clamp(table[state_.FixIndex].slots, 0, kSlotsPerPart);
}

// Emptying the fitted decorations frees every slot of the piece again.
void FixDialogModel::clearFitted() {
    state_.FixDecos = {};
    state_.FixDecoCount = 0;
    state_.FreeSlots = pieceSlots();
}

// Preset decorations are taken as stored; a row the catalogue does not have
// is dropped.
void FixDialogModel::appendFitted(int deco) {
    if (deco <= 0 || deco >= static_cast<int>(catalogue_.decos.size()) || state_.FixDecoCount >= kSlotsPerPart) return;
    state_.FixDecos[state_.FixDecoCount++] = deco;
    state_.FreeSlots -= catalogue_.decos[deco].slots;
}

// --- Filling ---

void FixDialogModel::show() { fill(true); }

void FixDialogModel::fill(bool showing) {
    if (showing) state_.skillFilter = 0;
    pieceRows_.clear();
    selectedPieceRow_ = -1;
    if (state_.FixPart == Weapon) {
        state_.FixIndex = -1;
    } else {
        const auto& table = catalogue_.equip[state_.FixPart];
        for (int n = std::max(state_.ListFrom, 0); n < static_cast<int>(table.size()); ++n) {
            const Equip& e = table[n];
            if (state_.sexFilter != 0 && e.sex != 0 && e.sex != state_.sexFilter) continue;
            if (state_.typeFilter != 0 && e.type != 0 && e.type != state_.typeFilter) continue;
            if (state_.skillFilter > 0 &&
                std::none_of(e.skill.begin(), e.skill.end(),
                             [&](const SkillPoints& s) { return s.system == state_.skillFilter; }))
                continue;
            if (n == state_.FixIndex) selectedPieceRow_ = static_cast<int>(pieceRows_.size());
            pieceRows_.push_back(n);
        }
        if (pieceRows_.empty()) {
            state_.FixIndex = -1;
            clearFitted();
        } else if (selectedPieceRow_ < 0) {
            selectedPieceRow_ = 0;
            state_.FixIndex = pieceRows_[0];
            clearFitted();
        }
    }
    decoRows_.clear();
    for (int d = 1; d < static_cast<int>(catalogue_.decos.size()); ++d) decoRows_.push_back(d);
    state_.Shown = true;
}

// --- User actions ---

std::optional<FixResult> FixDialogModel::result() const {
    const bool possessionMode = state_.mode == FixMode::PossessionAdd || state_.mode == FixMode::PossessionChange;
    if (possessionMode ? state_.FixIndex < 0 : state_.FixPart != Weapon && selectedPieceRow_ < 0) return std::nullopt;
    FixResult r;
    r.part = state_.FixPart;
    r.index = state_.FixPart == Weapon ? -1 : state_.FixIndex;
    r.decos.assign(state_.FixDecos.begin(), state_.FixDecos.begin() + state_.FixDecoCount);
    return r;
}

void FixDialogModel::selectPiece(int row) {
    if (!state_.Shown || row < 0 || row >= static_cast<int>(pieceRows_.size())) return;
    selectedPieceRow_ = row;
    state_.FixIndex = pieceRows_[row];
    clearFitted();
}

void FixDialogModel::deselectPiece() { selectedPieceRow_ = -1; }

bool FixDialogModel::fit(int decoRow) {
    if (decoRow < 0 || decoRow >= static_cast<int>(decoRows_.size())) return false;
    if (state_.FixPart != Weapon && selectedPieceRow_ < 0) return false;
    const int deco = decoRows_[decoRow];
    if (catalogue_.decos[deco].slots > state_.FreeSlots || state_.FixDecoCount >= kSlotsPerPart) return false;
    appendFitted(deco);
    return true;
}

bool FixDialogModel::remove(int position) {
    if (position < 0 || position >= state_.FixDecoCount) return false;
    state_.FreeSlots += catalogue_.decos[state_.FixDecos[position]].slots;
    for (int i = position; i + 1 < state_.FixDecoCount; ++i) state_.FixDecos[i] = state_.FixDecos[i + 1];
    state_.FixDecos[--state_.FixDecoCount] = 0;
    return true;
}

int FixDialogModel::findByName(std::string_view sjisText) {
    if (sjisText.empty() || pieceRows_.empty()) return -1;
    const int count = static_cast<int>(pieceRows_.size());
    const int start = selectedPieceRow_ < 0 || selectedPieceRow_ == count - 1 ? 0 : selectedPieceRow_ + 1;
    auto matches = [&](int row) {
        return containsNoCase(catalogue_.equip[state_.FixPart][pieceRows_[row]].name, sjisText);
    };
    int found = -1;
    for (int row = start; row < count && found < 0; ++row)
        if (matches(row)) found = row;
    // One wrap-around, from the first row.
    for (int row = 0; start > 0 && row < count && found < 0; ++row)
        if (matches(row)) found = row;
    // Found again, the piece already chosen keeps its decorations: only
    // another row becoming selected is a new choice.
    if (found >= 0 && found != selectedPieceRow_) selectPiece(found);
    return found;
}

void FixDialogModel::setSexFilter(int code) {
    state_.sexFilter = code;
    refilterAfterChange();
}

void FixDialogModel::setTypeFilter(int code) {
    state_.typeFilter = code;
    refilterAfterChange();
}

void FixDialogModel::setSkillFilter(int system) {
    state_.skillFilter = system;
    refilterAfterChange();
}

// A filter changed: the selection and the fitted decorations go, the lists
// are refilled and the row now selected is taken as chosen.
void FixDialogModel::refilterAfterChange() {
    if (!state_.Shown) return;
    state_.FixIndex = 0;
    clearFitted();
    fill(false);
    if (selectedPieceRow_ >= 0) selectPiece(selectedPieceRow_);
}

void FixDialogModel::choosePart(int part) {
    if (!state_.Shown || state_.FixIndex == -1 || part < 0 || part >= kArmourParts) return;
    state_.FixPart = part;
    state_.FixIndex = 0;
    clearFitted();
    fill(false);
}

// Sorting compares the texts the list shows: names and skill texts without
// case, the other columns as integers.
namespace {

bool isTextColumn(bool pieces, int column) {
    return pieces ? column == kFixPieceName : column == kFixDecoName || column == kFixDecoSkills;
}

template <class CellOf>
void sortByCells(std::vector<int>& rows, const ListSort& sort, bool textColumn, CellOf cellOf) {
    struct Keyed {
        int row;
        std::string text;
        int number;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows.size());
    for (int row : rows) {
        std::string text = cellOf(row);
        const int number = textColumn ? 0 : cellNumber(text);
        keyed.push_back({row, textColumn ? std::move(text) : std::string(), number});
    }
    sortRows(keyed, sort, [textColumn](const Keyed& a, const Keyed& b) {
        return textColumn ? compareNoCase(a.text, b.text) : (a.number > b.number) - (a.number < b.number);
    });
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = keyed[i].row;
}

}  // namespace

void FixDialogModel::sortPieces(int column) {
    if (column < 0 || column >= kFixPieceColumns) return;
    state_.FixSort.click(column);
    const int selected = selectedPieceRow_ >= 0 ? pieceRows_[selectedPieceRow_] : -1;
    sortByCells(pieceRows_, state_.FixSort, isTextColumn(true, column),
                [&](int piece) { return pieceText(piece, column); });
    if (selected >= 0)
        selectedPieceRow_ =
            static_cast<int>(std::find(pieceRows_.begin(), pieceRows_.end(), selected) - pieceRows_.begin());
}

void FixDialogModel::sortDecos(int column) {
    if (column < 0 || column >= kFixDecoColumns) return;
    state_.DecoSort.click(column);
    sortByCells(decoRows_, state_.DecoSort, isTextColumn(false, column),
                [&](int deco) { return decoText(deco, column); });
}

// --- Texts ---

std::string FixDialogModel::pieceText(int piece, int column) const {
    const Equip& e = catalogue_.equip[state_.FixPart][piece];
    switch (column) {
    case kFixPieceId: return numberText(piece);
    case kFixPieceName: return e.name;
    case kFixPieceDefence: return numberText(e.defence);
    case kFixPieceSlots: return numberText(e.slots);
    default: return {};
    }
}

std::string FixDialogModel::decoText(int deco, int column) const {
    const Deco& d = catalogue_.decos[deco];
    switch (column) {
    case kFixDecoId: return numberText(deco);
    case kFixDecoName: return d.name;
    case kFixDecoSlots: return numberText(d.slots);
    case kFixDecoSkills: return skillText(catalogue_, d.skill, SkillTextEnd::SkipEmpty);
    case kFixDecoRarity: return numberText(d.rarity);
    default: return {};
    }
}

std::string FixDialogModel::pieceCell(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(pieceRows_.size())) return {};
    return pieceText(pieceRows_[row], column);
}

std::string FixDialogModel::decoCell(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(decoRows_.size())) return {};
    return decoText(decoRows_[row], column);
}

std::string FixDialogModel::fittedCell(int position, int column) const {
    if (position < 0 || position >= state_.FixDecoCount) return {};
    const Deco& d = catalogue_.decos[state_.FixDecos[position]];
    return column == 0 ? d.name : skillText(catalogue_, d.skill, SkillTextEnd::SkipEmpty);
}

std::string FixDialogModel::partCaption() const {
    static const std::array<std::string, kDecoParts> captions = {
        utf8ToSjis("脚装備"), utf8ToSjis("頭装備"), utf8ToSjis("胴装備"),
        utf8ToSjis("腕装備"), utf8ToSjis("腰装備"), utf8ToSjis("武器")};
    return state_.FixPart >= 0 && state_.FixPart < kDecoParts ? captions[state_.FixPart] : std::string();
}

// --- Detail memos ---

FixMemos FixDialogModel::memos() const {
    FixMemos m;
    if (state_.FixPart != Weapon && selectedPieceRow_ < 0) return m;
    struct Line {
        int system;
        int total;
    };
    std::vector<Line> lines;
    auto add = [&](const SkillPoints& s) {
        if (s.system <= 0 || s.system >= catalogue_.systemCount()) return;
        for (Line& line : lines)
            if (line.system == s.system) {
                line.total += s.points;
                return;
            }
        lines.push_back({s.system, s.points});
    };
    if (state_.FixPart != Weapon)
        for (const SkillPoints& s : catalogue_.equip[state_.FixPart][state_.FixIndex].skill) add(s);
    for (int i = 0; i < state_.FixDecoCount; ++i)
        for (const SkillPoints& s : catalogue_.decos[state_.FixDecos[i]].skill) add(s);

    static const std::string slotWord = utf8ToSjis("スロット");
    static const std::string used = utf8ToSjis("●"), free = utf8ToSjis("○"), none = utf8ToSjis("－");
    const int slots = pieceSlots();
    const int taken = slots - state_.FreeSlots;
    m.fix = slotWord + "\r\n";
    for (int s = 0; s < kSlotsPerPart; ++s) m.val += s < taken ? used : s < slots ? free : none;
    m.val += "\r\n";
    for (const Line& line : lines) {
        char total[16];
        std::snprintf(total, sizeof total, "%+d\r\n", line.total);
        m.fix += catalogue_.skillTypes[line.system] + "\r\n";
        m.val += total;
    }
    return m;
}

}  // namespace vk
