#!/usr/bin/env bash
# Formats the C++ sources with .clang-format; --check only reports the files
# that differ (and fails), changing nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
formatter=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$formatter" ]; then
  "$root/scripts/setup-debian.sh"
  formatter=$(command -v clang-format-14 || command -v clang-format)
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  bad=0
  for f in "${files[@]}"; do
    if ! "$formatter" --style=file "$f" | cmp -s - "$f"; then
      echo "format: $f differs from .clang-format" >&2
      bad=1
    fi
  done
  [ $bad -eq 0 ] && echo "format: all ${#files[@]} files match .clang-format"
  exit $bad
fi
"$formatter" --style=file -i "${files[@]}"
