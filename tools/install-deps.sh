#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (as root), and
# any further packages named as arguments. qt6-translations-l10n holds Qt's
# own texts in Japanese (the buttons of the boxes, the save dialog).
set -euo pipefail
pkgs=(cmake ninja-build g++ qt6-base-dev libgl1-mesa-dev libgtest-dev googletest
      libbenchmark-dev fonts-noto-cjk qt6-translations-l10n python3 "$@")
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
