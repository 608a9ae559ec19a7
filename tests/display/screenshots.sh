#!/usr/bin/env bash
# Screenshots of the full-screen viewer on virtual X displays of 1920 x 1080
# and 3840 x 2160 (sharp scaling, the default), a few moves into the first
# demo game, and the viewer's resident memory at that moment.
#   tests/display/screenshots.sh build/release/run tests/output
set -euo pipefail
run=$(cd "${1:?run folder holding Tarnwicket}" && pwd)
out=$(mkdir -p "${2:?folder for the pictures}" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/shoot.sh" <<SCRIPT
#!/usr/bin/env bash
set -euo pipefail
source "$here/viewer_settings.sh"
cd "$work"
cp "$run/Tarnwicket.pgn" .
write_quick_settings 0 Tarnwicket.cfg
rm -f evidence.log
SDL_AUDIODRIVER=dummy TARNWICKET_EVIDENCE_LOG=evidence.log "$run/Tarnwicket" >viewer.out 2>&1 &
pid=\$!
for _ in \$(seq 400); do
  [ "\$(evidence_count 'ply .+' evidence.log)" -ge 6 ] && break
  sleep 0.1
done
sleep 0.5
import -window root "\$1"
echo "\$2: \$(grep -E '^VmRSS' /proc/\$pid/status | tr -s ' \t' ' ')"
kill -TERM \$pid
wait \$pid
SCRIPT
chmod +x "$work/shoot.sh"
unset TARNWICKET_HEADLESS
for size in 1920x1080 3840x2160; do
  xvfb-run -a -s "-screen 0 ${size}x24 -nolisten tcp" "$work/shoot.sh" "$out/viewer-sharp-$size.png" "$size"
done
