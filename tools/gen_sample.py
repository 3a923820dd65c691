#!/usr/bin/env python3
"""Writes the bundled sample catalogue: eight invented data files.

Every name and number here is made up: skill systems, activations, armour
series and decorations are composed from small syllable and kanji pools with a
fixed random seed, so two runs write identical bytes.

    tools/gen_sample.py              writes into data/sample/
    tools/gen_sample.py --out DIR    writes into DIR

Files are Shift-JIS (code page 932) with CR LF line ends.
"""

import argparse
import os
import random
import sys

SEED = 20240611

NO_SKILL = "なし"
TORSO_UP = "胴系倍加"
NO_PIECE = "装備なし"
NO_DECO = "装飾なし"

# Part files in the order the program reads them (Leg first).
PART_FILES = [
    ("Leg", "ZEVAEQUIP_LEG.csv"),
    ("Head", "ZEVAEQUIP_HEAD.csv"),
    ("Body", "ZEVAEQUIP_BODY.csv"),
    ("Arm", "ZEVAEQUIP_ARM.csv"),
    ("Wst", "ZEVAEQUIP_WST.csv"),
]
PARTS = [p for p, _ in PART_FILES]
NON_BODY = ["Leg", "Head", "Arm", "Wst"]

# Skill systems: a first character from a colour/plant pool and a second
# character naming the family's theme.
FIRST_CHARS = "霞朧翠樺楓菫榊蛍澪珀瑠碧燐柘茜藍椿萌"
FAMILIES = [
    "刃閃",  # cutting
    "弾矢",  # shooting
    "盾壁",  # guarding
    "脚翼",  # moving
    "眼手",  # gathering
    "紋輪",  # elements
    "護守",  # warding
    "心魂",  # spirit
    "息脈",  # stamina
]
SYSTEMS_PER_FAMILY = 9
COMMONS_PER_FAMILY = 4  # systems that armour carries often; the rest are rare
BLADE_FAMILY = 0
GUN_FAMILY = 1

KATA_SYLLABLES = ["ヴェ", "ザ", "ル", "ミ", "ロ", "ネ", "ク", "ティ", "リ", "フォ",
                  "ヨ", "キ", "ナ", "メ", "ヴァ", "ハ", "ゼ", "ユ", "オ", "ピ"]
KATA_SYSTEMS = 6

# Armour series stems: material character + form character, or katakana words.
MATERIAL_A = "蒼紅翠玄白金銀鋼霧雷星月陽影風氷炎岩砂潮樹晶燐霞朧琥紫灰藍"
MATERIAL_B = "鱗殻甲角牙羽皮爪棘尾骨絹鎖紋晶"

# Part nouns per naming set; series pick one set.
NOUN_SETS = [
    {"Head": "兜", "Body": "鎧", "Arm": "篭手", "Wst": "腰帯", "Leg": "脚甲"},
    {"Head": "冠", "Body": "胴衣", "Arm": "腕輪", "Wst": "腰布", "Leg": "長靴"},
    {"Head": "面", "Body": "胸当", "Arm": "手甲", "Wst": "腰当", "Leg": "具足"},
]
GUNNER_NOUNS = {"Head": "頭巾", "Body": "外套", "Arm": "手袋", "Wst": "腰巻", "Leg": "脚絆"}
FEMALE_NOUNS = {"Head": "髪飾", "Body": "上衣", "Arm": "袖当", "Wst": "裳", "Leg": "靴"}
# Torso-up pieces: (stem, rarity); each non-body part gets one per stem.
TORSO_STEMS = [("鏡映", 2), ("双影", 3), ("写身", 4), ("反照", 6)]

BASE_SERIES = 96
UPGRADED_SERIES = 26
TYPE_SPLIT_SERIES = 20
SEX_SPLIT_SERIES = 10
DUPLICATES_PER_PART = 3

