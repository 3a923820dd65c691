#include "core/search/random_search.h"

#include <algorithm>
#include <climits>
#include <functional>

#include "core/search/search_fixture.h"

namespace vk::search_test {

namespace {

class Dice {
public:
    explicit Dice(std::uint32_t seed) : gen_(seed) {}
    int range(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
    bool chance(int percent) { return range(1, 100) <= percent; }
    template <class T>
    const T& pick(std::initializer_list<T> items) {
        return items.begin()[range(0, static_cast<int>(items.size()) - 1)];
    }

private:
    std::mt19937 gen_;
};

// Now and then numbers a damaged data file holds: slot counts out of 0..3
// (below 1 for decorations), points, defence and thresholds at the ends of
// int. Their dice are their own, so the rest of a case is drawn as before.
class Extremes {
public:
    explicit Extremes(std::uint32_t seed) : dice_(seed ^ 0x5BD1E995u), on_(dice_.chance(30)) {}
    int pieceSlots(int usual) { return pick(usual, 10, {INT_MIN, -2, -1, 4, 7, INT_MAX}); }
    int decoSlots(int usual) { return pick(usual, 15, {INT_MIN, -1, 0, 4, INT_MAX}); }
    int value(int usual) { return pick(usual, 6, {INT_MIN, INT_MIN + 1, -99'999'999, 99'999'999, INT_MAX}); }

private:
    int pick(int usual, int percent, std::initializer_list<int> values) {
        return on_ && dice_.chance(percent) ? dice_.pick(values) : usual;
    }
    Dice dice_;
    bool on_;
};

void addExtremes(Extremes& x, Equip& e) {
    e.slots = x.pieceSlots(e.slots);
    for (int* v : {&e.defence, &e.fire, &e.water, &e.thunder, &e.ice, &e.dragon}) *v = x.value(*v);
    for (SkillPoints& s : e.skill)
        if (s.system != 0) s.points = x.value(s.points);
}

Equip randomPiece(Dice& dice, int systems, int torsoUp) {
    Equip e;
    e.name = "piece" + std::to_string(dice.range(0, 3));  // names repeat
    e.sex = dice.range(0, 2);
    e.type = dice.range(0, 2);
    e.rarity = dice.range(1, 6);
    e.slots = dice.range(0, 3);
    e.defence = dice.range(0, 12);
    e.fire = dice.range(-3, 3);
    e.water = dice.range(-3, 3);
    int k = 0;
    if (torsoUp > 0 && dice.chance(12)) e.skill[k++] = {torsoUp, dice.range(0, 1)};
    const int entries = dice.range(0, 4);
    for (int i = 0; i < entries && k < 5; ++i) {
        const int system = dice.chance(8) && torsoUp > 0 ? torsoUp : dice.range(1, systems);
        e.skill[k++] = {system, dice.chance(25) ? dice.range(-4, 0) : dice.range(1, 6)};
    }
    return e;
}

void randomCatalogue(Dice& dice, Extremes& extremes, CatalogueBuilder& b, int& systems, int& torsoUp) {
    systems = dice.range(2, 5);
    for (int s = 1; s <= systems; ++s) b.system("sys" + std::to_string(s));
    torsoUp = 0;
    if (dice.chance(75)) {
        torsoUp = b.torsoUpSystem();
        if (dice.chance(20)) systems = torsoUp;  // the torso-up system may also be wanted
    }
    const int skills = dice.range(3, 8);
    for (int i = 0; i < skills; ++i) {
        const int kind = dice.pick({kGreaterEqual, kGreaterEqual, kGreater, kLessEqual, kLess, kEqual});
        const int threshold = isNegativeKind(kind) ? dice.range(-6, 3) : dice.range(-2, 12);
        b.skill(dice.range(1, systems), kind, extremes.value(threshold));
    }
    for (int p = 0; p < kArmourParts; ++p) {
        const int pieces = dice.range(1, 9);
        for (int i = 0; i < pieces; ++i) {
            Equip e = randomPiece(dice, systems, torsoUp);
            addExtremes(extremes, e);
            b.piece(p, e);
        }
    }
    const int decos = dice.chance(10) ? 0 : dice.range(1, 7);
    for (int i = 0; i < decos; ++i) {
        SkillPoints main{dice.range(1, systems), dice.chance(15) ? dice.range(-3, -1) : dice.range(1, 4)};
        SkillPoints second{};
        if (dice.chance(60)) second = {dice.range(1, systems), dice.range(-3, 2)};
        const int slots = extremes.decoSlots(dice.range(1, 3));
        main.points = extremes.value(main.points);
        b.deco(slots, main, second, dice.range(1, 6));
    }
}

// Fixed decorations that fit the fixed pieces' slots.
void randomFixedDecos(Dice& dice, const Catalogue& cat, SearchCondition& cond) {
    for (int p = 0; p < kDecoParts; ++p) {
        int free = p == Weapon ? cond.weaponSlots : (cond.fixed[p] ? cat.equip[p][cond.fixedPiece[p]].slots : 0);
        const int tries = dice.range(0, 2);
        for (int t = 0; t < tries && cat.decos.size() > 1; ++t) {
            const int d = dice.range(1, static_cast<int>(cat.decos.size()) - 1);
            if (cat.decos[d].slots > free) continue;
            cond.fixedDecos.place(p, d, cat.decos[d].slots);
            free -= cat.decos[d].slots;
        }
    }
    // Now and then a layout that is not packed from slot 0 (a hand-edited
    // settings file): a one-slot decoration in the second slot of a free part.
    if (dice.chance(25)) {
        const int p = dice.range(0, kArmourParts - 1);
        for (int d = 1; d < static_cast<int>(cat.decos.size()); ++d) {
            if (cat.decos[d].slots != 1 || cond.fixedDecos.SlotsUsed[p] != 0) continue;
            cond.fixedDecos.DecoIndex[p][1] = d;
            cond.fixedDecos.SlotUsed[p][1] = 1;
            cond.fixedDecos.SlotsUsed[p] = 1;
            ++cond.fixedDecos.DecoCount[p];
            ++cond.fixedDecos.DecoTotal;
            break;
        }
    }
    cond.allFixedDecos = cond.fixedDecos;
}

}  // namespace

RandomSearch randomSearch(std::uint32_t seed) {
    Dice dice(seed);
    CatalogueBuilder b;
    int systems = 0;
    int torsoUp = 0;
    Extremes extremes(seed);
    randomCatalogue(dice, extremes, b, systems, torsoUp);
    RandomSearch s{b.build(), {}, {}};
    const Catalogue& cat = s.cat;
    SearchCondition& c = s.cond;

    c.sex = dice.range(1, 2);
    c.type = dice.range(1, 2);
    c.rarityLimit = dice.chance(70) ? 0 : dice.range(1, 6);
    const int wanted = dice.pick({1, 1, 2, 2, 2, 3, 3, 4, 5});
    std::vector<int> rows;
    for (int i = 0; i < wanted; ++i) rows.push_back(dice.range(1, static_cast<int>(cat.skillEqs.size()) - 1));
    if (!dice.chance(10)) {  // usually distinct, as the window offers them
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (std::size_t j = 0; j < rows.size(); ++j) c.wanted[j] = rows[j];
    c.wantedCount = static_cast<int>(rows.size());

    c.useDecorations = dice.chance(70);
    c.weaponSlots = dice.range(0, 3);
    c.allPieces = dice.chance(30);
    c.threeSlotPieces = dice.chance(30);
    c.possessions = dice.chance(30);
    for (int p = 0; p < kArmourParts; ++p) {
        if (dice.chance(12)) {
            c.fixed[p] = true;
            c.fixedPiece[p] = dice.range(0, static_cast<int>(cat.equip[p].size()) - 1);
        }
        const int owned = dice.range(0, 2);
        for (int i = 0; i < owned; ++i)
            s.snapshot.possessed[p].push_back(dice.range(0, static_cast<int>(cat.equip[p].size()) - 1));
    }
    c.fixDecorations = dice.chance(30);
    if (c.fixDecorations) randomFixedDecos(dice, cat, c);
    c.HitLimit = dice.pick({100000, 100000, 0, -1, -7, 1, 2, 3, 5});
    c.Priority = dice.chance(50) ? 0 : dice.range(1, 8);
    c.minDefence = dice.chance(70) ? 0 : dice.range(1, 40);

    s.snapshot.exclusions = ExceptFlags::sizedFor(cat);
    for (int p = 0; p < kArmourParts; ++p)
        for (auto& flag : s.snapshot.exclusions.equip[p]) flag = dice.chance(10);
    for (auto& flag : s.snapshot.exclusions.deco) flag = dice.chance(10);
    return s;
}

}  // namespace vk::search_test
