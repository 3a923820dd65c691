#include "core/catalogue/catalogue.h"

namespace vk {

namespace {
template <class Table, class NameOf>
int findFirst(const Table& table, std::string_view name, NameOf nameOf) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (nameOf(table[i]) == name) return static_cast<int>(i);
    return -1;
}
}  // namespace

int Catalogue::findSkillType(std::string_view name) const {
    return findFirst(skillTypes, name, [](const std::string& s) -> const std::string& { return s; });
}
int Catalogue::findSkillEq(std::string_view name) const {
    return findFirst(skillEqs, name, [](const SkillEq& e) -> const std::string& { return e.name; });
}
int Catalogue::findDeco(std::string_view name) const {
    return findFirst(decos, name, [](const Deco& d) -> const std::string& { return d.name; });
}
int Catalogue::findEquip(int part, std::string_view name) const {
    if (part < 0 || part >= kArmourParts) return -1;
    return findFirst(equip[part], name, [](const Equip& e) -> const std::string& { return e.name; });
}

}  // namespace vk
