#pragma once
// The fixed-equipment dialog "固定装備" without its window: one armour piece
// of one part (or the weapon's slots alone) with the decorations fitted into
// it. Four callers preset it, each in its own mode; the window shows the lists
// and memos kept here and forwards the user's clicks. Texts are Shift-JIS.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/deco_set.h"
#include "core/collections/list_sort.h"
#include "core/search/condition/possession.h"

namespace vk {

enum class FixMode {
    FixedPiece,        // "…" beside a fixed piece on the search tab
    PossessionAdd,     // "追加" on the possessions tab (part choice and FixAddButton shown)
    PossessionChange,  // "変更" on the possessions tab
    MysetPart,         // "…" of a part (or the weapon) on the my-set tab
};

// What a caller reads after OK (and FixAddButton hands over).
struct FixResult {
    int part = 0;            // FixPart: PartIndex 0..4, 5 = the weapon
    int index = -1;          // FixIndex: Equip row of `part`; -1 for the weapon
    std::vector<int> decos;  // fitted Deco rows in fitting order, at most three

    bool operator==(const FixResult&) const = default;
};

// FixLV's and DecoLV's columns.
enum FixPieceColumn : int { kFixPieceId = 0, kFixPieceName, kFixPieceDefence, kFixPieceSlots, kFixPieceColumns };
enum FixDecoColumn : int { kFixDecoId = 0, kFixDecoName, kFixDecoSlots, kFixDecoSkills, kFixDecoRarity, kFixDecoColumns };
// SelDecoLV's columns: "装飾品名", "スキル".
constexpr int kFittedColumns = 2;

// The dialog's state beside its lists.
struct FixState {
    FixMode mode = FixMode::FixedPiece;
    int FixPart = Head;               // 0..5, 5 = the weapon
    int FixIndex = -1;                // Equip row of FixPart; -1 when none is selected
    std::array<int, 3> FixDecos{};    // Deco rows in fitting order; 0 from FixDecoCount on
    int FixDecoCount = 0;
    int FreeSlots = 0;                // slots of the piece (weapon) not yet taken
    int ListFrom = 0;                 // lowest piece row listed: 1 while a possession mode runs
    int WeaponSlotCount = 0;           // the weapon's slots (my-set mode, part 5)
    ListSort FixSort;                 // FixLV's last sort
    ListSort DecoSort;                // DecoLV's last sort
    bool Shown = false;               // false until the first show

    int sexFilter = 0;                // FixSexRG: 0 both, 1 男, 2 女
    int typeFilter = 0;               // FixTypeRG: 0 both, 1 剣士, 2 ガンナー
    bool sexFilterEditable = true;    // FixSexRG enabled
    bool typeFilterEditable = true;   // FixTypeRG enabled
    int skillFilter = 0;              // SkillTypeCB: skill system; 0 = no filter
    bool partChoiceShown = false;     // FixPartRG and FixAddButton visible
    bool changeCaption = false;       // OkButton reads "変更" instead of "追加"
};

// The two detail memos, read side by side: FixMemo "スロット" and one skill
// system per line, ValMemo the slot marks ("●" used, "○" free, "－" no slot)
// and each system's total ("%+d"). Lines end with "\r\n".
struct FixMemos {
    std::string fix;
    std::string val;
};

class FixDialogModel {
public:
    explicit FixDialogModel(const Catalogue& catalogue);

    // Presets, one per caller, made before the show (the caller checks
    // StartupError). Sex and type are codes (0 either, 1, 2): the search
    // tab passes SexRG/TypeRG item + 1, the possessions tab its filters'
    // items, the my-set tab MysetSexRG/MysetTypeRG item + 1.
    void presetFixedPiece(int part, int pieceRow, const DecoSet& fixedDecos, int sexCode, int typeCode);
    void presetPossessionAdd(int part, int sexCode, int typeCode);
    void presetPossessionChange(int part, const Possession& owned, int sexCode, int typeCode);
    // `part` 5 is the weapon: `pieceRow` is then ignored and `weaponSlots` counts.
    void presetMysetPart(int part, int pieceRow, int weaponSlots, const DecoSet& mysetDecos, int sexCode,
                         int typeCode);

    // FormShow: fills the lists, SkillTypeCB back to no filter.
    void show();
    // After the dialog closed, whatever the result: part choice and
    // FixAddButton hidden, ListFrom 0, OkButton "追加" again.
    void endShow();

    // What OK gives the caller; nothing when the caller must ignore OK (no
    // piece row selected in the fixed-piece and my-set modes, FixIndex -1
    // in the possession modes). FixAddButton appends the same.
    std::optional<FixResult> result() const;

    // User actions. Rows are list rows as currently ordered.
    void selectPiece(int row);   // FixLVSelectItem
    void deselectPiece();        // the selection went away; nothing else changes
    bool fit(int decoRow);       // "↑" / double click on DecoLV; false when nothing was fitted
    bool remove(int position);   // "↓" / double click on SelDecoLV; false when nothing was removed
    // "検索": the row found (now selected), -1 when none or the text is empty.
    int findByName(std::string_view sjisText);
    void setSexFilter(int code);     // FixSexRGClick
    void setTypeFilter(int code);    // FixTypeRGClick
    void setSkillFilter(int system); // SkillTypeCBSelect
    void choosePart(int part);       // FixPartRGClick, with the PartIndex of the item
    void sortPieces(int column);     // FixLV header click
    void sortDecos(int column);      // DecoLV header click

    const FixState& state() const { return state_; }
    const Catalogue& catalogue() const { return catalogue_; }

    // FixLV: the Equip row of each list row; the selected list row or -1.
    const std::vector<int>& pieceRows() const { return pieceRows_; }
    int selectedPieceRow() const { return selectedPieceRow_; }
    // DecoLV: the Deco row of each list row.
    const std::vector<int>& decoRows() const { return decoRows_; }

    std::string pieceCell(int row, int column) const;
    std::string decoCell(int row, int column) const;
    std::string fittedCell(int position, int column) const;  // SelDecoLV, position < FixDecoCount
    std::string partCaption() const;                        // FixLabel: "脚装備" .. "武器"
    FixMemos memos() const;                                 // FixMemo and ValMemo

private:
    void fill(bool showing);
    void refilterAfterChange();
    std::string pieceText(int piece, int column) const;
    std::string decoText(int deco, int column) const;
    void clearFitted();
    void presetFilters(int sexCode, int typeCode, bool editableWhenBoth);
    void presetFitted(int part, const DecoSet& decos);
    void appendFitted(int deco);
    int pieceSlots() const;

    const Catalogue& catalogue_;
    FixState state_;
    std::vector<int> pieceRows_;
    int selectedPieceRow_ = -1;
    std::vector<int> decoRows_;
};

// FixPartRG's items 頭, 胴, 腕, 腰, 脚 and their parts.
int partOfFixPartItem(int item);
int fixPartItemOfPart(int part);

}  // namespace vk
