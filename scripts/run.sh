#!/usr/bin/env bash
# Starts kelvaro.exe in its own sandboxed prefix:  run.sh WIN64_BUILD_DIR
# With a DISPLAY the window opens there and this returns when the program ends.
# Without one it runs under a private X server, saves a screenshot of the main
# window to build/kelvaro.png, closes the program and ends.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
win64=$(cd "$1" && pwd)
export KELVARO_BUILD="${KELVARO_BUILD:-$(cd "$here/.." && pwd)/build}"
wine_dir="$KELVARO_BUILD/wine"
export KELVARO_PREFIX="$wine_dir/run"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"

"$here/make-prefix.sh" --if-stale "$wine_dir/base"
# The run prefix keeps what the user did in it, until the base prefix is remade.
if [ "$(cat "$WINEPREFIX/.made-by" 2>/dev/null)" != "$(cat "$wine_dir/base/.made-by")" ]; then
  rm -rf "$WINEPREFIX"
  cp -a "$wine_dir/base" "$WINEPREFIX"
fi
program_dir="$WINEPREFIX/drive_c/kelvaro"
mkdir -p "$program_dir"
cp "$win64/kelvaro.exe" "$win64/tests/e2e/driver.exe" "$program_dir/"
cd "$program_dir"

if [ -n "${DISPLAY:-}" ]; then
  wine 'C:\kelvaro\kelvaro.exe' 2>/dev/null
  exit 0
fi

DISPLAY=$("$here/xvfb.sh" start "$wine_dir/run-x")
export DISPLAY
trap 'wineserver -k 2>/dev/null || true; "$here/xvfb.sh" stop "$wine_dir/run-x"' EXIT
wine 'C:\kelvaro\kelvaro.exe' >/dev/null 2>&1 </dev/null &
program=$!
geometry=$(wine 'C:\kelvaro\driver.exe' --main-window-rect 2>/dev/null | tr -d '\r')
import -display "$DISPLAY" -window root -crop "$geometry" "$KELVARO_BUILD/kelvaro.png"
wine 'C:\kelvaro\driver.exe' --close-main-window 2>/dev/null
wait $program || true
echo "screenshot of the main window ($geometry): $KELVARO_BUILD/kelvaro.png"
