#!/usr/bin/env bash
# Starts or stops a private X server for Wine: xvfb.sh start|stop STATE_FOLDER
# `start` prints the display (":N") and leaves it in STATE_FOLDER/display.
set -euo pipefail
state=$2
mkdir -p "$state"
case "$1" in
  start)
    if [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
      cat "$state/display"
      exit 0
    fi
    exec 3> "$state/display.fd"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! > "$state/xvfb.pid"
    for _ in $(seq 100); do
      [ -s "$state/display.fd" ] && break
      sleep 0.05
    done
    echo ":$(tr -d '\n' < "$state/display.fd")" > "$state/display"
    cat "$state/display"
    ;;
  stop)
    if [ -f "$state/xvfb.pid" ]; then
      kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
      rm -f "$state/xvfb.pid" "$state/display" "$state/display.fd"
    fi
    ;;
esac
