#!/usr/bin/env bash
# Checks that every tracked C and C++ file is laid out as .clang-format says,
# with clang-format 14 (Debian's clang-format package), the version the tree
# is formatted with. Names each file that is not and fails; nothing is
# changed. `clang-format -i FILE...` formats them.
set -euo pipefail
cd "$(dirname "$0")/.."

format=$(command -v clang-format-14 || command -v clang-format || true)
if [[ -z "$format" ]]; then
  echo "check-format: clang-format is missing (apt-get install clang-format)" >&2
  exit 2
fi
version=$("$format" --version | sed -n 's/.*clang-format version \([0-9]*\)\..*/\1/p')
if [[ "$version" != 14 ]]; then
  echo "check-format: $format is version ${version:-unknown}; the tree is formatted with clang-format 14" >&2
  exit 2
fi

unformatted=()
checked=0
while IFS= read -r -d '' file; do
  [[ -f "$file" ]] || continue  # deleted, not yet committed
  checked=$((checked + 1))
  "$format" --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files -z -- '*.c' '*.cc' '*.cpp' '*.h' '*.hpp')

if [[ ${#unformatted[@]} -gt 0 ]]; then
  echo "check-format: ${#unformatted[@]} of $checked files are not formatted (clang-format -i FILE):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "check-format: all $checked C and C++ files formatted"
