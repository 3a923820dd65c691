#include "core/catalogue/line_parsers.h"

#include <array>
#include <initializer_list>
#include <span>

#include "core/catalogue/line_fields.h"

namespace vk {

namespace {

// Each reader returns false at the first missing token: parsing stops there.

bool readInts(FieldSplitter& fields, std::initializer_list<int*> targets) {
    std::string_view token;
    for (int* target : targets) {
        if (!fields.next(token)) return false;
        *target = parseInt(token);
    }
    return true;
}

bool readSkills(FieldSplitter& fields, std::span<SkillPoints> skills, const Catalogue& cat) {
    std::string_view token;
    for (SkillPoints& entry : skills) {
        if (!fields.next(token)) return false;
        entry.system = cat.findSkillType(token);
        if (!fields.next(token)) return false;
        entry.points = parseInt(token);
    }
    return true;
}

bool readName(FieldSplitter& fields, std::string& name) {
    std::string_view token;
    if (!fields.next(token)) return false;
    name = copyName(token);
    return true;
}

// Searched in this order; the first operator found decides the kind.
struct Operator {
    std::string_view text;
    CompareKind kind;
};
constexpr std::array<Operator, 5> kOperators = {{
    {">=", kGreaterEqual}, {">", kGreater}, {"<=", kLessEqual}, {"<", kLess}, {"==", kEqual},
}};

}  // namespace

std::string parseSkillTypeLine(std::string_view line) { return copyName(line); }

Equip parseEquipLine(std::string_view line, const Catalogue& cat) {
    Equip e;
    FieldSplitter fields(line);
    if (readName(fields, e.name) &&
        readInts(fields, {&e.sex, &e.type, &e.rarity, &e.slots, &e.defence, &e.fire, &e.water, &e.thunder,
                          &e.ice, &e.dragon}))
        readSkills(fields, e.skill, cat);
    return e;
}

Deco parseDecoLine(std::string_view line, const Catalogue& cat) {
    Deco d;
    FieldSplitter fields(line);
    if (readName(fields, d.name) && readInts(fields, {&d.rarity, &d.slots})) readSkills(fields, d.skill, cat);
    return d;
}

std::optional<SkillEq> parseSkillEqLine(std::string_view line, const Catalogue& cat) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::string_view condition = line.substr(comma + 1);
    for (const Operator& op : kOperators) {
        const std::size_t at = condition.find(op.text);
        if (at == std::string_view::npos) continue;
        const int system = cat.findSkillType(condition.substr(0, at));
        if (system < 0) return std::nullopt;
        SkillEq eq;
        eq.name = copyName(line.substr(0, comma));
        eq.system = system;
        eq.kind = op.kind;
        eq.threshold = parseInt(condition.substr(at + op.text.size()));
        return eq;
    }
    return std::nullopt;
}

}  // namespace vk
