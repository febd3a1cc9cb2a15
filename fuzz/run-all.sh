#!/usr/bin/env bash
# Runs every fuzz target for a while on its seeds. Usage: fuzz/run-all.sh BUILD_FUZZ_DIR SECONDS
set -euo pipefail
bin=$1
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for target in "$bin"/fuzz_*; do
  name=$(basename "$target")
  corpus=$(mktemp -d)
  cp "$here/seeds/$name"/* "$corpus"/ 2>/dev/null || true
  echo "fuzzing $name for ${seconds} s"
  if ! "$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$corpus/" "$corpus" 2>"$corpus/log"; then
    tail -40 "$corpus/log"
    echo "FAILED: $name (artifacts in $corpus)"
    status=1
  else
    grep -E 'stat::number_of_executed_units|Done' "$corpus/log" | tail -2
    rm -rf "$corpus"
  fi
done
exit $status
