#!/usr/bin/env bash
# Sets everything up and runs every test: unit and scenario tests, a formatting check,
# and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

zumbrel_configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j2

echo "== formatting"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find core tools tests bench fuzz -name '*.cpp' -o -name '*.h')
unformatted=$(clang-format --dry-run $files 2>&1 | grep -c 'warning:' || true)
if [ "$unformatted" != "0" ]; then
  clang-format --dry-run $files 2>&1 | grep 'warning:' | head -20
  echo "clang-format: $unformatted places are not formatted (run: clang-format -i \$(git ls-files '*.cpp' '*.h'))"
  exit 1
fi

if command -v clang++ >/dev/null; then
  echo "== fuzzing (${ZUMBREL_FUZZ_SECONDS:-20} s a target)"
  zumbrel_configure build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZUMBREL_FUZZ=ON -DZUMBREL_TESTS=OFF -DZUMBREL_BENCH=OFF -DZUMBREL_GUI=OFF
  cmake --build build-fuzz
  fuzz/run-all.sh build-fuzz/fuzz "${ZUMBREL_FUZZ_SECONDS:-20}"
fi
echo "All tests passed."
