#include "core/catalogue/skill_index.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace vk {

namespace {

// A row's points in a system: its first entry naming the system, else 0.
template <class Row>
int pointsIn(const Row& row, int system) {
    for (const SkillPoints& entry : row.skill)
        if (entry.system == system) return entry.points;
    return 0;
}

struct UnknownSystem {
    int system;
    int row;
    int entry;
};

// Enters every row of `rows`, in table order, into `lists` (one per system).
// A torso-up entry (with `torsoUpRule`) puts the row in both lists of every
// system, system 0 included; another entry of a system other than 0 goes to
// its plus list for points above 0, else to its minus list.
template <class Row>
std::optional<UnknownSystem> enterRows(const std::vector<Row>& rows, const Catalogue& cat, bool torsoUpRule,
                                       std::vector<SkillLists>& lists) {
    const int systems = cat.systemCount();
    lists.assign(static_cast<std::size_t>(systems), SkillLists{});
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const auto& skills = rows[i].skill;
        for (int j = 0; j < static_cast<int>(skills.size()); ++j) {
            const SkillPoints& entry = skills[j];
            if (entry.system < 0 || entry.system >= systems) return UnknownSystem{entry.system, i, j};
            if (torsoUpRule && cat.isTorsoUp(entry.system)) {
                for (SkillLists& l : lists) {
                    l.plus.push_back(i);
                    l.minus.push_back(i);
                }
            } else if (entry.system != 0) {
                SkillLists& l = lists[entry.system];
                (entry.points > 0 ? l.plus : l.minus).push_back(i);
            }
        }
    }
    return std::nullopt;
}

// Plus lists highest points first, minus lists lowest first; a stable sort
// keeps table order among equal points, so every run lists the same order.
template <class Row>
void sortLists(const std::vector<Row>& rows, std::vector<SkillLists>& lists) {
    for (int s = 0; s < static_cast<int>(lists.size()); ++s) {
        auto points = [&](int row) { return pointsIn(rows[row], s); };
        std::stable_sort(lists[s].plus.begin(), lists[s].plus.end(),
                         [&](int a, int b) { return points(a) > points(b); });
        std::stable_sort(lists[s].minus.begin(), lists[s].minus.end(),
                         [&](int a, int b) { return points(a) < points(b); });
    }
}

template <class Row>
std::optional<std::string> buildLists(const std::vector<Row>& rows, const Catalogue& cat, bool torsoUpRule,
                                      std::vector<SkillLists>& lists, const char* where) {
    if (const auto bad = enterRows(rows, cat, torsoUpRule, lists)) {
        char text[128];
        std::snprintf(text, sizeof text, "ERROR type %d, l %d, i %d, %s", bad->system, bad->row, bad->entry, where);
        return std::string(text);
    }
    sortLists(rows, lists);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> buildPartSkillIndex(Catalogue& cat, int part) {
    char where[32];
    std::snprintf(where, sizeof where, "part %d", part);
    return buildLists(cat.equip[part], cat, true, cat.skillIndex[part], where);
}

std::optional<std::string> buildDecoSkillIndex(Catalogue& cat) {
    return buildLists(cat.decos, cat, false, cat.decoSkillIndex, "DECO");
}

}  // namespace vk