# Decoration kinds: name suffix, slots, rarity range, points for a common
# system, points for a rare one, range of the second skill's minus points
# (None: no second skill), share of decorated systems that get this kind.
# Within one system every kind gives the same points per slot, so a count of
# free slots tells well whether the missing points can be fitted.
DECO_KINDS = [
    ("の欠片", 1, (1, 4), 1, 2, (1, 1), 1.0),
    ("の粒", 1, (3, 5), 1, 1, None, 0.25),
    ("の結晶", 2, (4, 6), 2, 4, (1, 2), 1.0),
    ("の宝晶", 3, (6, 8), 3, 6, None, 0.6),
]

FORBIDDEN = ",<>="


def check_name(name):
    raw = name.encode("cp932")
    if len(raw) > 40 or raw.startswith(b"#") or any(c in name for c in FORBIDDEN):
        raise ValueError("bad name: " + name)
    # Stay inside the characters every Shift-JIS table agrees on.
    if raw.decode("shift_jis") != name:
        raise ValueError("name outside common Shift-JIS: " + name)
    return name


class Catalogue:
    def __init__(self, rng):
        self.rng = rng
        self.families = []      # per family: list of system names
        self.commons = []       # per family: names armour carries often
        self.rares = []         # systems armour carries seldom
        self.systems = []       # file order, excluding the two special lines
        self.activations = []   # (name, condition)
        self.pieces = {p: [] for p in PARTS}
        self.decos = []
        self.uses = {}

    # ---- skill systems and activations -------------------------------
    def make_systems(self):
        rng = self.rng
        for themes in FAMILIES:
            firsts = rng.sample(FIRST_CHARS, SYSTEMS_PER_FAMILY)
            names = [check_name(f + themes[i % 2]) for i, f in enumerate(firsts)]
            self.families.append(names)
            self.commons.append(names[:COMMONS_PER_FAMILY])
            self.rares.extend(names[COMMONS_PER_FAMILY:])
        kata = []
        while len(kata) < KATA_SYSTEMS:
            word = "".join(rng.sample(KATA_SYLLABLES, 3)) + "流"
            if word not in kata:
                kata.append(check_name(word))
        self.rares.extend(kata)
        for names in self.families:
            self.systems.extend(names)
        self.systems.extend(kata)

    def system_lines(self):
        half = len(self.systems) // 2
        return ([NO_SKILL] + self.systems[:half] + [TORSO_UP] + self.systems[half:])

    def make_activations(self):
        rng = self.rng
        # The none entry must never show as activated: the none system's total
        # is always 0, so it asks for one point.
        self.activations.append((NO_SKILL, NO_SKILL + ">=1"))
        equal_systems = set(rng.sample(self.systems, 6))
        for s in self.systems:
            if s in equal_systems:
                if rng.random() < 0.5:
                    self.activations.append((s + "・凪", s + "==0"))
                else:
                    self.activations.append((s + "・七星", s + "==7"))
            first = s + (">9" if rng.random() < 0.15 else ">=10")
            self.activations.append((s + "・壱", first))
            self.activations.append((s + "・弐", s + ">=15"))
            if rng.random() < 0.35:
                self.activations.append((s + "・参", s + ">=20"))
            if rng.random() < 0.7:
                mild = s + ("<-9" if rng.random() < 0.15 else "<=-10")
                self.activations.append((s + "・乱", mild))
                if rng.random() < 0.5:
                    self.activations.append((s + "・崩", s + "<=-15"))
        for name, _ in self.activations:
            check_name(name)

    # ---- armour ---------------------------------------------------------
    def make_stems(self, count):
        rng = self.rng
        stems = []
        kata_stems = count // 7
        while len(stems) < count - kata_stems:
            stem = rng.choice(MATERIAL_A) + rng.choice(MATERIAL_B)
            if stem[0] != stem[1] and stem not in stems:
                stems.append(stem)
        while len(stems) < count:
            stem = "".join(rng.sample(KATA_SYLLABLES, 3))
            if stem not in stems:
                stems.append(stem)
        rng.shuffle(stems)
        return stems

    def distribute(self, total, n_parts, cap):
        """Splits total points over n_parts of the five parts, 1..cap each."""
        rng = self.rng
        n_parts = max(n_parts, (total + cap - 1) // cap)
        chosen = rng.sample(PARTS, min(n_parts, 5))
        total = min(total, cap * len(chosen))
        pts = {p: 1 for p in chosen}
        left = total - len(chosen)
        while left > 0:
            p = rng.choice(chosen)
            if pts[p] < cap:
                pts[p] += 1
                left -= 1
        return pts

    def least_used(self, role, candidates):
        counts = self.uses.setdefault(role, {})
        low = min(counts.get(s, 0) for s in candidates)
        pick = self.rng.choice([s for s in candidates if counts.get(s, 0) == low])
        counts[pick] = low + 1
        return pick

    def series_skills(self, rarity, fam):
        """Picks the series' systems and their per-part points."""
        rng = self.rng
        commons = self.commons[fam]
        others = [s for f, c in enumerate(self.commons) if f != fam for s in c]
        # Systems are picked least-used first so that every common system
        # stands in about as many series as the others.
        primary = self.least_used("primary", commons)
        if rng.random() < 0.5:
            secondary = self.least_used("secondary", [s for s in commons if s != primary])
        else:
            secondary = self.least_used("secondary", others)
        roll = rng.random()
        if roll < 0.2:
            third = self.least_used("third", [s for s in commons if s not in (primary, secondary)])
        elif roll < 0.85:
            third = self.least_used("third", [s for s in others if s != secondary])
        else:
            third = self.least_used("third", self.rares)
        plan = [
            (primary, self.distribute(3 + rarity * 5 // 4 + rng.randint(-1, 1), 5,
                                      5 if rarity >= 6 else 4)),
            (secondary, self.distribute(2 + rarity * 3 // 5 + rng.randint(0, 1), rng.randint(3, 5), 3)),
            (third, self.distribute(rng.randint(2, 4), rng.randint(2, 3), 2)),
        ]
        taken = [primary, secondary, third]
        if rng.random() < 0.3:
            fourth = rng.choice([s for s in self.rares if s not in taken])
            plan.append((fourth, self.distribute(rng.randint(2, 4), rng.randint(1, 3), 2)))
            taken.append(fourth)
        if rng.random() < 0.6:
            minus = rng.choice([s for s in self.systems if s not in taken])
            pts = self.distribute(rng.randint(3, 8), rng.randint(2, 4), 3)
            plan.append((minus, {p: -v for p, v in pts.items()}))
        return plan

    def upgrade_plan(self, plan):
        rng = self.rng
        out = []
        for system, pts in plan:
            if next(iter(pts.values())) > 0:
                pts = {p: min(v + (1 if rng.random() < 0.5 else 0), 5) for p, v in pts.items()}
            out.append((system, dict(pts)))
        return out

    def stats(self, rarity, element):
        rng = self.rng
        base_def = max(1, min(100, rarity * 11 + rng.randint(-4, 3)))
        resist = [rng.randint(-1, 1) for _ in range(5)]
        resist[element] += rng.randint(2, 3)
        resist[(element + 2) % 5] -= rng.randint(1, 3)
        return base_def, resist

    def slot_count(self, rarity):
        # Low rarities have mostly no slot; higher ones more two and three.
        t = (rarity - 1) / 7
        weights = [0.50 - 0.30 * t, 0.33, 0.12 + 0.15 * t, 0.05 + 0.15 * t]
        return self.rng.choices(range(4), weights)[0]

    def part_entries(self, plan, part):
        positives = [(s, pts[part]) for s, pts in plan if part in pts and pts[part] > 0]
        if part == "Body":
            # Body pieces are the series' strongest, which torso-up pieces repeat.
            positives = [(s, min(p + 1, 6)) for s, p in positives[:1]] + positives[1:]
        negatives = [(s, pts[part]) for s, pts in plan if part in pts and pts[part] < 0]
        if len(positives) < 2:
            negatives = []  # minus points only ever stand third or later
        return (positives + negatives)[:5]

    def add_series(self, stem, rarity, fam, plan, nouns, base_def, resist,
                   sex=0, typ=0, slots=None):
        rng = self.rng
        slots = slots or {p: self.slot_count(rarity) for p in PARTS}
        for part in PARTS:
            defence = max(1, min(100, base_def + rng.randint(-2, 2)))
            res = [max(-5, min(5, r + rng.choice((0, 0, 0, 1, -1)))) for r in resist]
            self.pieces[part].append({
                "name": check_name(stem + nouns[part]), "sex": sex, "type": typ,
                "rarity": rarity, "slots": slots[part], "defence": defence,
                "resist": res, "skills": self.part_entries(plan, part),
                "order": len(self.pieces[part]),
            })
        return slots

    def make_armour(self):
        rng = self.rng
        stems = self.make_stems(BASE_SERIES)
        series = []
        for i, stem in enumerate(stems):
            rarity = 1 + (i * 8) // BASE_SERIES
            fam = i % len(FAMILIES)
            series.append({"stem": stem, "rarity": rarity, "fam": fam,
                           "plan": self.series_skills(rarity, fam),
                           "nouns": rng.choice(NOUN_SETS),
                           "element": rng.randrange(5)})
        for base in rng.sample(series[:BASE_SERIES * 3 // 4], UPGRADED_SERIES):
            series.append({"stem": base["stem"] + "改",
                           "rarity": min(8, base["rarity"] + rng.randint(2, 3)),
                           "fam": base["fam"], "plan": self.upgrade_plan(base["plan"]),
                           "nouns": base["nouns"], "element": base["element"]})
        picks = rng.sample(range(len(series)), TYPE_SPLIT_SERIES + SEX_SPLIT_SERIES)
        type_split = set(picks[:TYPE_SPLIT_SERIES])
        sex_split = set(picks[TYPE_SPLIT_SERIES:])
        for i, s in enumerate(series):
            base_def, resist = self.stats(s["rarity"], s["element"])
            if i in type_split:
                other_fam = BLADE_FAMILY if s["fam"] == GUN_FAMILY else GUN_FAMILY
                blade_first = other_fam == GUN_FAMILY
                swapped = [list(e) for e in s["plan"]]
                swapped[1][0] = rng.choice([x for x in self.commons[other_fam]
                                            if x not in [e[0] for e in s["plan"]]])
                swapped = [tuple(e) for e in swapped]
                blade_plan, gun_plan = (s["plan"], swapped) if blade_first else (swapped, s["plan"])
                self.add_series(s["stem"], s["rarity"], s["fam"], blade_plan, s["nouns"],
                                base_def, resist, typ=1)
                gun_resist = [r + rng.choice((0, 1)) for r in resist]
                self.add_series(s["stem"], s["rarity"], s["fam"], gun_plan, GUNNER_NOUNS,
                                max(1, base_def * 4 // 5), gun_resist, typ=2)
            elif i in sex_split:
                slots = self.add_series(s["stem"], s["rarity"], s["fam"], s["plan"],
                                        s["nouns"], base_def, resist, sex=1)
                self.add_series(s["stem"], s["rarity"], s["fam"], s["plan"], FEMALE_NOUNS,
                                base_def, resist, sex=2, slots=slots)
            else:
                self.add_series(s["stem"], s["rarity"], s["fam"], s["plan"], s["nouns"],
                                base_def, resist)
        self.add_torso_up()
        self.add_duplicates()
        for part in PARTS:
            # Files list pieces by rarity; generation order breaks ties.
            self.pieces[part].sort(key=lambda e: (e["rarity"], e["order"]))

    def add_torso_up(self):
        rng = self.rng
        for part in NON_BODY:
            for i, (stem, rarity) in enumerate(TORSO_STEMS):
                self.pieces[part].append({
                    "name": check_name(stem + NOUN_SETS[i % 3][part]), "sex": 0, "type": 0,
                    "rarity": rarity, "slots": rng.choice((0, 1, 1, 2, 3)),
                    "defence": max(1, rarity * 10 + rng.randint(-3, 3)),
                    "resist": [rng.randint(-1, 1) for _ in range(5)],
                    "skills": [(TORSO_UP, rng.choice((0, 1)))],
                    "order": len(self.pieces[part]),
                })

    def add_duplicates(self):
        rng = self.rng
        for part in PARTS:
            plain = [e for e in self.pieces[part] if e["skills"] and e["skills"][0][0] != TORSO_UP]
            for orig in rng.sample(plain, DUPLICATES_PER_PART):
                twin = dict(orig)
                twin["rarity"] = min(8, orig["rarity"] + 1)
                twin["defence"] = min(100, orig["defence"] + rng.randint(3, 8))
                twin["slots"] = (orig["slots"] + 1) % 4
                twin["skills"] = [(s, p + 1 if p > 0 else p) for s, p in orig["skills"]]
                twin["order"] = len(self.pieces[part])
                self.pieces[part].append(twin)

    # ---- decorations ------------------------------------------------------
    def make_decos(self):
        rng = self.rng
        with_decos = [s for c in self.commons for s in c]
        with_decos += rng.sample(self.rares, len(self.rares) * 2 // 3)

        def second(main, minus_range):
            if rng.random() < 0.22:
                return NO_SKILL, 0
            other = rng.choice([s for s in self.systems if s != main])
            return other, -rng.randint(*minus_range)

        for s in with_decos:
            for suffix, slots, rarities, common, rare, minus, present in DECO_KINDS:
                if rng.random() >= present:
                    continue
                # Rare systems seldom stand on armour: their decorations are stronger.
                pts = rare if s in self.rares else common
                second_skill = second(s, minus) if minus else (NO_SKILL, 0)
                self.decos.append((s + suffix, rng.randint(*rarities), slots, s, pts,
                                   *second_skill))
        for d in self.decos:
            check_name(d[0])
        # Decorations listed by slots, then by system order.
        order = {s: i for i, s in enumerate(self.systems)}
        self.decos.sort(key=lambda d: (d[2], order[d[3]]))


def equip_line(e):
    fields = [e["name"], e["sex"], e["type"], e["rarity"], e["slots"], e["defence"]]
    fields += e["resist"]
    skills = list(e["skills"]) + [(NO_SKILL, 0)] * (5 - len(e["skills"]))
    for system, points in skills:
        fields += [system, points]
    assert len(fields) == 21
    return ",".join(str(f) for f in fields)


def write_file(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    with open(path, "wb") as f:
        f.write(data)


def generate(out_dir):
    rng = random.Random(SEED)
    cat = Catalogue(rng)
    cat.make_systems()
    cat.make_activations()
    cat.make_armour()
    cat.make_decos()

    os.makedirs(out_dir, exist_ok=True)
    write_file(os.path.join(out_dir, "SKILL_TYPE.txt"), [
        "# 見本用の架空の技能系統一覧",
        "# 一行目のデータは技能なしの系統",
    ] + cat.system_lines())
    write_file(os.path.join(out_dir, "SKILL_EQ.csv"), [
        "# 発動名,系統名と比較と閾値",
    ] + [f"{n},{c}" for n, c in cat.activations])
    none_piece = {"name": NO_PIECE, "sex": 0, "type": 0, "rarity": 0, "slots": 0,
                  "defence": 0, "resist": [0] * 5, "skills": []}
    for part, file_name in PART_FILES:
        lines = ["# 名前,性別,種別,レア度,スロット,防御,火,水,雷,氷,龍,技能と点数×5"]
        lines.append(equip_line(none_piece))
        lines += [equip_line(e) for e in cat.pieces[part]]
        write_file(os.path.join(out_dir, file_name), lines)
    deco_lines = ["# 名前,レア度,スロット,技能1,点数1,技能2,点数2",
                  f"{NO_DECO},0,0,{NO_SKILL},0,{NO_SKILL},0"]
    deco_lines += [",".join(str(f) for f in d) for d in cat.decos]
    write_file(os.path.join(out_dir, "ZEVAEQUIP_DECO.csv"), deco_lines)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.join(os.path.dirname(here), "data", "sample")
    ap = argparse.ArgumentParser(description="Write the invented sample catalogue.")
    ap.add_argument("--out", default=default_out, help="output folder (default data/sample)")
    args = ap.parse_args(argv)
    generate(args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
