#!/usr/bin/env bash
# Cross-builds the Windows programs and libraries with MinGW-w64 against the
# real SDK, into build/windows (or $TARNWICKET_WINDOWS_BUILD_DIR).
#   tools/build-windows.sh               configure and build everything
#   tools/build-windows.sh target...     configure and build only these targets
#   tools/build-windows.sh --configure   configure only
# The art generator runs on this machine: $TARNWICKET_ARTGEN_EXECUTABLE, else
# the one of build/release, else one built here in build/host-tools.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARNWICKET_WINDOWS_BUILD_DIR:-$root/build/windows}
jobs=$(nproc)

if ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
  echo "build-windows: x86_64-w64-mingw32-g++ is missing (Debian: g++-mingw-w64-x86-64)" >&2
  exit 1
fi

artgen=${TARNWICKET_ARTGEN_EXECUTABLE:-}
if [ -z "$artgen" ] && [ -x "$root/build/release/tools/artgen/tarnwicket_artgen" ]; then
  artgen=$root/build/release/tools/artgen/tarnwicket_artgen
fi
if [ -z "$artgen" ]; then
  host=$root/build/host-tools
  cmake -S "$root" -B "$host" -DCMAKE_BUILD_TYPE=Release -DTARNWICKET_TESTS=OFF >/dev/null
  cmake --build "$host" -j"$jobs" --target tarnwicket_artgen >/dev/null
  artgen=$host/tools/artgen/tarnwicket_artgen
fi

cmake -S "$root" -B "$build" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTARNWICKET_TESTS=OFF -DTARNWICKET_WERROR=ON \
  -DTARNWICKET_ARTGEN_EXECUTABLE="$artgen" >/dev/null

[ "${1:-}" = "--configure" ] && exit 0
if [ $# -eq 0 ]; then
  cmake --build "$build" -j"$jobs"
else
  cmake --build "$build" -j"$jobs" --target "$@"
fi
