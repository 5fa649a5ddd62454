#!/usr/bin/env bash
# A bounded fuzz run: fuzz.sh FUZZER WORKDIR SECONDS [libFuzzer options...]
# Starts from the committed corpus and writes new inputs and any finding under WORKDIR, so
# fuzz/corpus/ is only read. Exits non-zero on a finding (crash, leak, timeout, OOM).
set -euo pipefail
fuzzer=$1 work=$2 seconds=$3
shift 3
corpus=$(cd "$(dirname "$0")" && pwd)/corpus
mkdir -p "$work/corpus" "$work/findings"
exec "$fuzzer" -max_total_time="$seconds" -max_len=512 -timeout=30 -rss_limit_mb=2048 \
  -dict="$(dirname "$corpus")/boxes.dict" -print_final_stats=1 -artifact_prefix="$work/findings/" "$@" "$work/corpus" "$corpus"
