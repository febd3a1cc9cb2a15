#!/usr/bin/env bash
# Sets everything up and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
zumbrel_configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target zumbrel-cli >/dev/null
exec build/tools/zumbrel-cli "$@"
