#!/usr/bin/env bash
# Creates the shared Wine prefix once, outside the repository, and configures it:
# no crash dialog (a crash must fail a test, not wait for a click) and the dialog
# font "ＭＳ Ｐゴシック" mapped to IPAPGothic, which has the same metrics, and windows that
# no window manager has to answer for.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wineenv.sh"
stamp="$WINEPREFIX/.tavikstar-ready-3"
[ -e "$stamp" ] && exit 0

echo "setup: creating the Wine prefix in $WINEPREFIX (a few minutes, once)"
mkdir -p "$WINEPREFIX"
wineserver -k 2>/dev/null || true  # a persistent server of an earlier run would never let -w return
WINEDLLOVERRIDES="mscoree,mshtml=" timeout 1200 wine wineboot -i >"$WINEPREFIX/../wineboot.log" 2>&1 || true
timeout 600 wineserver -w || true

reg=$(mktemp --suffix=.reg)
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
  # Unmanaged windows: with no window manager on the virtual display, hiding a managed
  # window waits two seconds for one to answer.
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"MS PGothic"="IPAPGothic"\r\n'
  printf '"ＭＳ ゴシック"="IPAGothic"\r\n"MS Gothic"="IPAGothic"\r\n\r\n'
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
timeout 300 wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
timeout 300 wineserver -w || true
rm -f "$reg"
touch "$stamp"
