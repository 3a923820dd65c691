#!/usr/bin/env python3
"""Checks a catalogue folder against the data file rules and prints counts.

    tools/check_sample.py [DIR]      (default data/sample)

Checks: Shift-JIS text with CR LF ends, 21 fields per piece line and 7 per
decoration line (no empty fields, which would shift columns), every system
name known, every activation parsable, entry 0 of each table a none row,
activations of one system on consecutive lines. Exits 1 on the first fault.
"""

import os
import sys

PART_FILES = ["ZEVAEQUIP_LEG.csv", "ZEVAEQUIP_HEAD.csv", "ZEVAEQUIP_BODY.csv",
              "ZEVAEQUIP_ARM.csv", "ZEVAEQUIP_WST.csv"]
TORSO_UP = "胴系倍加"
OPERATORS = [">=", ">", "<=", "<", "=="]


def fail(msg):
    print("FAULT:", msg)
    sys.exit(1)


def data_lines(path):
    raw = open(path, "rb").read()
    if raw and not raw.endswith(b"\r\n"):
        fail(f"{path}: last line lacks CR LF")
    lines = raw.split(b"\r\n")[:-1]
    out = []
    for n, line in enumerate(lines, 1):
        if b"\n" in line or b"\r" in line:
            fail(f"{path}:{n}: stray CR or LF")
        if len(line) + 2 > 254:
            fail(f"{path}:{n}: line longer than 252 bytes")
        try:
            text = line.decode("cp932")
        except UnicodeDecodeError:
            fail(f"{path}:{n}: not Shift-JIS")
        if not text.startswith("#"):
            out.append((n, text))
    return out


def split_fields(path, n, text, count):
    fields = text.split(",")
    if len(fields) != count or any(f == "" for f in fields):
        fail(f"{path}:{n}: want {count} non-empty fields, got {fields}")
    return fields


def integer(path, n, text):
    try:
        return int(text)
    except ValueError:
        fail(f"{path}:{n}: not an integer: {text}")


def main(folder):
    systems = [t for _, t in data_lines(os.path.join(folder, "SKILL_TYPE.txt"))]
    if TORSO_UP not in systems or len(set(systems)) != len(systems):
        fail("SKILL_TYPE.txt: torso-up line missing or duplicate names")
    sysidx = {s: i for i, s in enumerate(systems)}
    none_sys = systems[0]

    def system(path, n, name):
        if name not in sysidx:
            fail(f"{path}:{n}: unknown system {name}")
        return sysidx[name]

    print(f"systems: {len(systems)} (torso-up at {sysidx[TORSO_UP]})")
    for fname in PART_FILES:
        path = os.path.join(folder, fname)
        rows = data_lines(path)
        torso = 0
        names = {}
        for k, (n, text) in enumerate(rows):
            f = split_fields(path, n, text, 21)
            nums = [integer(path, n, x) for x in f[1:11]]
            sex, typ, rarity, slots = nums[:4]
            skills = [(system(path, n, f[11 + 2 * i]), integer(path, n, f[12 + 2 * i]))
                      for i in range(5)]
            if k == 0:
                if any(nums) or any(s or p for s, p in skills):
                    fail(f"{path}:{n}: entry 0 is not a none row")
                continue
            if sex not in (0, 1, 2) or typ not in (0, 1, 2) or not 0 <= slots <= 3:
                fail(f"{path}:{n}: sex/type/slots out of range")
            if not 1 <= rarity <= 8:
                fail(f"{path}:{n}: rarity out of range")
            if skills[0][0] == sysidx[TORSO_UP]:
                torso += 1
                if fname == "ZEVAEQUIP_BODY.csv" or any(s for s, _ in skills[1:]):
                    fail(f"{path}:{n}: torso-up piece in body file or with other skills")
            names[f[0]] = names.get(f[0], 0) + 1
        dups = sum(1 for c in names.values() if c > 1)
        print(f"{fname}: {len(rows) - 1} pieces + none row, torso-up {torso}, "
              f"repeated names {dups}")

    path = os.path.join(folder, "ZEVAEQUIP_DECO.csv")
    rows = data_lines(path)
    for k, (n, text) in enumerate(rows):
        f = split_fields(path, n, text, 7)
        slots = integer(path, n, f[2])
        s0, p0 = system(path, n, f[3]), integer(path, n, f[4])
        s1, p1 = system(path, n, f[5]), integer(path, n, f[6])
        if k > 0 and (not 1 <= slots <= 3 or s0 == 0 or p0 <= 0 or (s1 == 0 and p1 != 0)):
            fail(f"{path}:{n}: bad decoration")
    print(f"ZEVAEQUIP_DECO.csv: {len(rows) - 1} decorations + none row")

    path = os.path.join(folder, "SKILL_EQ.csv")
    rows = data_lines(path)
    seen, last = set(), None
    for k, (n, text) in enumerate(rows):
        if "," not in text:
            fail(f"{path}:{n}: no comma")
        name, cond = text.split(",", 1)
        op = next((o for o in OPERATORS if o in cond), None)
        if op is None:
            fail(f"{path}:{n}: no operator")
        sname, threshold = cond.split(op, 1)
        integer(path, n, threshold)
        s = system(path, n, sname)
        if (k == 0) != (s == 0) or s == sysidx[TORSO_UP]:
            fail(f"{path}:{n}: none entry misplaced or torso-up activation")
        if s != last and s in seen:
            fail(f"{path}:{n}: activations of {sname} not consecutive")
        seen.add(s)
        last = s
    print(f"SKILL_EQ.csv: {len(rows)} activations (with none entry), "
          f"{len(seen) - 1} systems activatable")
    print("OK")


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(here), "data", "sample"))
