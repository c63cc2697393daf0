#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a virtual display.
# Extra arguments go to ctest (for example: -R app_tests -V).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/build.sh"

source "$root/scripts/wine-env.sh" "$build"
wine_prepare
wine_server_start
trap wine_server_stop EXIT

set +e
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$build" --output-on-failure "$@"
status=$?
set -e
echo "Screenshots and test files: $build/test-output"
exit $status
