#!/usr/bin/env bash
# Runs one Windows program under Wine, as the tests do: the shared prefix, a time limit,
# and output through files (Wine's services inherit the pipes and would hold them open).
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wineenv.sh"
tmp=$(mktemp -d)
timeout -k 10 "${TAVIK_WINE_TIMEOUT:-900}" wine "$@" >"$tmp/out" 2>"$tmp/err" </dev/null
rc=$?
cat "$tmp/out"
grep -v -e '^[0-9a-f]*:fixme:' -e '^wine: configuration' "$tmp/err" >&2
rm -rf "$tmp"
exit $rc
