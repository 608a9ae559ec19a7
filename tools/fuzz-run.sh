#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs them one after another, one job each.
#
#   tools/fuzz-run.sh [SECONDS] [TARGET...]   each target SECONDS long (600 if not given)
#   tools/fuzz-run.sh --ci                    every target briefly, about a minute in all
#
# Targets: pgn_games settings_files pe_resources res_file dib_decode wave
# dialog_template fen_position comment_commands viewer_arguments (all when none is named). Seeds come from fuzz/corpus/<target>,
# the tests' data and, for game files, the shared corpus beside the checkout
# when it is there. What a target finds is kept in build/fuzz/corpus/<target>;
# a crash lands in build/fuzz/crashes/<target>/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

seconds=600
ci=0
if [[ "${1:-}" == "--ci" ]]; then
  ci=1
  seconds=8
  shift
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
all_targets=(pgn_games settings_files pe_resources res_file dib_decode wave dialog_template fen_position
  comment_commands viewer_arguments broadcast_address)
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=("${all_targets[@]}")

clang_cc=$(command -v clang-14 || command -v clang || true)
clang_cxx=$(command -v clang++-14 || command -v clang++ || true)
if [[ -z "$clang_cc" || -z "$clang_cxx" ]]; then
  echo "fuzz-run: clang is needed (apt-get install clang libclang-rt-dev)" >&2
  exit 2
fi

build=$root/build/fuzz
CC=$clang_cc CXX=$clang_cxx cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARNWICKET_FUZZ=ON -DTARNWICKET_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_all >/dev/null

shared_corpus=$(cd .. && pwd)/shared/corpus

# Largest input each target tries, in bytes.
max_len() {
  case $1 in
    pgn_games) echo 16384 ;;
    settings_files | comment_commands) echo 8192 ;;
    pe_resources) echo 65536 ;;
    res_file | dib_decode) echo 16384 ;;
    fen_position) echo 512 ;;
    *) echo 4096 ;;
  esac
}

# Fills folder $2 with the seeds of target $1.
collect_seeds() {
  local target=$1 folder=$2
  rm -rf "$folder"
  mkdir -p "$folder"
  cp fuzz/corpus/"$target"/* "$folder"/ 2>/dev/null || true
  case $target in
    pgn_games)
      cp tests/data/pgn/*.pgn demo/Tarnwicket.pgn "$folder"/
      if [[ -d "$shared_corpus" ]]; then
        find "$shared_corpus" -name '*.pgn' | while read -r file; do
          local name=${file#"$shared_corpus"/}
          cp "$file" "$folder/shared-${name//\//-}"
        done
      fi
      ;;
    settings_files)
      cp tests/data/settings/* "$folder"/
      ;;
    comment_commands)
      # The known answers of real exports: comments of every kind, a ply a line.
      cp tests/data/comments/*.expected.tsv "$folder"/
      ;;
    dib_decode)
      # Bitmap files of the tests, without their 14-byte file header.
      for file in tests/*/data/*.bmp; do
        tail -c +15 "$file" >"$folder/$(basename "$file" .bmp).dib"
      done
      ;;
  esac
}

failed=()
summary=()
for target in "${targets[@]}"; do
  program=$build/fuzz/fuzz_$target
  seeds=$build/seeds/$target
  crashes=$build/crashes/$target
  logs=$build/logs
  collect_seeds "$target" "$seeds"
  mkdir -p "$crashes" "$logs"
  if [[ $ci == 1 ]]; then
    corpus=$(mktemp -d)
  else
    corpus=$build/corpus/$target
    mkdir -p "$corpus"
  fi
  dictionary=()
  [[ -f fuzz/dictionaries/$target.dict ]] && dictionary=(-dict="$root/fuzz/dictionaries/$target.dict")
  log=$logs/$target.log
  echo "fuzz $target: $seconds s"
  status=0
  # Leaks are checked at the end of each input; a hang of 10 s counts as a crash.
  (cd "$build" && "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len="$(max_len "$target")" -print_final_stats=1 -artifact_prefix="$crashes/" \
      "${dictionary[@]}" "$corpus" "$seeds") >"$log" 2>&1 || status=$?
  if [[ $ci == 1 ]]; then rm -rf "$corpus"; fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  line="$target: ${runs:-?} inputs in $seconds s"
  if [[ $status != 0 ]]; then
    line+=", FAILED (see $log)"
    failed+=("$target")
  fi
  summary+=("$line")
done

printf '%s\n' "${summary[@]}"
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "fuzz-run: crashes in ${failed[*]}; inputs in $build/crashes/" >&2
  exit 1
fi
