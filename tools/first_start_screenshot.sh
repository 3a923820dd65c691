#!/bin/sh
# Draws the first start from the menu: installs build/ into a scratch prefix,
# runs the desktop entry's command under Xvfb for a user with an empty home,
# and saves the screen with the window and its "copied" box as a PNG.
# Needs the Debian packages xvfb, x11-utils, x11-apps and netpbm.
#   tools/first_start_screenshot.sh OUT.png
# (Without a window manager a root grab leaves the box black, so the box is
# grabbed by its own window id and pasted at its place.)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$top/build" --prefix "$scratch/prefix" >/dev/null
mkdir "$scratch/home"
Xvfb :78 -screen 0 1280x860x24 >/dev/null 2>&1 &
xpid=$!
sleep 2
exec_line=$(sed -n 's/^Exec=//p' "$scratch/prefix/share/applications/org.velkorantis.Velkorantis.desktop")
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME DISPLAY=:78 HOME="$scratch/home" PATH="$scratch/prefix/bin:$PATH" \
  $exec_line >/dev/null 2>&1 &
app=$!
sleep 8
box=$(DISPLAY=:78 xwininfo -root -tree | grep '"VELKORANTIS": ("velkorantis"')
xwd -root -silent -display :78 | xwdtopnm 2>/dev/null >"$scratch/screen.pnm"
xwd -id "$(echo "$box" | awk '{print $1}')" -silent -display :78 | xwdtopnm 2>/dev/null >"$scratch/box.pnm"
# shellcheck disable=SC2046
pnmpaste "$scratch/box.pnm" $(echo "$box" | awk '{print $NF}' | tr '+' ' ') "$scratch/screen.pnm" |
  pnmcut -left 180 -top 95 -width 1035 -height 645 | pnmtopng -compression 9 >"$out"
kill "$app"
sleep 1
kill "$xpid"
