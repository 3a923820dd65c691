#pragma once
// The possessions page's lists: per part the positions of the owned pieces
// that pass the sex and type filter (PossView), and the list operations,
// which keep a part's sequence and its view in step.

#include <array>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/possession.h"

namespace vk {

// Per part, ascending positions into that part's sequence; row r of the
// part's list shows the possession at view[r].
using PossView = std::vector<int>;
using PossViews = std::array<PossView, kArmourParts>;

// The filter: sex 0 both, 1 男, 2 女; type 0 both, 1 剣士, 2 ガンナー. The
// piece's sex and type come from the catalogue.
PossView filterPossessions(const Catalogue& catalogue, int part, const std::deque<Possession>& owned, int sex,
                           int type);
PossViews filterPossessions(const Catalogue& catalogue, const PossessionLists& owned, int sex, int type);

// A list row's decoration text: each fitted decoration's name and a blank.
std::string possessionDecoText(const Possession& owned);

// The possession of piece `index` of `part` with `decos` fitted, names
// copied from the catalogue (decorations not in the table are left out).
Possession makePossession(const Catalogue& catalogue, int part, int index, std::span<const int> decos);

// Appends at the back of the sequence and shows it as the last row, whatever
// the filter.
void appendPossession(std::deque<Possession>& owned, PossView& view, Possession added);

// Erases the possession of `row`; later positions in the view move down by
// one. Returns the row to select next: the one below, for the last row the
// one above, -1 when the list is empty. Nothing happens (-1) for a row the
// view does not have.
int erasePossessionRow(std::deque<Possession>& owned, PossView& view, int row);

// Swaps the possessions of two rows (with a filter on, past hidden ones).
// False, changing nothing, when either row is not in the view.
bool swapPossessionRows(std::deque<Possession>& owned, const PossView& view, int row, int otherRow);

}  // namespace vk
