#!/usr/bin/env bash
# The end-to-end fixture and case runner, called by ctest:
#   e2e.sh setup WIN64_BUILD_DIR   fresh test prefix from the base one, program files, X server
#   e2e.sh case NAME               runs one case of the driver inside the test prefix
#   e2e.sh teardown                stops the wineserver and the X server
#   e2e.sh check-sandbox           fails if any prefix maps a drive outside the build folder
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export KELVARO_BUILD="${KELVARO_BUILD:-$(cd "$here/.." && pwd)/build}"
wine_dir="$KELVARO_BUILD/wine"
export KELVARO_PREFIX="$wine_dir/test"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
program_dir="$WINEPREFIX/drive_c/kelvaro"

case "$1" in
  setup)
    win64=$(cd "$2" && pwd)
    "$here/make-prefix.sh" --if-stale "$wine_dir/base"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    cp -a "$wine_dir/base" "$WINEPREFIX"
    mkdir -p "$program_dir"
    cp "$win64/kelvaro.exe" "$win64/tests/e2e/driver.exe" "$win64/tests/e2e/stub.exe" "$program_dir/"
    DISPLAY=$("$here/xvfb.sh" start "$wine_dir/x")
    export DISPLAY
    wineserver -p >/dev/null 2>&1 </dev/null
    # Start Wine's services with output going nowhere, so later pipes end.
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    echo "test prefix ready on display $DISPLAY"
    ;;
  case)
    DISPLAY=$(cat "$wine_dir/x/display")
    export DISPLAY
    cd "$program_dir"
    exec wine 'C:\kelvaro\driver.exe' "$2" 2>/dev/null
    ;;
  teardown)
    wineserver -k 2>/dev/null || true
    "$here/xvfb.sh" stop "$wine_dir/x"
    ;;
  check-sandbox)
    build=$(realpath "$KELVARO_BUILD")
    status=0
    for prefix in "$wine_dir"/*/; do
      [ -d "$prefix/dosdevices" ] || continue
      for link in "$prefix"dosdevices/*; do
        name=$(basename "$link")
        target=$(realpath -m "$link")
        case "$name" in
          c: | d:)
            case "$target/" in
              "$build"/*) ;;
              *) echo "$prefix maps $name to $target, outside $build"; status=1 ;;
            esac
            ;;
          com[0-9]* | lpt[0-9]*)  # serial and printer ports Wine links to devices
            case "$target" in /dev/*) ;; *) echo "$prefix links $name to $target"; status=1 ;; esac
            ;;
          *) echo "$prefix maps $name to $target: only C: and D: may exist"; status=1 ;;
        esac
      done
    done
    case "$HOME/" in "$build"/*) ;; *) echo "HOME $HOME is outside $build"; status=1 ;; esac
    [ $status -eq 0 ] && echo "every prefix maps only C: and D: inside $build"
    exit $status
    ;;
  *)
    echo "usage: $0 setup DIR | case NAME | teardown | check-sandbox" >&2
    exit 2
    ;;
esac
