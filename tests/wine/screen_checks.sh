# shellcheck shell=bash disable=SC2034
# Checks of the Wine smoke test (sourced by tests/wine/session.sh): colours
# of small patches of a screenshot, and the settings file an automated OK
# writes. A failed check sets $failure and returns 1.

# Reference colours (RRGGBB) of the default look: the wooden board's light and
# dark squares, the console's display glass, Wine's desktop.
light_square=ECD09F
dark_square=8D412A
console_glass=9CB070
desktop_colour=256F95

failure=""
fail() { failure=$1; }

# Mean colour (RRGGBB) of the size x size patch whose top-left corner is (x, y).
patch_colour() {
  local file=$1 x=$2 y=$3 size=$4
  convert "$file" -crop "${size}x${size}+${x}+${y}" +repage -scale '1x1!' -depth 8 txt:- |
    sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p'
}

# True when every channel of the two colours differs by at most `tolerance`.
colours_near() {
  local a=$1 b=$2 tolerance=$3 i d
  for i in 0 2 4; do
    d=$(( 16#${a:$i:2} - 16#${b:$i:2} ))
    [ "${d#-}" -le "$tolerance" ] || return 1
  done
}

# Sum of the channels' differences of two colours.
colour_distance() {
  local a=$1 b=$2 i d sum=0
  for i in 0 2 4; do
    d=$(( 16#${a:$i:2} - 16#${b:$i:2} ))
    sum=$(( sum + ${d#-} ))
  done
  echo "$sum"
}

expect_colour() {
  local label=$1 file=$2 x=$3 y=$4 size=$5 wanted=$6 tolerance=$7 seen
  seen=$(patch_colour "$file" "$x" "$y" "$size")
  if [ -z "$seen" ] || ! colours_near "$seen" "$wanted" "$tolerance"; then
    fail "$label: ${size}x$size at ($x, $y) is #${seen:-none}, not near #$wanted"
    return 1
  fi
}

# The viewer's scene with its top-left corner at (x, y) of the screen (0, 0
# when not given): squares of the a-file that no move of the first game
# touches, and the glass of the game number's display.
check_board_and_console() {
  local shot=$1 x=${2:-0} y=${3:-0}
  expect_colour "board square a5 (dark)" "$shot" $((x + 106)) $((y + 256)) 8 "$dark_square" 40 || return 1
  expect_colour "board square a4 (light)" "$shot" $((x + 106)) $((y + 306)) 8 "$light_square" 40 || return 1
  expect_colour "console: game number display" "$shot" $((x + 598)) $((y + 304)) 6 "$console_glass" 40 || return 1
}

# Fields of poke's "window L T R B client X Y W H" line, by name.
place_field() {
  local place=$1 name=$2
  echo "$place" | tr -d '\r' | awk -v name="$name" '{
    split("left top right bottom - clientx clienty clientw clienth", names, " ")
    for (i = 1; i <= 9; i++) if (names[i] == name) print $(i + 1)
  }'
}

# Two of the dialog's picture controls (ids from "poke controls") look
# different: their mean colours are apart.
expect_controls_differ() {
  local label=$1 file=$2 controls=$3 first=$4 second=$5 a b
  a=$(control_colour "$file" "$controls" "$first")
  b=$(control_colour "$file" "$controls" "$second")
  if [ -z "$a" ] || [ -z "$b" ] || [ "$(colour_distance "$a" "$b")" -lt 30 ]; then
    fail "$label: #${a:-none} and #${b:-none} look the same"
    return 1
  fi
}

# Mean colour of a control's rectangle ("control ID CLASS LEFT TOP WIDTH HEIGHT ...").
control_colour() {
  local file=$1 controls=$2 id=$3 left top width height
  read -r left top width height < <(echo "$controls" | awk -v id="$id" '$1 == "control" && $2 == id {print $4, $5, $6, $7}')
  [ -n "$height" ] || return 0
  convert "$file" -crop "${width}x${height}+${left}+${top}" +repage -scale '1x1!' -depth 8 txt:- |
    sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p'
}

# The 28 bytes of the default settings; offset 5 has no control and may be 0 or 1.
expect_default_settings() {
  local file=$1 bytes
  if [ ! -f "$file" ]; then
    fail "no settings file written"
    return 1
  fi
  bytes=$(od -An -v -tu1 "$file" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
  case "$bytes" in
    "0 4 5 1 9 0 0 1 1 0 1 0 1 5 2 1 1 1 3 2 0 2 0 0 10 1 0 1" | \
    "0 4 5 1 9 1 0 1 1 0 1 0 1 5 2 1 1 1 3 2 0 2 0 0 10 1 0 1") ;;
    *) fail "settings file is not the defaults ($(wc -c <"$file") bytes): $bytes"; return 1 ;;
  esac
}

# The dialog sits at the layout its skin was drawn for, dialog base units of
# 6 x 13 pixels ("MS Sans Serif" 8 at 96 dpi), whatever font the dialog
# manager found (Wine's stand-in makes them 7 x 13): a client area of
# 776 x 504, and the skin pictures along its top (its static controls
# without an id) joining with no gap between them (the watching column
# begins on the right strip's last pixel, with the same pixels), the last
# one ending at the client area's right edge.
expect_design_layout() {
  local place=$1 controls=$2 size gaps right_edge
  size=$(echo "$place" | tr -d '\r' | awk '{print $9 "x" $10}')
  if [ "$size" != "776x504" ]; then
    fail "configurator: client area $size, not 776x504"
    return 1
  fi
  # Controls are listed at their places on the screen.
  right_edge=$(( $(place_field "$place" clientx) + ${size%x*} ))
  gaps=$(echo "$controls" | awk -v edge="$right_edge" '
    BEGIN { n = 0 }
    $1 == "control" && $2 == 65535 && $3 == "Static" {
      if (n == 0) top = $5
      if ($5 == top) { left[n] = $4; right[n] = $4 + $6; n++ }
    }
    END {
      if (n < 3) { printf " (only %d pictures along the top)", n; exit }
      for (i = 1; i < n; i++)
        for (j = i; j > 0 && left[j] < left[j - 1]; j--) {
          t = left[j]; left[j] = left[j - 1]; left[j - 1] = t
          t = right[j]; right[j] = right[j - 1]; right[j - 1] = t
        }
      for (i = 1; i < n; i++) if (left[i] > right[i - 1]) printf " %d px", left[i] - right[i - 1]
      if (right[n - 1] != edge) printf " (the last ends at %d, not %d)", right[n - 1], edge
    }')
  if [ -n "$gaps" ]; then
    fail "configurator: the skin pictures do not join:$gaps"
    return 1
  fi
}
