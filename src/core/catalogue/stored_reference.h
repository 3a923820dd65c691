#pragma once
// Files store a catalogue row as its name and its index. Reading one back, the
// name wins: the first row with that name, unless the stored index is itself a
// row of that name (among rows that share a name, the stored one); when no row
// has the name, the stored index stands in, even if it is no row of the table.

#include <string_view>

#include "core/catalogue/catalogue.h"

namespace vk {

// Table 0..4 is the armour part; kDecoTable the decorations.
inline constexpr int kDecoTable = kArmourParts;

int resolveStoredPiece(const Catalogue& cat, int part, std::string_view name, int storedIndex);
int resolveStoredDeco(const Catalogue& cat, std::string_view name, int storedIndex);
// The part's pieces for 0..4, the decorations for kDecoTable.
int resolveStoredRow(const Catalogue& cat, int table, std::string_view name, int storedIndex);

// The simpler rule of a saved search's header lines: the first row with the
// name, else the stored index.
int firstPieceNamed(const Catalogue& cat, int part, std::string_view name, int storedIndex);
int firstDecoNamed(const Catalogue& cat, std::string_view name, int storedIndex);

}  // namespace vk
