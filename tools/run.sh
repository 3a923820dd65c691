#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in a working folder
# seeded with the sample catalogue. The program reads its data files, and
# keeps config.csv and RESULT, in its current folder; the working folder is
# git-ignored so none of that lands in tracked files.
#   tools/run.sh [CATALOGUE_DIR]   (default: data/sample)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
src=${1:-"$top/data/sample"}
"$top/tools/install-deps.sh"
"$top/tools/build.sh"
work="$top/run"
mkdir -p "$work"
for f in SKILL_TYPE.txt SKILL_EQ.csv ZEVAEQUIP_LEG.csv ZEVAEQUIP_HEAD.csv ZEVAEQUIP_BODY.csv \
         ZEVAEQUIP_ARM.csv ZEVAEQUIP_WST.csv ZEVAEQUIP_DECO.csv; do
  [ -f "$src/$f" ] && cp -f "$src/$f" "$work/$f"
done
cd "$work"
exec "$top/build/src/ui/velkorantis"
