#!/usr/bin/env bash
# The Linux installation, as a user gets it: `cmake --install` of the build
# into a fresh prefix, both desktop entries valid, and the installed viewer
# started headless from another folder: it answers --help and --version on
# standard output, plays the installed demo games, opens a game file named
# relative to where it was started, ends with 0 on SIGTERM, and writes its
# files only into the temporary XDG folder, nothing into the prefix or the
# folder it was started in. Last, `cpack -G DEB` packs the same files below
# /usr.
#   tests/display/install_test.sh <build folder>
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "install test: $*" >&2
  failures=$((failures + 1))
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log"
for file in bin/Tarnwicket bin/TarnwicketCFG share/tarnwicket/Tarnwicket.pgn \
            share/tarnwicket/Tarnwicket_Backdroplib.dll share/tarnwicket/Tarnwicket_Checkerlib.dll \
            share/tarnwicket/Tarnwicket_Figurinelib.dll share/tarnwicket/Tarnwicket_Dashlib.dll \
            share/applications/tarnwicket.desktop share/applications/tarnwicket-settings.desktop \
            share/icons/hicolor/scalable/apps/tarnwicket.svg share/man/man6/Tarnwicket.6; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done

if command -v desktop-file-validate >/dev/null; then
  for entry in "$prefix"/share/applications/*.desktop; do
    desktop-file-validate "$entry" || fail "desktop-file-validate refuses $(basename "$entry")"
  done
else
  fail "desktop-file-validate is missing (Debian: desktop-file-utils)"
fi

# Everything in a folder, with times and sizes, to see that nothing changed.
snapshot() { (cd "$1" && find . -printf '%p %s %T@\n' | sort); }
home=$work/home
config=$home/config
started=$work/started-here
mkdir -p "$home" "$started"
before_prefix=$(snapshot "$prefix")

export HOME=$home XDG_CONFIG_HOME=$config TARNWICKET_HEADLESS=1 TARNWICKET_HEADLESS_REFRESH=60
unset XSCREENSAVER_WINDOW
viewer=$prefix/bin/Tarnwicket

[ "$(cd "$started" && "$viewer" --version)" = "Tarnwicket 1.0" ] || fail "--version does not answer 'Tarnwicket 1.0'"
(cd "$started" && "$viewer" --help) | grep -q -- '-window-id' || fail "--help does not print the usage"

plies_in() {
  local n
  n=$(grep -s -c '^ply ' "$1" || true)
  echo "${n:-0}"
}

# Runs the installed viewer from the start folder until its evidence log
# holds `plies` plies, then stops it with SIGTERM; its exit code must be 0.
run_viewer() {
  local plies=$1 log=$work/evidence.log
  shift
  rm -f "$log"
  (cd "$started" && exec env TARNWICKET_EVIDENCE_LOG="$log" "$viewer" "$@") >"$work/viewer.out" 2>&1 &
  local pid=$! waited=0
  while [ "$(plies_in "$log")" -lt "$plies" ]; do
    if ! kill -0 "$pid" 2>/dev/null || [ "$waited" -ge 300 ]; then
      fail "the viewer did not play $plies plies: $(tail -3 "$work/viewer.out" "$log" 2>/dev/null | tr '\n' ' ')"
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  kill -TERM "$pid"
  local code=0
  wait "$pid" || code=$?
  [ "$code" -eq 0 ] || fail "exit code $code after SIGTERM, not 0"
}

user=$config/tarnwicket
if run_viewer 3; then
  grep -q "^GameFile:$prefix/share/tarnwicket/Tarnwicket.pgn Game 1 of 25 " "$user/lastgameplayed.txt" ||
    fail "the installed demo games were not played: $(head -1 "$user/lastgameplayed.txt" 2>/dev/null)"
  [ -f "$user/Tarnwicket.rsm" ] || fail "no resume file in $user"
fi

# A game file named relative to the folder the viewer was started in.
awk 'BEGIN { n = 0 } /^\[Event / { n++ } n >= 2 && n <= 3' "$prefix/share/tarnwicket/Tarnwicket.pgn" \
  >"$started/two.pgn"
if run_viewer 1 two.pgn; then
  grep -q "^GameFile:$started/two.pgn Game " "$user/lastgameplayed.txt" ||
    fail "two.pgn was not taken from the start folder: $(grep '^GameFile' "$user/lastgameplayed.txt" | tail -1)"
fi

[ "$(snapshot "$prefix")" = "$before_prefix" ] || fail "the prefix changed: $(diff <(echo "$before_prefix") <(snapshot "$prefix") | head -5)"
stray=$(cd "$started" && find . -mindepth 1 ! -name two.pgn)
[ -z "$stray" ] || fail "files written in the start folder: $stray"
stray=$(cd "$home" && find . -mindepth 1 ! -path './config' ! -path './config/tarnwicket' ! -path './config/tarnwicket/*')
[ -z "$stray" ] || fail "files written in the home folder outside the XDG folder: $stray"

# The Debian package holds what the prefix holds.
if command -v dpkg-deb >/dev/null; then
  (cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) || fail "cpack -G DEB failed: $(tail -3 "$work/cpack.log")"
  deb=$(find "$work/deb" -maxdepth 1 -name 'tarnwicket_*.deb' | head -1)
  if [ -n "$deb" ]; then
    packed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort)
    installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
    [ "$packed" = "$installed" ] || fail "the package differs from the install: $(diff <(echo "$installed") <(echo "$packed") | head -5)"
  else
    fail "cpack made no tarnwicket_*.deb"
  fi
fi

if [ "$failures" -eq 0 ]; then
  echo "install test: passed (prefix $(du -sh "$prefix" | cut -f1), user folder: $(find "$user" -type f -printf '%f '))"
fi
[ "$failures" -eq 0 ]
