#!/usr/bin/env bash
# The whole command at the point limit (2^20 points) in the 64-bit substitute host:
# time, the host's peak working set and the plug-in's own heap allocations.
# Usage: bash scripts/point-limit.sh   (after bash run.sh test has set the machine up)
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/win64/CMakeCache.txt ] || cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" --target starhost tavikStar_en >/dev/null
eval "$(bash scripts/xvfb.sh)"
. scripts/wineenv.sh
wineserver -p 2>/dev/null || true
for script in "text 1000=524288; ok" "click 1008; text 1000=524288; ok" "family 4; text 1000=1024; text 1003=1024; ok"; do
  echo "== $script"
  scripts/wine-run.sh build/win64/host/starhost.exe build/win64/dist/en/tavikStar.dll --dialog "$script" |
    grep -E 'took|peak|allocations|^object'
done
