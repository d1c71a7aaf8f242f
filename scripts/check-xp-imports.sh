#!/usr/bin/env bash
# Fails when the XP build imports a function that is not in the reviewed list
# of functions Windows XP SP2 provides:  check-xp-imports.sh EXE LIST
set -euo pipefail
exe=$1
list=$2
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '
  /DLL Name:/ { dll = tolower($3); next }
  /^There is/ { dll = "" }
  dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print dll " " $3 }
' | sort -u)
allowed=$(awk '!/^[[:space:]]*(#|$)/ { print tolower($1) " " $2 }' "$list" | sort -u)
unknown=$(comm -23 <(echo "$imports") <(echo "$allowed"))
count=$(echo "$imports" | wc -l)
if [ -n "$unknown" ]; then
  echo "imports not in $list (check each against its documented minimum Windows version):"
  echo "$unknown"
  exit 1
fi
echo "all $count imported functions are in the reviewed XP list"
