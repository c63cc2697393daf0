#!/usr/bin/env bash
# Builds the project and runs the benchmarks under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"
source "$root/scripts/build-env.sh"

"$root/scripts/build.sh"
mkdir -p "$build/bench-output"
cd "$build/bench-output"
"$root/scripts/in-wine-display.sh" "$build" bash -c '
  for b in "$1"/bench/*_bench.exe; do
    echo "== $(basename "$b")"
    args=()
    [ "$(basename "$b")" = app_bench.exe ] && args=("$1/app/rollcall.exe")
    wine "$b" "${args[@]}" 2>/dev/null | tr -d "\r"
  done' bench "$build"
