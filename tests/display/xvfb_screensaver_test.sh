#!/usr/bin/env bash
# The viewer as an XScreenSaver program, on a virtual X display of 1280 x 720:
# with -window-id it draws the board into a window another program made, with
# -root into the root window, and with XSCREENSAVER_WINDOW set into the
# window it names; each time scaled to that window, and each time SIGTERM
# (how the screensaver daemon stops its programs) ends it with exit code 0.
#   tests/display/xvfb_screensaver_test.sh <run folder> <x_window program>
set -euo pipefail
run=$(cd "${1:?run folder}" && pwd)
x_window=$(realpath "${2:?x_window program}")
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${TARNWICKET_INSIDE_XVFB:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x720x24 -nolisten tcp" env TARNWICKET_INSIDE_XVFB=1 bash "$0" "$@"
fi
# shellcheck source=tests/display/viewer_settings.sh
source "$here/viewer_settings.sh"
unset TARNWICKET_HEADLESS XSCREENSAVER_WINDOW
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
window_pid=""
viewer_pid=""
cleanup() {
  [ -z "$viewer_pid" ] || kill "$viewer_pid" 2>/dev/null || true
  [ -z "$window_pid" ] || kill "$window_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$run/Tarnwicket.pgn" "$work/"
write_quick_settings 1 "$work/Tarnwicket.cfg"
failures=0
fail() {
  echo "screensaver test: $*" >&2
  failures=$((failures + 1))
}

# Starts the viewer with the arguments (and environment) given; waits for
# its first frames.
start_viewer() {
  rm -f "$work/evidence.log"
  (cd "$work" && exec env TARNWICKET_EVIDENCE_LOG="$work/evidence.log" "$@") >"$work/viewer.out" 2>&1 &
  viewer_pid=$!
  local waited=0
  while [ "$(evidence_count 'presented 30' "$work/evidence.log")" -lt 1 ]; do
    if ! kill -0 "$viewer_pid" 2>/dev/null || [ "$waited" -ge 300 ]; then
      fail "no frames from '$*': $(tail -3 "$work/viewer.out" | tr '\n' ' ')"
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
}

stop_viewer() {
  kill -TERM "$viewer_pid"
  local code=0
  wait "$viewer_pid" || code=$?
  viewer_pid=""
  [ "$code" -eq 0 ] || fail "exit code $code after SIGTERM, not 0"
  grep -q -x 'exit 0' "$work/evidence.log" || fail "no 'exit 0' in the evidence log"
}

# The board's a5 (dark) and a4 (light) squares and the game number's glass of
# a picture whose frame lies at (x, y), `scale` hundredths of its size.
expect_board() {
  local label=$1 shot=$2 x=$3 y=$4 scale=$5 place seen what
  for place in "125 275 $dark_square a5" "125 325 $light_square a4" "601 307 $console_glass glass"; do
    read -r fx fy colour what <<<"$place"
    seen=$(patch_colour "$shot" $((x + fx * scale / 100 - 2)) $((y + fy * scale / 100 - 2)) 4)
    colours_near "$seen" "$colour" 40 || fail "$label: $what is #${seen:-none}, not near #$colour"
  done
}

# The root window first, while no other window covers it.
if start_viewer "$run/Tarnwicket" -root; then
  import -window root "$work/root.png"
  # 1280 x 720: the picture is 960 x 720 at (160, 0).
  expect_board "-root (1280 x 720)" "$work/root.png" 160 0 120
  stop_viewer
fi

"$x_window" 640 480 >"$work/window.txt" &
window_pid=$!
for _ in $(seq 50); do grep -q '^0x' "$work/window.txt" 2>/dev/null && break; sleep 0.1; done
window=$(head -1 "$work/window.txt")
[ -n "$window" ] || { fail "no window from x_window"; exit 1; }

if start_viewer "$run/Tarnwicket" -window-id "$window"; then
  import -window "$window" "$work/window.png"
  expect_board "-window-id $window (640 x 480)" "$work/window.png" 0 0 80
  stop_viewer
fi

if start_viewer env XSCREENSAVER_WINDOW="$window" "$run/Tarnwicket"; then
  import -window "$window" "$work/window.png"
  expect_board "XSCREENSAVER_WINDOW=$window" "$work/window.png" 0 0 80
  stop_viewer
fi

if "$run/Tarnwicket" -window-id 0x7fffff0 >"$work/missing.out" 2>&1; then
  fail "a window that does not exist was taken"
fi

[ "$failures" -eq 0 ] && echo "screensaver test: passed"
[ "$failures" -eq 0 ]
