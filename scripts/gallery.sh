#!/usr/bin/env bash
# Builds the project and starts the skin engine's gallery under Wine. With a
# display ($DISPLAY) the window shows there; without one it runs on a virtual
# display for a few seconds and build/gallery/screenshot.png shows it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"
source "$root/scripts/build-env.sh"

"$root/scripts/build.sh"

source "$root/scripts/wine-env.sh" "$build"
wine_prepare
out="$build/gallery"
mkdir -p "$out"
cd "$out"
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$build/examples/gallery/gallery.exe"
fi

echo "No display: running on a virtual display for 6 seconds."
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wine "$1" & pid=$!
  sleep 6
  import -window root -crop 1000x760+140+132 +repage screenshot.png
  kill $pid 2>/dev/null || true
  wineserver -k 2>/dev/null || true
' bash "$build/examples/gallery/gallery.exe" 2>/dev/null || true
echo "Screenshot: $out/screenshot.png"
