#!/usr/bin/env bash
# Takes the configurator's screenshots in a virtual X display: the main
# dialog with the pointer over the miniature board, and the piece-set picker
# opened from the miniature. Needs xvfb, xdotool and imagemagick.
#   tests/configurator/screenshots.sh build/release/run tests/output
set -euo pipefail
run_dir=$(realpath "${1:?run folder holding TarnwicketCFG}")
out_dir=$(realpath "${2:?folder for the pictures}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/shoot.sh" <<SCRIPT
#!/usr/bin/env bash
set -euo pipefail
cd "$work"
"$run_dir/TarnwicketCFG" &
pid=\$!
window=\$(xdotool search --sync --pid \$pid | head -1)
sleep 2
eval \$(xdotool getwindowgeometry --shell \$window)
# The miniature's canvas point (px, py) is the client point (350 + px, 52 + py).
xdotool mousemove \$((X + 410)) \$((Y + 112))   # the middle of the board
sleep 1
import -window root "$out_dir/configurator-main.png"
xdotool mousemove \$((X + 400)) \$((Y + 77))    # the black pieces
sleep 0.5
xdotool click 1
sleep 2
import -window root "$out_dir/configurator-picker.png"
xdotool key Escape                              # closes the picker
sleep 1
xdotool mousemove \$((X + 220)) \$((Y + 470)) click 1   # Cancel
wait \$pid
SCRIPT
chmod +x "$work/shoot.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/shoot.sh"
