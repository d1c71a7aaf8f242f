#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need.
# Does nothing (and needs no network) when everything is already there.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 binutils-mingw-w64
  wine wine64 xvfb x11-utils imagemagick
  locales fonts-wqy-microhei fonts-wine
  python3 sox liblnk-utils clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
