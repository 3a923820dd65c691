#!/bin/sh
# Installs the build into a scratch prefix and starts the installed window
# with its menu entry's command, offscreen, for a user with an empty home and
# no XDG variables; the window closes itself (VELKORANTIS_CLOSE_AFTER_MS) as
# a user would close it. Then the sample catalogue must have been seeded into
# ~/.local/share/velkorantis, the settings written to
# ~/.config/velkorantis/velkorantis.INI, and nothing else written anywhere.
#   installed_start.sh CMAKE BUILD_DIR SAMPLE_DIR
set -eu
cmake=$1 build=$2 sample=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix home=$scratch/home
mkdir "$home"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/org.velkorantis.Velkorantis.desktop")
set -- $exec_line
[ "$1" = velkorantis ] || fail "the menu entry starts '$1'"
shift
(cd "$scratch" && env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    VELKORANTIS_CLOSE_AFTER_MS=300 "$prefix/bin/velkorantis" "$@") || fail "the window ended with status $?"

for f in "$sample"/*; do
  cmp -s "$f" "$home/.local/share/velkorantis/${f##*/}" || fail "${f##*/} was not seeded"
done
[ -s "$home/.config/velkorantis/velkorantis.INI" ] || fail "no settings file in the configuration folder"
[ "$(ls -A "$prefix/bin" | tr '\n' ' ')" = "velkorantis velkorantis-cli " ] ||
  fail "files beside the program: $(ls -A "$prefix/bin")"
[ "$(ls -A "$scratch" | tr '\n' ' ')" = "home prefix " ] || fail "files in the start folder: $(ls -A "$scratch")"
[ "$(ls -A "$home" | tr '\n' ' ')" = ".config .local " ] || fail "files in the home folder: $(ls -A "$home")"
for page in velkorantis velkorantis-cli; do
  gzip -t "$prefix/share/man/man1/$page.1.gz" || fail "no manual page $page.1.gz"
done
echo "installed window started and closed; catalogue seeded, settings per user"
