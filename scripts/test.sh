#!/usr/bin/env bash
# Builds Kervale and runs every test. With KERVALE_SANITIZE=1 it builds in
# build-asan with AddressSanitizer and UndefinedBehaviorSanitizer instead.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"

build="$top/build"
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKERVALE_WERROR=ON)
if [ "${KERVALE_SANITIZE:-0}" = "1" ]; then
  build="$top/build-asan"
  options=(-DCMAKE_BUILD_TYPE=Debug -DKERVALE_WERROR=ON -DKERVALE_SANITIZE=ON)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
cmake -S "$top" -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300
