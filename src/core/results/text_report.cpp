#include "core/results/text_report.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "core/results/detail_panels.h"
#include "core/text/sjis.h"

namespace vk {

namespace {

// printf-style append. The widths count bytes, which is what the report's
// columns need for Shift-JIS names.
[[gnu::format(printf, 2, 3)]] void appendf(std::string& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (n > 0) {
        const std::size_t at = out.size();
        out.resize(at + static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data() + at, static_cast<std::size_t>(n) + 1, format, again);
        out.resize(at + static_cast<std::size_t>(n));
    }
    va_end(again);
}

// The report's fixed words, converted once.
struct Words {
    std::string title = utf8ToSjis("-------------------------- VELKORANTIS ver 0.7 出力 -----------------------\r\n");
    std::string mark = utf8ToSjis("■　");
    std::string comma = utf8ToSjis("、");
    std::string male = utf8ToSjis("男"), female = utf8ToSjis("女");
    std::string swordsman = utf8ToSjis("剣士"), gunner = utf8ToSjis("ガンナー");
    std::string armourList = utf8ToSjis("■　防具一覧\r\n");
    std::string armourHeads[10] = {utf8ToSjis("防具名"), utf8ToSjis("レア"), utf8ToSjis("防御"), utf8ToSjis("火"),
                                   utf8ToSjis("水"),     utf8ToSjis("雷"),   utf8ToSjis("氷"),   utf8ToSjis("龍"),
                                   utf8ToSjis("ス"),     utf8ToSjis("装飾品")};
    std::string weapon = utf8ToSjis("武器"), total = utf8ToSjis("計");
    std::string skillList = utf8ToSjis("\r\n■　スキル系統一覧\r\n");
    std::string skillHeads[8] = {utf8ToSjis("スキル系統"), utf8ToSjis("頭"), utf8ToSjis("胴"), utf8ToSjis("腕"),
                                 utf8ToSjis("腰"),         utf8ToSjis("脚"), utf8ToSjis("武"), utf8ToSjis("計")};
    std::string activatedList = utf8ToSjis("\r\n■　発動スキル一覧\r\n");
};

const Words& words() {
    static const Words w;
    return w;
}

const std::string kSeparator = std::string(75, '-') + "\r\n";

void appendArmour(std::string& out, const Catalogue& catalogue, const ShownSet& set) {
    const Words& w = words();
    out += kSeparator;
    out += w.armourList;
    const auto& h = w.armourHeads;
    appendf(out, "%20s %4s %4s %3s %3s %3s %3s %3s %3s %14s\r\n", h[0].c_str(), h[1].c_str(), h[2].c_str(),
            h[3].c_str(), h[4].c_str(), h[5].c_str(), h[6].c_str(), h[7].c_str(), h[8].c_str(), h[9].c_str());
    out += kSeparator;

    for (int part : kDisplayOrder) {
        const Equip& e = shownPiece(catalogue, set, part);
        appendf(out, "%20s % 4d % 4d % 3d % 3d % 3d % 3d % 3d % 3d %14s\r\n", e.name.c_str(), e.rarity, e.defence,
                e.fire, e.water, e.thunder, e.ice, e.dragon, e.slots,
                decorationText(catalogue, set.decos, part).c_str());
    }
    appendf(out, "%20s                               % 3d %14s\r\n", w.weapon.c_str(), set.weaponSlots,
            decorationText(catalogue, set.decos, Weapon).c_str());
    out += kSeparator;
    // Unlike the on-screen total, the report counts the weapon's slots.
    const ArmourSums sums = armourSumsOf(catalogue, set);
    appendf(out, "%20s      % 4d % 3d % 3d % 3d % 3d % 3d % 3lld\r\n", w.total.c_str(), sums.defence, sums.fire,
            sums.water, sums.thunder, sums.ice, sums.dragon, slotsWithWeapon(sums, set));
}

void appendSkills(std::string& out, const Catalogue& catalogue, const SkillSummary& summary) {
    const Words& w = words();
    out += w.skillList;
    const auto& h = w.skillHeads;
    appendf(out, "%20s %4s %4s %4s %4s %4s %4s %4s\r\n", h[0].c_str(), h[1].c_str(), h[2].c_str(), h[3].c_str(),
            h[4].c_str(), h[5].c_str(), h[6].c_str(), h[7].c_str());
    out += kSeparator;

    const int systems = std::min(catalogue.systemCount(), static_cast<int>(summary.seen.size()));
    for (int s = 1; s < systems; ++s) {
        if (!summary.seen[s][kSummaryTotal]) continue;
        appendf(out, "%20s ", catalogue.skillTypes[s].c_str());
        for (int part : kSkillColumnParts) {
            // The report marks torso-up only in the four non-body armour cells.
            const bool mark = part != Body && part != Weapon;
            switch (skillCellOf(catalogue, summary, s, part, mark)) {
            case SkillCell::kEmpty: out += "     "; break;
            case SkillCell::kTorsoUp: out += "   E "; break;
            case SkillCell::kPoints: appendf(out, "%4d ", summary.points[s][summaryColumn(part)]); break;
            }
        }
        if (catalogue.isTorsoUp(s))
            out += "    ";
        else
            appendf(out, "%4d", summary.points[s][kSummaryTotal]);
        out += "\r\n";
    }
}

void appendActivated(std::string& out, const Catalogue& catalogue, const SkillSummary& summary) {
    out += kSeparator;
    out += words().activatedList;
    out += kSeparator;
    const std::size_t n = std::min(catalogue.skillEqs.size(), summary.activated.size());
    for (std::size_t i = 0; i < n; ++i)
        if (summary.activated[i]) appendf(out, "%s\r\n", catalogue.skillEqs[i].name.c_str());
    out += kSeparator;
}

}  // namespace

void FoldBlanks(std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size();) {
        if (text[i] == ' ' && text[i + 1] == ' ') {
            text[i] = '\x81';
            text[i + 1] = '\x40';
            i += 2;
        } else {
            ++i;
        }
    }
}

std::string BuildTextReport(const Catalogue& catalogue, const ShownSet& set, SkillSummary& summary) {
    RunSkillSummary(catalogue, set, summary);
    const Words& w = words();
    std::string out = w.title;
    out += w.mark + (set.sex == 1 ? w.male : w.female) + w.comma + (set.type == 1 ? w.swordsman : w.gunner) +
           "\r\n\r\n";
    appendArmour(out, catalogue, set);
    appendSkills(out, catalogue, summary);
    appendActivated(out, catalogue, summary);
    FoldBlanks(out);
    return out;
}

std::string BuildTextReport(const Catalogue& catalogue, const ShownSet& set) {
    SkillSummary summary;
    return BuildTextReport(catalogue, set, summary);
}

}  // namespace vk
