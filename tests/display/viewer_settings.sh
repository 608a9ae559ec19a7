# shellcheck shell=bash disable=SC2034
# The viewer's settings for the short runs of the display scripts (sourced):
# windowed or not, the games in file order, half a second between moves, no
# waits before the first move, the fastest pieces, no sound, no highlight.
write_quick_settings() {
  local windowed=$1 file=$2
  local bytes=("$windowed" 1 5 0 20 0 0 1 0 0 0 0 0 5 2 0 1 1 3 2 0 2 0)
  local escaped="" b
  for b in "${bytes[@]}"; do escaped+=$(printf '\\%03o' "$b"); done
  printf '%b' "$escaped" >"$file"
}

# Mean colour (RRGGBB) of the size x size patch at (x, y) of a picture.
patch_colour() {
  convert "$1" -crop "${4}x${4}+${2}+${3}" +repage -scale '1x1!' -depth 8 txt:- |
    sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p'
}

# True when every channel of the two colours differs by at most `tolerance`.
colours_near() {
  local a=$1 b=$2 tolerance=$3 i d
  [ -n "$a" ] || return 1
  for i in 0 2 4; do
    d=$(( 16#${a:$i:2} - 16#${b:$i:2} ))
    [ "${d#-}" -le "$tolerance" ] || return 1
  done
}

# The default look's board squares and the console's glass.
light_square=ECD09F
dark_square=8D412A
console_glass=9CB070

# Lines of the evidence log matching a pattern; 0 without the file.
evidence_count() {
  local n
  n=$(grep -s -c -x -E "$1" "$2" || true)
  echo "${n:-0}"
}
