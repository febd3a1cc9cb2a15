#!/usr/bin/env bash
# zumbrel-cli's update check and IP display against a server started here on 127.0.0.1.
set -euo pipefail
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*"; exit 1; }
out=$(mktemp)
python3 "$here/service_server.py" >"$out" &
server=$!
trap 'kill $server 2>/dev/null || true; rm -f "$out"' EXIT
for _ in $(seq 1 50); do [ -s "$out" ] && break; sleep 0.1; done
port=$(head -n1 "$out")
[ -n "$port" ] || fail "the test server did not start"
base="http://127.0.0.1:$port"

expect() {  # expected, then the cli's arguments
  local want=$1; shift
  local got
  got=$("$cli" "$@")
  [ "$got" = "$want" ] || fail "$* gave \"$got\", not \"$want\""
}
expect "up-to-date" --check-update "$base/same"
expect "newer 2006001 Zumbrel 2.6.1" --check-update "$base/newer"
expect "impossible" --check-update "$base/nosection"
expect "impossible" --check-update "$base/nonnumeric"
expect "impossible" --check-update "$base/missing"
expect "impossible" --check-update "$base/huge"
expect "impossible" --net-timeout 700 --check-update "$base/stall"
expect "impossible" --check-update "$base/redirect"
expect "203.0.113.7" --public-ip "$base/ip11"
expect "échoué 404" --public-ip "$base/ipbody"
expect "échoué" --public-ip "$base/missing"
# Nobody listens on the port of a server that stopped.
kill $server; wait $server 2>/dev/null || true
expect "offline" --check-update "$base/same"
# Plain HTTP elsewhere than this machine is never asked.
expect "impossible" --check-update "http://example.com"
echo "1 passed, 0 failed"
