#!/usr/bin/env bash
# Builds the Debian package from build/ and checks it (as root): its control
# fields and the dependencies dpkg-shlibdeps found, its files, lintian with no
# error, the AppStream metadata and the desktop entry; then apt installs it,
# the installed programs answer --version, and it is removed again.
#   tools/deb.sh      (CI runs it after tools/test.sh, which builds build/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh" dpkg-dev lintian appstream desktop-file-utils
"$top/tools/build.sh"
cd "$top/build"
rm -f velkorantis_*.deb
cpack -G DEB >/dev/null
debs=(velkorantis_*_amd64.deb)
deb=${debs[0]}
fail() { echo "deb.sh: $*" >&2; exit 1; }
echo "== $deb"

info=$(dpkg-deb -I "$deb")
echo "$info" | grep -E '^ (Package|Version|Section|Depends):'
for want in '^ Package: velkorantis$' '^ Section: games$' '^ Depends: .*libc6' '^ Depends: .*libqt6widgets6' \
            '^ Depends: .*qt6-translations-l10n' \
            '^ Maintainer: .+<.+@.+>$'; do
  echo "$info" | grep -Eq "$want" || fail "control: no line like $want"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for want in ./usr/bin/velkorantis ./usr/bin/velkorantis-cli ./usr/games/velkorantis \
    ./usr/share/applications/org.velkorantis.Velkorantis.desktop \
    ./usr/share/metainfo/org.velkorantis.Velkorantis.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/velkorantis.svg \
    ./usr/share/icons/hicolor/256x256/apps/velkorantis.png \
    ./usr/share/man/man1/velkorantis.1.gz ./usr/share/man/man1/velkorantis-cli.1.gz \
    ./usr/share/doc/velkorantis/copyright ./usr/share/doc/velkorantis/changelog.gz; do
  echo "$files" | grep -qxF "$want" || fail "missing $want"
done
for f in "$top"/data/sample/*; do
  echo "$files" | grep -qxF "./usr/share/velkorantis/sample/${f##*/}" || fail "missing sample ${f##*/}"
done

lintian --fail-on error --display-level '>=warning' "$deb" || fail "lintian reports an error"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop

trap 'rm -rf "$unpacked"; apt-get purge -y -qq velkorantis >/dev/null 2>&1 || true' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
/usr/bin/velkorantis --version
/usr/bin/velkorantis-cli --version
echo "deb.sh: $deb checked"
