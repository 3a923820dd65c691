#!/usr/bin/env python3
"""Groups and sorts the leading include block of every C++ file given (a
folder stands for the .cpp and .h files below it). Order: own header; C/C++
and system headers; other libraries (gtest, benchmark); Qt; the project's
own headers; a blank line between groups. With --check nothing is written:
the files that would change are listed and the exit status is 1.

    tools/sort_includes.py [--check] src tests benchmarks"""
import os, re, sys

INC = re.compile(r'^#include\s+([<"])([^>"]+)[>"]\s*(//.*)?$')

def group(path, kind, name):
    stem = os.path.splitext(os.path.basename(path))[0]
    if kind == '"':
        if path.endswith('.cpp') and os.path.splitext(os.path.basename(name))[0] == stem and name.endswith('.h'):
            return 0
        return 4
    if name.startswith('Q') or name.startswith('Qt'):
        return 3
    if name.split('/')[0] in ('gtest', 'gmock', 'benchmark'):
        return 2
    return 1

def fix(path, check):
    lines = open(path, encoding='utf-8').read().split('\n')
    start = next((i for i, l in enumerate(lines) if l.startswith('#include')), None)
    if start is None:
        return False
    end = start
    while end < len(lines) and (lines[end].startswith('#include') or lines[end].strip() == ''):
        end += 1
    while end > start and lines[end - 1].strip() == '':
        end -= 1
    block = [l for l in lines[start:end] if l.strip()]
    if any(not INC.match(l) for l in block):
        return False
    groups = {}
    for l in block:
        m = INC.match(l)
        groups.setdefault(group(path, m.group(1), m.group(2)), set()).add(l.rstrip())
    out = []
    for g in sorted(groups):
        if out:
            out.append('')
        out.extend(sorted(groups[g], key=lambda l: INC.match(l).group(2)))
    if out == lines[start:end]:
        return False
    if not check:
        lines[start:end] = out
        open(path, 'w', encoding='utf-8').write('\n'.join(lines))
    return True

def sources(args):
    for a in args:
        if os.path.isdir(a):
            for root, dirs, files in os.walk(a):
                dirs.sort()
                for f in sorted(files):
                    if f.endswith(('.cpp', '.h')):
                        yield os.path.join(root, f)
        else:
            yield a

check = '--check' in sys.argv
changed = [p for p in sources(a for a in sys.argv[1:] if a != '--check') if fix(p, check)]
for p in changed:
    print(p)
sys.exit(1 if check and changed else 0)
