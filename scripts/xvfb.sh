#!/usr/bin/env bash
# Prints "export DISPLAY=:N" for a running virtual X display, starting one if none of
# ours runs. Usage: eval "$(bash scripts/xvfb.sh)"
set -euo pipefail
display=${TAVIK_DISPLAY:-:77}
if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
  done
fi
echo "export DISPLAY=$display"
