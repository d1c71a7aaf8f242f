#!/usr/bin/env bash
# Creates a sandboxed Wine prefix laid out like a Chinese Windows XP:
#   make-prefix.sh PREFIX_FOLDER
# The prefix lives under the build folder, HOME points inside the build folder,
# and no drive is mapped but C: and a D: folder of the prefix's own.
#   make-prefix.sh --if-stale PREFIX_FOLDER   only when the scripts changed since it was made
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
stamp=$(cat "$here/make-prefix.sh" "$here/wine-env.sh" | sha256sum | cut -d' ' -f1)
if [ "$1" = "--if-stale" ]; then
  shift
  [ "$(cat "$1/.made-by" 2>/dev/null)" = "$stamp" ] && exit 0
fi
prefix=$(realpath -m "$1")
build=$(realpath -m "${KELVARO_BUILD:-$here/../build}")
case "$prefix/" in
  "$build"/*) ;;
  *) echo "make-prefix: $prefix is not under the build folder $build" >&2; exit 1 ;;
esac

export KELVARO_PREFIX="$prefix" KELVARO_BUILD="$build"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"

rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
wineboot -i >/dev/null 2>&1
wineserver -w

# Drives and devices: only C: and a D: folder inside the prefix.
keep_only_own_drives() {
  for link in "$prefix/dosdevices/"*; do
    case "$(basename "$link")" in c: | d:) ;; *) rm -f "$link" ;; esac
  done
}
keep_only_own_drives
mkdir -p "$prefix/drive_d"
ln -sfn ../drive_d "$prefix/dosdevices/d:"

user=$(whoami)
profile="$prefix/drive_c/users/$user"
# The profile's folders link to $HOME: make them real folders.
for link in "$profile"/* "$profile"/AppData/Roaming/Microsoft/Windows/Templates; do
  if [ -L "$link" ]; then rm -f "$link" && mkdir -p "$link"; fi
done

# Marlett draws the caption-bar buttons; this Wine does not find it on its own.
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"

run_reg() { wine reg "$@" >/dev/null 2>&1; }
# Report Windows XP, and use a virtual desktop (fast window closing, display modes).
wine winecfg -v winxp64 >/dev/null 2>&1
run_reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
run_reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f
# No network: web requests (the about window's page) go to a proxy on a closed
# local port, so not even a host name is looked up.
inet='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
run_reg add "$inet" /v ProxyEnable /t REG_DWORD /d 1 /f
run_reg add "$inet" /v ProxyServer /d 127.0.0.1:9 /f
# Links opened through the shell stay in the prefix: Wine's own handler for
# http, https and mailto would start the host's browser or mail program.
run_reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d '' /f
run_reg add 'HKCU\Software\Wine\WineBrowser' /v Mailers /d '' /f

# The folders a Chinese Windows XP has, and the short names its commands use.
c="$prefix/drive_c"
mkdir -p "$c/windows/temp" \
  "$c/Documents and Settings/All Users/桌面" \
  "$c/Documents and Settings/All Users/Application Data/Microsoft/Network/Connections/Pbk"
ln -sfn "../users/$user" "$c/Documents and Settings/$user"
ln -sfn "Documents and Settings" "$c/Docume~1"
mkdir -p "$profile/桌面" "$profile/Desktop" "$profile/Favorites" "$profile/My Documents" \
  "$profile/Recent" "$profile/Cookies" "$profile/Local Settings/Temp" \
  "$profile/Local Settings/Temporary Internet Files"
ln -sfn Favorites "$profile/Favori~1"
ln -sfn "My Documents" "$profile/Mydocu~1"
wineserver -w
keep_only_own_drives
echo "$stamp" > "$prefix/.made-by"
echo "prefix ready: $prefix"
