#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   tools/test.sh              build/ and every test
#   tools/test.sh --sanitize   build-asan/: the core and CLI tests with
#                              AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"

if [ "${1:-}" = "--sanitize" ]; then
  launcher=()
  if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
  cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVK_SANITIZE=ON -DVK_BUILD_UI=OFF -DVK_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
  cmake --build "$top/build-asan" -j "$(nproc)" --target core_tests cli_tests velkorantis-cli
  # Any report fails its test: the sanitizers abort the process.
  export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  cd "$top/build-asan"
  ctest --output-on-failure -j "$(nproc)"
  exit
fi

"$top/tools/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$top/build"
ctest --output-on-failure -j "$(nproc)"
