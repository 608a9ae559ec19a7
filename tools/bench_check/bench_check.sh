#!/bin/sh
# bench_check.sh [FILE]: times TarnwicketCheck, pgn-extract -s and Scid's
# PGN import on one file of legal games, best of three runs each, and prints
# each one's time, its megabytes a second and its ratio to TarnwicketCheck.
#
# Without FILE it makes (once) build/bench_check/games.pgn, 30,000 random
# legal games in a big site's export form (make_games.mjs, with chessops
# from npm). TarnwicketCheck is the release build's (build/release/run);
# pgn-extract and Scid are the Debian packages "pgn-extract" and "scid"
# (apt-get install --no-install-recommends pgn-extract scid xvfb); Scid
# runs in its Tcl shell under Xvfb and reports its import's own time.
# Not a test: its figures are for the notes of a change.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
check="$root/build/release/run/TarnwicketCheck"
work="$root/build/bench_check"
mkdir -p "$work"
file=${1:-$work/games.pgn}

if [ ! -f "$file" ]; then
  if [ ! -d "$work/node_modules/chessops" ]; then
    (cd "$work" && npm install --silent --no-save chessops@0.15.1 >/dev/null)
  fi
  echo "making $file (30,000 games) ..."
  (cd "$work" && node "$root/tools/bench_check/make_games.mjs" 30000 "$file")
fi
[ -x "$check" ] || { echo "build the release first: $check is missing" >&2; exit 1; }
command -v pgn-extract >/dev/null 2>&1 || PATH="$PATH:/usr/games"
command -v pgn-extract >/dev/null || { echo "pgn-extract is not installed" >&2; exit 1; }
[ -x /usr/games/tkscid ] || { echo "scid is not installed" >&2; exit 1; }

megabytes=$(awk -v b="$(wc -c <"$file")" 'BEGIN { printf "%.1f", b / 1e6 }')

# Prints the best of three wall-clock times of a command, in seconds.
best_of_three() {
  best=""
  for run in 1 2 3; do
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; if (b == "" || t < b) b = t; printf "%.3f", b }')
  done
  echo "$best"
}

# Scid's import, timed inside Scid (its start-up and Xvfb's are not counted).
scid_best() {
  best=""
  for run in 1 2 3; do
    ms=$(cd "$work" && xvfb-run -a /usr/games/tkscid "$root/tools/bench_check/scid_import.tcl" "$file" 2>/dev/null |
      awk '/^scid-import-ms/ { print $2 }')
    best=$(awk -v t="$ms" -v b="$best" 'BEGIN { t /= 1000; if (b == "" || t < b) b = t; printf "%.3f", b }')
  done
  rm -f "$work"/DB.*
  echo "$best"
}

ours=$(best_of_three "$check" "$file")
extract=$(best_of_three pgn-extract -s -o /dev/null "$file")
scid=$(scid_best)

echo "file: $file ($megabytes MB)"
printf '%-24s %9s %9s %14s\n' program seconds MB/s "x TarnwicketCheck"
for row in "TarnwicketCheck $ours" "Scid-import $scid" "pgn-extract-s $extract"; do
  set -- $row
  awk -v n="$1" -v t="$2" -v m="$megabytes" -v o="$ours" \
    'BEGIN { printf "%-24s %9.3f %9.1f %14.2f\n", n, t, m / t, t / o }'
done
