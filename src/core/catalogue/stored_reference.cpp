#include "core/catalogue/stored_reference.h"

namespace vk {

namespace {

template <class Table>
int resolveIn(const Table& table, int first, std::string_view name, int storedIndex) {
    if (first < 0) return storedIndex;
    const bool storedIsRow = storedIndex >= 0 && static_cast<std::size_t>(storedIndex) < table.size();
    if (storedIsRow && table[storedIndex].name == name) return storedIndex;
    return first;
}

}  // namespace

int resolveStoredPiece(const Catalogue& cat, int part, std::string_view name, int storedIndex) {
    return resolveIn(cat.equip[part], cat.findEquip(part, name), name, storedIndex);
}

int resolveStoredDeco(const Catalogue& cat, std::string_view name, int storedIndex) {
    return resolveIn(cat.decos, cat.findDeco(name), name, storedIndex);
}

int resolveStoredRow(const Catalogue& cat, int table, std::string_view name, int storedIndex) {
    return table == kDecoTable ? resolveStoredDeco(cat, name, storedIndex)
                               : resolveStoredPiece(cat, table, name, storedIndex);
}

int firstPieceNamed(const Catalogue& cat, int part, std::string_view name, int storedIndex) {
    const int row = cat.findEquip(part, name);
    return row >= 0 ? row : storedIndex;
}

int firstDecoNamed(const Catalogue& cat, std::string_view name, int storedIndex) {
    const int row = cat.findDeco(name);
    return row >= 0 ? row : storedIndex;
}

}  // namespace vk
