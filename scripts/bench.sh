#!/usr/bin/env bash
# Prints the benchmarks, each measured against its yardstick in one run:
#   bench.sh WIN64_BUILD_DIR WINXP_BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
win64=$(cd "$1" && pwd)
winxp=$(cd "$2" && pwd)
export KELVARO_BUILD="${KELVARO_BUILD:-$(cd "$here/.." && pwd)/build}"
wine_dir="$KELVARO_BUILD/wine"
export KELVARO_PREFIX="$wine_dir/bench"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"

rm -rf "$WINEPREFIX"
cp -a "$wine_dir/base" "$WINEPREFIX"
program_dir="$WINEPREFIX/drive_c/kelvaro"
mkdir -p "$program_dir"
cp "$win64/kelvaro.exe" "$win64/bench/bare_window.exe" "$win64/bench/bench.exe" \
  "$win64/tests/e2e/stub.exe" "$program_dir/"
DISPLAY=$("$here/xvfb.sh" start "$wine_dir/bench-x")
export DISPLAY
trap 'wineserver -k 2>/dev/null || true; "$here/xvfb.sh" stop "$wine_dir/bench-x"' EXIT
wineserver -p >/dev/null 2>&1 </dev/null
wine cmd /c exit >/dev/null 2>&1 </dev/null
cd "$program_dir"

wine 'C:\kelvaro\bench.exe' startup 15 2>/dev/null | tr -d '\r'
for extra in "$here"/bench.d/*.sh; do
  [ -e "$extra" ] && source "$extra"
done

size=$(stat -c %s "$winxp/kelvaro.exe")
printf 'size of the Windows XP exe: %d bytes (%d KiB; target <= 512 KiB)\n' "$size" $((size / 1024))
