#!/usr/bin/env bash
# run-fuzzer.sh FUZZER CORPUS SECONDS SEED...
# Runs a libFuzzer target for a bounded time from a fresh corpus made of the
# seed files; exits non-zero when the fuzzer found a fault. One input may take
# up to 30 seconds, as the targets run side by side on a busy machine.
set -euo pipefail
fuzzer=$1 corpus=$2 seconds=$3
shift 3
rm -rf "$corpus"
mkdir -p "$corpus"
cp "$@" "$corpus"/
exec "$fuzzer" "$corpus" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 -artifact_prefix="$corpus/../"
