#!/usr/bin/env bash
# Prints keys per second on an empty tape and on a million-line tape, and their ratio.
# Usage: bench/keys_ratio.sh [build folder]
set -euo pipefail
build=${1:-build}
"$build/bench/bench_keys" --benchmark_format=json --benchmark_min_time=1 2>/dev/null | python3 -c '
import json, sys
runs = {b["name"]: b["items_per_second"] for b in json.load(sys.stdin)["benchmarks"]}
empty, full = runs["BM_KeysOnEmptyTape"], runs["BM_KeysOnMillionLineTape"]
print(f"keys/s, empty tape:        {empty:,.0f}")
print(f"keys/s, 10^6-line tape:    {full:,.0f}")
print(f"ratio (million / empty):   {full / empty:.3f}")
'
