#!/usr/bin/env bash
# CI step: cross-builds for Windows the libraries that exist so far (every
# tarnwicket_* target) and the frame's small Windows check program, so that a
# change that breaks the Windows build fails CI. Builds into build/windows.
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
