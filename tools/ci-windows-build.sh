#!/usr/bin/env bash
# CI step: cross-builds for Windows, against the real SDK, everything a user
# gets (Tarnwicket.exe, TarnwicketCFG.exe, the four art libraries) and the
# small check programs of the frame and of the live-file modules (WinHTTP,
# change notifications), so that a change that breaks the Windows build
# fails CI; then packs the zip (tools/package-windows.sh). Builds into
# build/windows; tests/wine/smoke.sh then runs the package under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARNWICKET_WINDOWS_BUILD_DIR:-$root/build/windows}
export TARNWICKET_WINDOWS_BUILD_DIR=$build
started=$SECONDS

"$root/tools/build-windows.sh" Tarnwicket TarnwicketCFG tarnwicket_art frame_check live_check
"$root/tools/package-windows.sh" --no-build
echo "Windows cross-build and package: $((SECONDS - started)) s"
