#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a virtual display.
# Extra arguments go to ctest (for example: -R app_tests -V).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"
source "$root/scripts/build-env.sh"
echo "test: testing the $ROLLCALL_ARCH build in $build: $ROLLCALL_ARCH_REASON"

"$root/scripts/build.sh"
status=0
"$root/scripts/in-wine-display.sh" "$build" \
  ctest --test-dir "$build" --output-on-failure "$@" || status=$?
echo "Screenshots and test files: $build/test-output"
exit $status
