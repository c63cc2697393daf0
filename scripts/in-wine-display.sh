#!/usr/bin/env bash
# Runs a command with the project's Wine prefix on a virtual X display, with a
# Wine server of its own for the whole command:
#   scripts/in-wine-display.sh <build-dir> <command> [args...]
# Wine's desktop process binds to the display it first sees, so the server is
# started inside the virtual display, never before it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift

source "$root/scripts/wine-env.sh" "$build"

if [ -z "${ROLLCALL_IN_DISPLAY:-}" ]; then
  wine_prepare
  export ROLLCALL_IN_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$@"
fi

wine_server_stop   # a server left from outside the display would hold the wrong desktop
wine_server_start
set +e
"$@"
status=$?
set -e
wine_server_stop
exit $status
