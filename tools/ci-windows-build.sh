#!/usr/bin/env bash
# CI step: cross-builds for Windows the code libraries that exist so far (the
# tarnwicket_* targets but the art) and the frame's small Windows program,
# which links against the real SDK, so that a change that breaks the Windows
# build fails CI. Builds into build/windows; tools/build-windows.sh builds all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARNWICKET_WINDOWS_BUILD_DIR:-$root/build/windows}
export TARNWICKET_WINDOWS_BUILD_DIR=$build

"$root/tools/build-windows.sh" --configure

wanted_extra="frame_check"
available=$(cmake --build "$build" --target help | sed -n 's/^\.\.\. \([A-Za-z0-9_]*\).*/\1/p')
targets=()
for target in $available; do
  case "$target" in
    tarnwicket_art) ;;
    tarnwicket_*) targets+=("$target") ;;
  esac
  for extra in $wanted_extra; do
    [ "$target" = "$extra" ] && targets+=("$target")
  done
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "ci-windows-build: nothing to build" >&2
  exit 1
fi
echo "Windows cross-build: ${targets[*]}"
"$root/tools/build-windows.sh" "${targets[@]}"
