#!/usr/bin/env bash
# tavikStar's one entry point, for a fresh Debian 12 machine as root:
#   bash run.sh main   set up, build both DLLs into dist/, and run the English one in the
#                      substitute host: a star and dialog screenshots under out/
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
    mkdir -p dist/en dist/ja out
    cp build/win32/dist/en/tavikStar.dll dist/en/
    cp build/win32/dist/ja/tavikStar.dll dist/ja/
    eval "$(bash scripts/xvfb.sh)"
    . scripts/wineenv.sh
    wineserver -p >/dev/null 2>&1 </dev/null || true
    host=build/win32/host/starhost.exe
    # The English plug-in in the substitute host, its dialog's defaults accepted.
    scripts/wine-run.sh "$host" dist/en/tavikStar.dll --dialog "shot out/dialog-en.png; ok" \
      --obj out/star.obj --svg out/star.svg --trace out/trace.txt >out/starhost-en.txt
    # The Japanese dialog, under the code page it is written for.
    LANG=ja_JP.UTF-8 scripts/wine-run.sh "$host" dist/ja/tavikStar.dll \
      --dialog "shot out/dialog-ja.png; cancel" >out/starhost-ja.txt
    cat out/starhost-en.txt
    echo
    echo "The plug-in DLLs:        $root/dist/en/tavikStar.dll  $root/dist/ja/tavikStar.dll"
    echo "The star it made:        $root/out/star.obj  $root/out/star.svg"
    echo "The host calls it made:  $root/out/trace.txt"
    echo "Its dialog:              $root/out/dialog-en.png  $root/out/dialog-ja.png"
    ;;
  test)
    bash scripts/setup.sh wine
    build native win32 native-sanitize fuzz
    eval "$(bash scripts/xvfb.sh)"  # the dialog tests open real windows
    . scripts/wineenv.sh
    wineserver -p >/dev/null 2>&1 </dev/null || true  # one persistent server: each Wine process then starts fast
    status=0
    ctest --test-dir build/native --output-on-failure || status=1
    # The native tests again under AddressSanitizer and UBSan, then a minute of fuzzing.
    ctest --test-dir build/native-sanitize --output-on-failure || status=1
    ctest --test-dir build/fuzz --output-on-failure || status=1
    ctest --test-dir build/win32 --output-on-failure || status=1
    wineserver -k 2>/dev/null || true  # Wine's services end with it, and free their pipes
    exit $status
    ;;
  *)
    echo "usage: bash run.sh main|test" >&2
    exit 2
    ;;
esac
