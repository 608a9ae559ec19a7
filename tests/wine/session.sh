#!/usr/bin/env bash
# The Wine session of the smoke test, started by tests/wine/smoke.sh on a
# virtual X display: a fresh Wine prefix with a virtual desktop and the gdi
# renderer, then seven runs, each retried once:
#   viewer windowed     frames presented, the desktop's mode kept, board and
#                       console in the client area below the caption, following
#                       the window when it moves, Escape ends it with 0
#   configurator        dialog up at its design layout with its miniature and
#                       marks, an automated OK writes the default settings
#                       file (28 bytes), exit code 0
#   viewer full-screen  800 x 600 obtained, plies played (in the log, and the
#                       pawns gone from e2 and e7), a frame rate paced to the
#                       display, Escape ends it with 0
#   no game file        the display given back, the "Fatal Error" box,
#                       answered, and exit code 0
#   screensaver /s      Tarnwicket.scr from another folder: full-screen, its own
#                       games, ended by the pointer moving far (not a little)
#   screensaver /p      a miniature presented inside a preview window, as its
#                       child filling it, windowed, ending when that window goes
#   screensaver /c      the settings program started in the screensaver's folder
#   tests/wine/session.sh <package dir> <output dir>
set -euo pipefail
package=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/wine/screen_checks.sh
source "$here/screen_checks.sh"

export WINEPREFIX=$out/prefix WINEARCH=win64 WINEDEBUG=fixme-all
# No Mono or Gecko installer dialogs in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
poke=$out/poke.exe
run_limit=60

# Wine without its reminder that no 32-bit Wine is installed.
quiet_wine() {
  wine "$@" 2> >(grep -v -E 'wine32 is missing|multiarch needs|dpkg --add-architecture|apt-get install wine32' >&2)
}

elapsed() { echo "$(( $(date +%s%N) / 1000000 - $1 ))"; }
now_ms() { echo "$(( $(date +%s%N) / 1000000 ))"; }

make_prefix() {
  local begin
  begin=$(now_ms)
  timeout 180 wineboot -i >"$out/wineboot.log" 2>&1
  wineserver -w
  quiet_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  quiet_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
  quiet_wine reg add 'HKCU\Software\Wine\Direct3D' /v renderer /d gdi /f >/dev/null
  # No sound card here: no audio driver, rather than ALSA's complaints.
  quiet_wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null
  # The desktop setting is read when the wineserver starts.
  wineserver -k || true
  wineserver -w
  echo "  fresh Wine prefix with a virtual desktop: $(elapsed "$begin") ms"
}

