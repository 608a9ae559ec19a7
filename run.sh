#!/usr/bin/env bash
# Builds everything and starts the viewer on the bundled demo games.
#   ./run.sh                 windowed, demo games
#   ./run.sh --fullscreen    full-screen, demo games
#   ./run.sh [--fullscreen] path/to/games.pgn
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j"$(nproc)"
exec tools/start-viewer.sh build/release/run "$@"
