#!/usr/bin/env bash
# Starts the viewer from its run folder (programs, art libraries, demo games).
#   tools/start-viewer.sh RUN_DIR [--fullscreen] [games.pgn]
# Windowed unless --fullscreen is given: only byte 0 of an existing
# Tarnwicket.cfg is changed; without one, the default settings are written.
# Without a game file the viewer plays RUN_DIR/Tarnwicket.pgn.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 RUN_DIR [--fullscreen] [games.pgn]" >&2
  exit 2
fi
run_dir=$1
shift

windowed=1
games=""
for arg in "$@"; do
  case "$arg" in
    --fullscreen) windowed=0 ;;
    --windowed) windowed=1 ;;
    -*) echo "unknown option: $arg" >&2; exit 2 ;;
    *)
      if [ ! -f "$arg" ]; then
        echo "no such game file: $arg" >&2
        exit 2
      fi
      games=$(realpath "$arg")
      ;;
  esac
done

cd "$run_dir"
if [ ! -x ./Tarnwicket ]; then
  echo "no Tarnwicket program in $run_dir (build first)" >&2
  exit 2
fi

# The settings program's defaults, byte by byte (28 bytes).
default_settings='\x00\x04\x05\x01\x09\x00\x00\x01\x01\x00\x01\x00\x01\x05\x02\x01\x01\x01\x03\x02\x00\x02\x00\x00\x0a\x01\x00\x01'
if [ ! -s Tarnwicket.cfg ]; then
  printf "$default_settings" > Tarnwicket.cfg
fi
printf "\\x0$windowed" | dd of=Tarnwicket.cfg bs=1 count=1 conv=notrunc status=none

if [ -n "$games" ]; then
  exec ./Tarnwicket "$games"
fi
exec ./Tarnwicket
