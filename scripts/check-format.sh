#!/usr/bin/env bash
# Fails, listing the files, when a C++ source of the project is not as clang-format writes it.
set -euo pipefail
cd "$(dirname "$0")/.."

unformatted=()
while IFS= read -r file; do
  [ -f "$file" ] || continue
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files -- '*.h' '*.cpp')

if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted (run: clang-format -i FILE):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
