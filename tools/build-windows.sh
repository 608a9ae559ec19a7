#!/usr/bin/env bash
# Cross-builds the Windows programs and libraries with MinGW-w64 against the
# real SDK, into build/windows (or $TARNWICKET_WINDOWS_BUILD_DIR).
#   tools/build-windows.sh               configure and build everything
#   tools/build-windows.sh target...     configure and build only these targets
#   tools/build-windows.sh --configure   configure only
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARNWICKET_WINDOWS_BUILD_DIR:-$root/build/windows}

if ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
  echo "build-windows: x86_64-w64-mingw32-g++ is missing (Debian: g++-mingw-w64-x86-64)" >&2
  exit 1
fi

cmake -S "$root" -B "$build" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTARNWICKET_TESTS=OFF -DTARNWICKET_WERROR=ON >/dev/null

[ "${1:-}" = "--configure" ] && exit 0
if [ $# -eq 0 ]; then
  cmake --build "$build" -j"$(nproc)"
else
  cmake --build "$build" -j"$(nproc)" --target "$@"
fi
