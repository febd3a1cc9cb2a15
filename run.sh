#!/usr/bin/env bash
# Sets everything up and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
zumbrel_configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target zumbrel zumbrel-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting the calculator without windows (zumbrel-cli)." >&2
  exec build/tools/zumbrel-cli "$@"
fi
exec build/gui/zumbrel "$@"
