#!/usr/bin/env bash
# tavikStar's one entry point, for a fresh Debian 12 machine as root:
#   bash run.sh main   set up, build everything, and make a star (written under out/)
#   bash run.sh test   set up, build everything, and run every test
# Both install what is missing first, and are quick when everything is present.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
jobs=$(nproc)

build() {  # build PRESET...
  for preset in "$@"; do
    [ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >"build-$preset.log" 2>&1 || {
      cat "build-$preset.log"; exit 1; }
    cmake --build --preset "$preset" -j"$jobs" >"build-$preset.log" 2>&1 || { cat "build-$preset.log"; exit 1; }
    rm -f "build-$preset.log"
  done
}

case "${1:-}" in
  main)
    bash scripts/setup.sh wine
    build native win32
    mkdir -p out
    build/native/tavikstar --format obj -o out/star.obj
    build/native/tavikstar --format svg -o out/star.svg
    echo "The default star (7 points, Face mode):"
    echo "  $root/out/star.obj"
    echo "  $root/out/star.svg"
    ;;
  test)
    bash scripts/setup.sh wine
    build native win32 native-sanitize fuzz
    eval "$(bash scripts/xvfb.sh)"  # the dialog tests open real windows
    . scripts/wineenv.sh
    wineserver -p  # one persistent server: each Wine process then starts fast
    status=0
    ctest --test-dir build/native --output-on-failure || status=1
    # The native tests again under AddressSanitizer and UBSan, then a minute of fuzzing.
    ctest --test-dir build/native-sanitize --output-on-failure || status=1
    ctest --test-dir build/fuzz --output-on-failure || status=1
    ctest --test-dir build/win32 --output-on-failure || status=1
    exit $status
    ;;
  *)
    echo "usage: bash run.sh main|test" >&2
    exit 2
    ;;
esac
