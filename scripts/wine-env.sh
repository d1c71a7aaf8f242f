# Sourced by the scripts that run Wine: a sandboxed environment under the build
# folder. Set KELVARO_PREFIX to the prefix folder before sourcing.
# shellcheck shell=bash
: "${KELVARO_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
KELVARO_WINE="$KELVARO_BUILD/wine"
export HOME="$KELVARO_WINE/home"
export LOCPATH="$KELVARO_WINE/locale"
# A zh_CN locale of our own, so Wine takes code page 936.
if [ ! -d "$LOCPATH/zh_CN.utf8" ]; then
  mkdir -p "$LOCPATH"
  localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.utf8" 2>/dev/null || [ -d "$LOCPATH/zh_CN.utf8" ]
fi
# (bash itself cannot see the new locale, only the programs it starts)
{ export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8; } 2>/dev/null
export WINEPREFIX="${KELVARO_PREFIX:?}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache" XDG_RUNTIME_DIR="$KELVARO_WINE/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
