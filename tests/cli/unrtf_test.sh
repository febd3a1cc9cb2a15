#!/usr/bin/env bash
# A tape file reads in another RTF reader (unrtf) with the same lines, colours, bold and
# right alignment.
set -euo pipefail
cli=$1
fail() { echo "FAIL: $*"; exit 1; }
command -v unrtf >/dev/null || fail "unrtf is not installed"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

"$cli" --sepdec S --comment 'Total é' --save "$dir/t.rtf" '12+3*2=8/0=7-9=' >/dev/null
html=$(unrtf --html "$dir/t.rtf" 2>/dev/null)
# The lines as a reader shows them: tags dropped, entities decoded.
text=$(printf '%s' "$html" | python3 -c '
import html, re, sys
body = sys.stdin.read().split("<body>", 1)[-1]
for line in re.split(r"<br>|</div>", body):
    line = html.unescape(re.sub(r"<[^>]*>", "", line)).strip()
    if line:
        print(line)
')

for line in '12,00' '+ 3,00' '* 2,00' '——————————' 'Total é 30,00' '/ 0,00' '– 9,00' '-2,00'; do
  printf '%s\n' "$text" | grep -qxF -- "$line" || fail "line «$line» missing: $text"
done
echo "$html" | grep -q '<div align="right">' || fail "right alignment"
echo "$html" | grep -q '<font color="#ff0000">-2,00' || fail "red result"
echo "$html" | grep -q '<font color="#008000">Total &eacute; ' || fail "green comment"
echo "$html" | grep -qE '<b>(<[^>]*>)*8,00' || fail "bold division-by-zero block: $html"
echo "1 passed, 0 failed"
