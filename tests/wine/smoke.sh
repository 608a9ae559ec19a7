#!/usr/bin/env bash
# Smoke test of the Windows programs under Wine, run by CI on every
# submission: the viewer once windowed and once full-screen on the demo games,
# the configurator once with an automated OK, each for a few seconds, in a
# fresh Wine prefix on a virtual X display. Each run passes on the evidence
# the program gives itself (TARNWICKET_EVIDENCE_LOG, the settings file) and on
# a few known pixels of a screenshot.
#
#   tests/wine/smoke.sh                 bring the Windows zip up to date, unpack it, test it
#   tests/wine/smoke.sh <package dir>   test an unpacked package folder
#
# Screenshots and logs go to build/wine-smoke (or $TARNWICKET_WINE_SMOKE_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
started=$SECONDS

# Debian packages: Wine (64-bit only: the programs are 64-bit), a virtual X
# display, and ImageMagick for the screenshots.
packages=(wine wine64 xvfb xauth imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "wine smoke: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  echo "wine smoke: packages installed after $((SECONDS - started)) s"
fi

out=${TARNWICKET_WINE_SMOKE_DIR:-$root/build/wine-smoke}
rm -rf "$out"
mkdir -p "$out"

package=${1:-}
if [ -z "$package" ]; then
  build=${TARNWICKET_WINDOWS_BUILD_DIR:-$root/build/windows}
  "$root/tools/package-windows.sh" >/dev/null
  # What a user gets: the zip, unpacked.
  mkdir -p "$out/unpacked"
  (cd "$out/unpacked" && cmake -E tar xf "$build/Tarnwicket-windows-x86_64.zip")
  package=$out/unpacked/Tarnwicket
fi
package=$(cd "$package" && pwd)

# The hand that waits for windows and presses keys, a Windows program too.
x86_64-w64-mingw32-g++ -std=c++17 -O2 -Wall -Wextra -Werror -static -o "$out/poke.exe" \
  "$root/tests/wine/poke.cpp" -luser32 -lgdi32

echo "wine smoke: $(wine --version 2>/dev/null), package $package"
status=0
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -br" \
  "$root/tests/wine/session.sh" "$package" "$out" || status=$?
echo "wine smoke: $([ $status -eq 0 ] && echo passed || echo FAILED) in $((SECONDS - started)) s;" \
     "screenshots in $out"
exit $status