# A run folder with the package's files, as a user's unpacked folder.
fresh_folder() {
  local dir=$out/$1
  rm -rf "$dir"
  mkdir -p "$dir"
  local file
  for file in "$package"/*; do ln -s "$file" "$dir/"; done
  echo "$dir"
}

# The viewer's settings for a short run: windowed or not, the games in file
# order from the first, half a second between moves, no wait for the
# announcements nor before the first move, the fastest pieces, no highlight
# of the last move (so the squares show their own colours).
write_viewer_settings() {
  local windowed=$1 file=$2
  local bytes=("$windowed" 1 5 0 20 0 0 1 0 0 0 0 0 5 2 1 1 1 3 2 0 2 0)
  local escaped="" b
  for b in "${bytes[@]}"; do escaped+=$(printf '\\%03o' "$b"); done
  printf '%b' "$escaped" >"$file"
}

program_pid=""
program_dir=""

start_program() {
  program_dir=$1
  shift
  rm -f "$program_dir/evidence.log"
  (cd "$program_dir" &&
   exec env TARNWICKET_EVIDENCE_LOG=evidence.log timeout -k 5 "$run_limit" wine "$@") \
    >"$program_dir/wine.log" 2>&1 &
  program_pid=$!
}

# The viewer as the screensaver Tarnwicket.scr of a run folder, started from
# another folder as Windows starts screensavers; its evidence log lands in
# the run folder only if it moved there.
start_screensaver() {
  program_dir=$1
  local elsewhere=$out/elsewhere
  shift
  mkdir -p "$elsewhere"
  rm -f "$program_dir/evidence.log" "$elsewhere/evidence.log"
  (cd "$elsewhere" &&
   exec env TARNWICKET_EVIDENCE_LOG=evidence.log timeout -k 5 "$run_limit" wine "$program_dir/Tarnwicket.scr" "$@") \
    >"$program_dir/wine.log" 2>&1 &
  program_pid=$!
}

program_running() { kill -0 "$program_pid" 2>/dev/null; }

# Lines of a file matching an extended regular expression; 0 without the file.
count_lines() {
  local n
  n=$(grep -s -c -x -E "$1" "$2" || true)
  echo "${n:-0}"
}

# Waits until the evidence log has at least `count` lines matching `pattern`
# (an extended regular expression matched against whole lines).
wait_evidence() {
  local pattern=$1 count=$2 seconds=$3
  local log=$program_dir/evidence.log
  local deadline=$(( $(now_ms) + seconds * 1000 ))
  while [ "$(count_lines "$pattern" "$log")" -lt "$count" ]; do
    if grep -q '^fatal ' "$log" 2>/dev/null; then
      fail "the program stopped with a fatal error: $(grep '^fatal ' "$log")"
      return 1
    fi
    if ! program_running; then
      fail "the program ended before its log showed '$pattern'"
      return 1
    fi
    if [ "$(now_ms)" -ge "$deadline" ]; then
      fail "no '$pattern' ($count) in the evidence log within $seconds s"
      return 1
    fi
    sleep 0.1
  done
}

# Waits for the program to end; its exit code must be 0.
expect_clean_exit() {
  local seconds=$1 code=0
  local deadline=$(( $(now_ms) + seconds * 1000 ))
  while program_running; do
    if [ "$(now_ms)" -ge "$deadline" ]; then
      fail "the program did not end within $seconds s"
      return 1
    fi
    sleep 0.1
  done
  wait "$program_pid" || code=$?
  program_pid=""
  if [ "$code" -ne 0 ]; then
    fail "exit code $code"
    return 1
  fi
}

# What Wine itself said during the run (its errors and warnings).
print_wine_output() {
  local log=$program_dir/wine.log
  if [ -s "$log" ] && grep -q -v -E 'wine32 is missing|multiarch needs|dpkg --add-architecture|apt-get install wine32' "$log"; then
    echo "  Wine said:"
    grep -v -E 'wine32 is missing|multiarch needs|dpkg --add-architecture|apt-get install wine32' "$log" |
      sed 's/^/    /' | head -40
  fi
}

stop_leftovers() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
  fi
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

viewer_windowed() {
  local dir shot place
  dir=$(fresh_folder viewer-windowed)
  write_viewer_settings 1 "$dir/Tarnwicket.cfg"
  start_program "$dir" Tarnwicket.exe
  wait_evidence '^presented 30$' 1 30 || return 1
  place=$(quiet_wine "$poke" wait - TarnwicketGame 10) || { fail "no TarnwicketGame window"; return 1; }
  shot=$out/wine-viewer-windowed.png
  import -window root "$shot"

  local log=$dir/evidence.log
  grep -q -E '^display windowed [0-9]+x[0-9]+x[0-9]+$' "$log" || { fail "no windowed display in the log"; return 1; }
  ! grep -q '^depth-set' "$log" || { fail "windowed mode changed the display mode"; return 1; }
  # The client area is the frame's size, with the caption above it.
  local cx cy top
  cx=$(place_field "$place" clientx)
  cy=$(place_field "$place" clienty)
  top=$(place_field "$place" top)
  [ "$(place_field "$place" clientw)x$(place_field "$place" clienth)" = 800x600 ] ||
    { fail "client area is not 800 x 600: $place"; return 1; }
  [ "$cy" -gt "$((top + 10))" ] || { fail "no caption above the client area: $place"; return 1; }
  # The frame lies in the client area, below the caption; the screen's
  # corner, where it used to be copied, shows the desktop.
  check_board_and_console "$shot" "$cx" "$cy" || return 1
  expect_colour "desktop at the screen's corner" "$shot" 2 2 6 "$desktop_colour" 48 || return 1

  # Moved to the screen's top left, the frame follows, and nothing of it is
  # left where the window's lower right part was.
  quiet_wine "$poke" move - TarnwicketGame 0 0 || { fail "cannot move the window"; return 1; }
  sleep 1
  local moved
  moved=$(quiet_wine "$poke" wait - TarnwicketGame 10) || { fail "the window went"; return 1; }
  shot=$out/wine-viewer-windowed-moved.png
  import -window root "$shot"
  check_board_and_console "$shot" "$(place_field "$moved" clientx)" "$(place_field "$moved" clienty)" || return 1
  [ "$(place_field "$moved" right)" -lt "$((cx + 780))" ] || { fail "the window did not move: $moved"; return 1; }
  expect_colour "desktop where the window's corner was" "$shot" $((cx + 780)) $((cy + 580)) 8 "$desktop_colour" 48 ||
    return 1

  quiet_wine "$poke" key - TarnwicketGame 27
  expect_clean_exit 15 || return 1
  grep -q -x 'exit 0' "$log" || { fail "no 'exit 0' in the log"; return 1; }
}

configurator() {
  local dir shot place controls
  dir=$(fresh_folder configurator)
  start_program "$dir" TarnwicketCFG.exe
  # The pointer away from the miniature, which lights the part under it.
  quiet_wine "$poke" pointer 1020 760
  place=$(quiet_wine "$poke" wait '#32770' - 20) || { fail "no dialog"; return 1; }
  quiet_wine "$poke" paint '#32770' - 5 || { fail "the dialog does not paint"; return 1; }
  controls=$(quiet_wine "$poke" controls '#32770' -)
  shot=$out/wine-configurator.png
  import -window root "$shot"

  # "window L T R B client X Y W H": the miniature is drawn at (353, 54)
  # of the client area, 160 x 120, at a fifth of the viewer's scene.
  local cx cy
  read -r cx cy < <(echo "$place" | awk '{print $7, $8}')
  local px=$((cx + 353)) py=$((cy + 54))
  expect_colour "miniature: board square a6 (light)" "$shot" $((px + 20)) $((py + 39)) 4 "$light_square" 40 || return 1
  expect_colour "miniature: board square b6 (dark)" "$shot" $((px + 30)) $((py + 39)) 4 "$dark_square" 40 || return 1
  expect_colour "miniature: board square a5 (dark)" "$shot" $((px + 20)) $((py + 49)) 4 "$dark_square" 40 || return 1
  # The marks show the loaded options: "Autoplay games" is on, "Run in a
  # window" is off by default.
  expect_controls_differ "marks of Autoplay (on) and Run in a window (off)" "$shot" "$controls" 1118 1119 || return 1
  # And in the watching column: "Follow live games" is on, real pace off.
  expect_controls_differ "marks of Follow live games (on) and real pace (off)" "$shot" "$controls" 1152 1150 ||
    return 1
  expect_design_layout "$place" "$controls" || return 1

  quiet_wine "$poke" click '#32770' - 1
  expect_clean_exit 15 || return 1
  expect_default_settings "$dir/Tarnwicket.cfg" || return 1
}

viewer_full_screen() {
  local dir shot
  dir=$(fresh_folder viewer-fullscreen)
  write_viewer_settings 0 "$dir/Tarnwicket.cfg"
  start_program "$dir" Tarnwicket.exe
  wait_evidence '^presented 1$' 1 30 || return 1
  # The intro lasts about eight seconds; then one ply per tick. From the
  # fourth ply (d6) to the ninth no piece passes over the squares checked.
  wait_evidence 'ply .+' 4 40 || return 1
  quiet_wine "$poke" wait - TarnwicketGame 10 >/dev/null || { fail "no TarnwicketGame window"; return 1; }
  shot=$out/wine-viewer-fullscreen.png
  import -window root "$shot"

  local log=$dir/evidence.log
  grep -q -x -E 'display fullscreen 800x600x(16|24|32)' "$log" ||
    { fail "800 x 600 not obtained: $(grep '^display' "$log")"; return 1; }
  check_board_and_console "$shot" || return 1
  # Game 1 opens 1. e4 e5: both pawns have left their squares.
  grep -q -x 'game 1' "$log" || { fail "not the first game"; return 1; }
  expect_colour "e2 after 1. e4 (light square, empty)" "$shot" 318 405 6 "$light_square" 40 || return 1
  expect_colour "e7 after 1... e5 (dark square, empty)" "$shot" 321 171 8 "$dark_square" 40 || return 1
  # The viewer measured its frame rate during the intro: paced to the
  # display, not hundreds of frames a second.
  local fps
  fps=$(tr -d '\r' <"$dir/lastgameplayed.txt" | sed -n 's/^fps:\([0-9]*\)$/\1/p' | head -1)
  if [ -z "$fps" ] || [ "$fps" -lt 10 ] || [ "$fps" -gt 90 ]; then
    fail "frame rate measured by the viewer: ${fps:-none}, not 10 to 90"
    return 1
  fi
  # The desktop is 800 x 600 now: beyond it lies the bare X screen.
  expect_colour "X screen beyond the 800 x 600 desktop" "$shot" 900 700 8 000000 8 || return 1

  quiet_wine "$poke" key - TarnwicketGame 27
  expect_clean_exit 15 || return 1
  grep -q -x 'exit 0' "$log" || { fail "no 'exit 0' in the log"; return 1; }
}

# A start-up failure on the real platform: the game file named on the command
# line is missing, full-screen mode has been set up; the frame gives the
# display back, shows its task-modal box, and the program returns 0 once the
# box is answered.
viewer_missing_game_file() {
  local dir
  dir=$(fresh_folder viewer-missing-games)
  start_program "$dir" Tarnwicket.exe missing.pgn
  wait_evidence 'fatal .*' 1 30 || return 1
  local log=$dir/evidence.log
  grep -q -x "fatal can't find Tarnwicket.PGN" "$log" || { fail "$(grep '^fatal' "$log")"; return 1; }
  quiet_wine "$poke" wait '#32770' 'Fatal Error' 10 >/dev/null || { fail "no Fatal Error box"; return 1; }
  local shot=$out/wine-viewer-fatal-error.png
  import -window root "$shot"
  # The desktop is back to its own size behind the box.
  expect_colour "desktop beyond 800 x 600 behind the box" "$shot" 900 700 8 "$desktop_colour" 48 || return 1
  quiet_wine "$poke" click '#32770' 'Fatal Error' 1
  expect_clean_exit 15 || return 1
}

# The screensaver proper (/s): full-screen although the settings say windowed,
# its games and art found in its own folder, a pointer that moves a pixel or
# two does not end it, one that moves farther does, with exit code 0.
screensaver_full_screen() {
  local dir shot
  dir=$(fresh_folder screensaver)
  write_viewer_settings 1 "$dir/Tarnwicket.cfg"
  quiet_wine "$poke" pointer 400 300
  start_screensaver "$dir" /s
  wait_evidence '^presented 30$' 1 30 || return 1
  local log=$dir/evidence.log
  grep -q -x -E 'display fullscreen 800x600x(16|24|32)' "$log" ||
    { fail "not full-screen: $(grep '^display' "$log")"; return 1; }
  grep -q -x 'game 1' "$log" || { fail "no game from its own folder"; return 1; }
  quiet_wine "$poke" wait - TarnwicketGame 10 >/dev/null || { fail "no TarnwicketGame window"; return 1; }
  shot=$out/wine-screensaver.png
  import -window root "$shot"
  check_board_and_console "$shot" || return 1
  quiet_wine "$poke" pointer 402 301
  sleep 1
  program_running || { fail "a pointer moved by two pixels ended the screensaver"; return 1; }
  quiet_wine "$poke" pointer 600 450
  expect_clean_exit 15 || return 1
  grep -q -x 'exit 0' "$log" || { fail "no 'exit 0' in the log"; return 1; }
}

# The preview (/p HWND): a silent miniature inside a window that a small
# program made, as a child of it, ending when that window goes.
screensaver_preview() {
  local dir shot hostfile host child
  dir=$(fresh_folder screensaver-preview)
  write_viewer_settings 0 "$dir/Tarnwicket.cfg"
  hostfile=$out/preview-host.txt
  rm -f "$hostfile"
  quiet_wine "$poke" host 152 114 8 >"$hostfile" &
  local host_pid=$! waited=0
  while ! grep -q '^host ' "$hostfile" 2>/dev/null; do
    [ "$waited" -lt 100 ] || { fail "no preview window"; return 1; }
    sleep 0.1
    waited=$((waited + 1))
  done
  host=$(tr -d '\r' <"$hostfile" | awk '/^host / {print $2}')
  start_screensaver "$dir" /p "$host"
  wait_evidence '^presented 30$' 1 30 || return 1
  local log=$dir/evidence.log
  grep -q -E '^display windowed ' "$log" || { fail "the preview is not windowed: $(grep '^display' "$log")"; return 1; }
  child=$(quiet_wine "$poke" child "$host" 10) || { fail "no child in the preview window"; return 1; }
  [ "$(place_field "$child" clientw)x$(place_field "$child" clienth)" = 152x114 ] ||
    { fail "the preview does not fill its window: $child"; return 1; }
  # Wine shows nothing that a program draws into its child of another
  # program's window (the drawing is done, the window stays blank), so the
  # picture is not checked here; the frames presented are.
  import -window root "$out/wine-screensaver-preview.png"
  wait_evidence '^presented 60$' 1 15 || return 1
  wait "$host_pid" || true
  expect_clean_exit 15 || return 1
}

# The settings (/c): the settings program starts in the screensaver's folder
# (an automated OK writes its settings there) and the viewer ends at once.
screensaver_configure() {
  local dir
  dir=$(fresh_folder screensaver-configure)
  start_screensaver "$dir" /c
  expect_clean_exit 15 || return 1
  quiet_wine "$poke" pointer 1020 760
  quiet_wine "$poke" wait '#32770' - 20 >/dev/null || { fail "no settings dialog"; return 1; }
  quiet_wine "$poke" click '#32770' - 1
  quiet_wine "$poke" gone '#32770' - 15 || { fail "the settings dialog stayed"; return 1; }
  sleep 1
  expect_default_settings "$dir/Tarnwicket.cfg" || return 1
}

# Runs a check, and once more after a failure.
failures=0
attempt() {
  local name=$1 label=$2 try begin
  for try in 1 2; do
    begin=$(now_ms)
    if "$name"; then
      echo "  $label: passed in $(elapsed "$begin") ms$([ "$try" -eq 2 ] && echo ' (second try)')"
      print_wine_output
      stop_leftovers
      return 0
    fi
    echo "  $label: try $try failed after $(elapsed "$begin") ms: $failure"
    print_wine_output
    if [ -f "$program_dir/evidence.log" ]; then
      echo "  evidence log:"
      grep -v -x -E 'timer|presented [0-9]+' "$program_dir/evidence.log" | sed 's/^/    /' | head -20
      echo "    ($(count_lines timer "$program_dir/evidence.log") timer ticks," \
           "last: $(grep '^presented' "$program_dir/evidence.log" | tail -1))"
    fi
    stop_leftovers
  done
  failures=$((failures + 1))
}

make_prefix
attempt viewer_windowed "viewer, windowed"
attempt configurator "configurator, OK"
attempt viewer_full_screen "viewer, full-screen"
attempt viewer_missing_game_file "viewer, game file missing"
attempt screensaver_full_screen "screensaver /s"
attempt screensaver_preview "screensaver /p"
attempt screensaver_configure "screensaver /c"
wineserver -k 2>/dev/null || true
[ "$failures" -eq 0 ]
