#!/usr/bin/env bash
# Builds the program and starts it under Wine on the sample class in examples/class.
# With a display ($DISPLAY) the window shows there; without one it runs on a
# virtual display and a screenshot is written to build/demo/screenshot.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"
source "$root/scripts/build-env.sh"

"$root/scripts/build.sh"

demo="$build/demo"
mkdir -p "$demo"
cp -r "$root/examples/class/." "$demo/"
cp "$build/app/rollcall.exe" "$demo/"

source "$root/scripts/wine-env.sh" "$build"
wine_prepare
cd "$demo"
if [ -n "${DISPLAY:-}" ]; then
  exec wine rollcall.exe
fi

echo "No display: running on a virtual display for 6 seconds."
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wine rollcall.exe & pid=$!
  sleep 6
  import -window root -crop 512x394+384+315 +repage screenshot.png
  kill $pid 2>/dev/null || true
  wineserver -k 2>/dev/null || true
' 2>/dev/null || true
echo "Screenshot: $demo/screenshot.png"
