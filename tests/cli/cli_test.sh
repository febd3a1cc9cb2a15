#!/usr/bin/env bash
# The headless driver prints the tape, its colours and its JSON as documented.
set -euo pipefail
cli=$1
fail() { echo "FAIL: $*"; exit 1; }

out=$("$cli" --ds , --nbrdec 2 --sepdec S '12+3*2=')
expected=$(printf '     12,00\n    + 3,00\n    * 2,00\n——————————\n     30,00\n\n')
[ "$(printf '%s\n' "$out" | sed -n '1,7p')" = "$expected" ] || fail "tape of 12+3*2=: $out"

# After the tape: a line "--", then the calculator's state and the voice's requests.
state=$(printf '%s\n' "$out" | sed -n '8,$p')
for want in '--' 'entry: 30,00' 'display: 30,00' 'grand total: 30' 'voice: read 30,00'; do
  grep -qxF -- "$want" <<<"$state" || fail "the state after the tape has \"$want\": $state"
done
grep -q '^status:' <<<"$state" || fail "the status line after the tape: $state"

json=$("$cli" --sepdec S --format json '7-9=')
grep -q '"text":"-2,00","align":"right","runs":\[{"text":"-2,00","style":{"color":"#ff0000"' <<<"$json" || fail "red result: $json"
grep -q '"entry":"-2,00"' <<<"$json" || fail "entry: $json"
grep -q '"kind":"voice","detail":"read -2,00"' <<<"$json" || fail "voice: $json"

# The adding machine's keys: memory arithmetic, the grand total in the report and the JSON.
adding=$("$cli" --sepdec S '12,5[M+]7,5[M+]2[M-]x[MR]')
grep -q '12,50 M+$' <<<"$adding" || fail "M+ on the tape: $adding"
grep -q ' 2,00 M−$' <<<"$adding" || fail "M− on the tape: $adding"
grep -q '^memory 1: 18$' <<<"$adding" || fail "memory 1 after M+ M+ M−: $adding"
grep -q '^entry: 18$' <<<"$adding" || fail "MR into the entry: $adding"
gt=$("$cli" --sepdec S --tva 20 --format json '100[TVA+]x12+3=[GT]')
grep -q '"text":"G.T. 135,00"' <<<"$gt" || fail "G.T. line: $gt"
grep -q '"grandTotal":"135"' <<<"$gt" || fail "grandTotal in JSON: $gt"
gtc=$("$cli" '12+3=[GTC]')
grep -q '^grand total:' <<<"$gtc" && fail "GTC clears the grand total: $gtc"
grep -q '^grand total: 15$' <<<"$("$cli" '12+3=')" || fail "grand total in the report"
grep -q '^memory: 15,00$' <<<"$("$cli" '12+3+')" || fail "the interim result in the report"

margin=$("$cli" --sepdec S '80[COST]100[SELL]')
grep -q 'Taux de marque (%) : 20,00$' <<<"$margin" || fail "margin block: $margin"
waiting=$("$cli" --format json '80[COST]')
grep -q '"margin":{"cost":"80","sale":null,"rate":null,"rateOnSale":false}' <<<"$waiting" || fail "margin values in JSON: $waiting"
help=$("$cli" --help)
for key in '[M+]' '[M2+]' '[GT]' '[GTC]' '[COST]' '[SELL]' '[MARGIN]' '[MARKON]' '[ERASE]'; do
    grep -qF "$key" <<<"$help" || fail "--help lists $key"
done
items=$("$cli" --items --sepdec S '1234+10*2+5=')
grep -q '^n 3  2 493,00$' <<<"$items" || fail "--items counts the amounts added: $items"

ansi=$("$cli" --format ansi '7-9=')
grep -q $'\x1b\[38;2;255;0;0m-2,00' <<<"$ansi" || fail "ansi colour: $ansi"

piped=$(printf '12+3\n=\n' | "$cli" --sepdec S)
grep -q '^entry: 15,00$' <<<"$piped" || fail "keys from standard input: $piped"

"$cli" --format nonsense 1 2>/dev/null && fail "a bad option is refused"
"$cli" --5 2>/dev/null && fail "an unknown option is refused"

# After "--" everything is keys, even what looks like an option.
ended=$("$cli" --sepdec S -- -s-1- 5)
grep -q '^1,00$' <<<"$ended" || fail "keys after --: $ended"
grep -q '^entry: 5$' <<<"$ended" || fail "keys after -- are joined: $ended"
dashes=$("$cli" -- --)
grep -q '^entry: $' <<<"$dashes" || fail "-- after -- is a key: $dashes"

# The business keys and options, and each line's colour and background in the JSON.
vat=$("$cli" --sepdec S --tva 20 '100[TVA+]')
grep -q '^TVA 20 % :  20,00$' <<<"$vat" || fail "VAT block: $vat"
grep -q '^entry: 120,00$' <<<"$vat" || fail "VAT total in the entry: $vat"
quebec=$("$cli" --lang Queb --tps 5 --tvp 9.975 --tvp-name TVQ '10,10[TVA+]')
grep -q 'Total : 11,62$' <<<"$quebec" || fail "Quebec total: $quebec"
franc=$("$cli" --money-rate 6,55957 --sepdec S '500[E>F]')
grep -q 'Somme en francs : 3 279,79$' <<<"$franc" || fail "currency: $franc"
ae=$("$cli" --ae-rate 23 --ae-ceiling 32000 --sepdec S '20000[AE]')
grep -q 'Reste CA moins charges :  15 400,00$' <<<"$ae" || fail "self-employed: $ae"
gold=$("$cli" --format json '100[OR]')
grep -q '"text":"Nombre d.Or : 161,80","style":{"color":"#000000"[^}]*"background":"#ffff00"' <<<"$gold" \
  || fail "golden number's background: $gold"
grep -q '"text":"HT' <<<"$gold" && fail "golden number only"
"$cli" --tva 2>/dev/null && fail "--tva needs a value"

# The file commands answer from --answers, over real files; --export writes CSV and PDF.
work=$(mktemp -d)
( cd "$work"
  grep -q '^caption: Zumbrel - a.rtf$' <<<"$("$cli" --answers a.rtf '12+3=[SAVE]')" || fail "save: caption"
  [ -s a.rtf ] || fail "save: no file"
  opened=$("$cli" --answers a.rtf '[OPEN]')
  grep -q '^     15,00$' <<<"$opened" || fail "open: $opened"
  kept=$("$cli" --answers yes,cancel '1+1=[QUIT]3')
  grep -q '^entry: 3$' <<<"$kept" || fail "a cancelled close keeps running: $kept"
  closed=$("$cli" --answers no '1+1=[QUIT]3')
  grep -q '^closed: yes$' <<<"$closed" || fail "close: $closed"
  grep -q '^entry: 2,00$' <<<"$closed" || fail "keys stop at the close: $closed"
  "$cli" --sepdec S '1250+380=' --export t.csv >/dev/null
  grep -q '^,1630.00,"1 630,00",result,positive' t.csv || fail "CSV: $(cat t.csv)"
  head -1 t.csv | grep -q '^operator,amount,text,kind,sign' || fail "CSV columns: $(head -1 t.csv)"
  # The operands sum to the result: a subtracted amount is negative.
  # (a point separator and no grouping: no field holds a comma, so awk can split them)
  "$cli" --ds . --sepdec N '1000-250.75=' --export s.csv >/dev/null
  sum=$(awk -F, '$4 == "operand" { s += $2 } END { printf "%.2f", s }' s.csv)
  [ "$sum" = "749.25" ] || fail "the CSV's operands sum to $sum: $(cat s.csv)"
  grep -q '^,749.25,749.25,result,positive' s.csv || fail "CSV result: $(cat s.csv)"
  if "$cli" --sepdec S '1250+380=' --export t.pdf >/dev/null 2>err.txt; then
    grep -q '1 630,00' <<<"$(pdftotext t.pdf -)" || fail "PDF text"
    [ ! -s err.txt ] || fail "PDF export prints nothing on stderr: $(cat err.txt)"
  else
    grep -q 'without its windows' err.txt || fail "PDF: $(cat err.txt)"
  fi
  "$cli" '1' --export t.txt >/dev/null 2>&1 && fail "an unknown export extension is refused"
  true
) || exit 1
rm -rf "$work"

# The body-mass index: the class of the number shown.
[ "$("$cli" --bmi 97 1 97)" = "24,99 Valeurs normales" ] || fail "bmi: $("$cli" --bmi 97 1 97)"
[ "$("$cli" --ds . --bmi 100 1 58)" = "40.06 Obésité classe III" ] || fail "bmi with a point"
"$cli" --bmi 70 0 0 >/dev/null 2>&1 && fail "a zero height is refused"

# Writing on the tape: the date of a given day, a title and a header file.
tmpd=$(mktemp -d)
printf '{\\rtf1 Maison Dupont\\par}' >"$tmpd/h.rtf"
out=$(LC_TIME=C "$cli" --lang Engl --date 2026-12-05 --header "$tmpd/h.rtf" --answers Loyer -- '[HEADER][DATE][TITLE]1+1=')
rm -rf "$tmpd"
grep -q 'Maison Dupont$' <<<"$out" || fail "header: $out"
grep -q 'Saturday 5 of december 2026$' <<<"$out" || fail "date: $out"
grep -q 'Loyer$' <<<"$out" || fail "title: $out"

# An emptied answer to the result comment's question keeps the waiting comment.
kept=$("$cli" --comment Ancien --answers , '[RESULT]12+3=')
grep -q '^Ancien 15,00$' <<<"$kept" || fail "the waiting comment: $kept"

# Numbers read in each language: the files in playing order, or the words they say.
[ "$("$cli" --lang Span --read 21000 --words)" = "veintiún mil" ] || fail "read in Spanish"
[ "$("$cli" --lang Germ --read 21 | tr '\n' ' ')" = "un.wav et.wav 20.wav " ] ||
  fail "German files: $("$cli" --lang Germ --read 21 | tr '\n' ' ')"
[ "$("$cli" --read 71 --words)" = "soixante et onze" ] || fail "French by default"

# A long line is printed as it is; the other lines are not padded to its width.
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
{ printf '%*s\n' 5000 x | tr ' ' 'a'; for i in $(seq 1 2000); do echo "$i,00"; done; } >"$tmp/wide.txt"
size=$("$cli" --load "$tmp/wide.txt" -- 1 | wc -c)
[ "$size" -lt 100000 ] || fail "a 5000-character line pads the other lines: $size bytes"
# A tape file over 64 MiB is refused before it is read (a sparse file costs no disk); one of
# exactly 64 MiB is still a tape.
printf '{\\rtf1 12,00\\par}' >"$tmp/big.rtf"
truncate -s $((64 * 1024 * 1024 + 1)) "$tmp/big.rtf"
"$cli" --load "$tmp/big.rtf" -- 1 >/dev/null 2>"$tmp/err" && fail "a file over 64 MiB is refused"
grep -q "cannot open $tmp/big.rtf: larger than 64 MiB" "$tmp/err" || fail "too large: $(cat "$tmp/err")"
{ printf '{\\rtf1 12,00\\par}'; head -c $((64 * 1024 * 1024 - 17)) /dev/zero | tr '\0' ' '; } >"$tmp/full.rtf"
[ "$(stat -c %s "$tmp/full.rtf")" = $((64 * 1024 * 1024)) ] || fail "the 64 MiB file's size"
full=$("$cli" --load "$tmp/full.rtf" -- 1) || fail "a file of exactly 64 MiB opens"
grep -q '^12,00$' <<<"$full" || fail "the 64 MiB file's line: $full"
rm -f "$tmp/big.rtf" "$tmp/full.rtf"
# A file of more than 2 000 000 lines is refused before its lines are built; one of exactly
# 2 000 000 lines is still a tape.
head -c 2000001 /dev/zero | tr '\0' '\n' >"$tmp/long.txt"
"$cli" --load "$tmp/long.txt" -- 1 >/dev/null 2>"$tmp/err" && fail "a file of 2000001 lines is refused"
grep -q "cannot open $tmp/long.txt: more than 2000000 lines" "$tmp/err" || fail "too many lines: $(cat "$tmp/err")"
{ head -c 1999999 /dev/zero | tr '\0' '\n'; echo '12,00'; } >"$tmp/long.txt"
"$cli" --load "$tmp/long.txt" -- 1 >"$tmp/out" || fail "a file of exactly 2000000 lines opens"
grep -q '^ *12,00$' "$tmp/out" || fail "the 2000000-line file's last line"
rm -f "$tmp/long.txt" "$tmp/out"
# A picture renamed x.rtf is no tape, and says so.
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR' >"$tmp/x.rtf"
"$cli" --load "$tmp/x.rtf" -- 1 >/dev/null 2>"$tmp/err" && fail "a picture is refused"
grep -q "cannot open $tmp/x.rtf: not a tape (neither RTF nor text)" "$tmp/err" ||
  fail "not a tape: $(cat "$tmp/err")"
# --find: the last line names the tape lines (1-based) that hold the text or the amount,
# whatever its grouping; "found:" alone when none does; "found" in the JSON.
found=$("$cli" --sepdec Q --find '1234,5' '1234,5+3=1234,5+1=')
[ "$(printf '%s\n' "$found" | tail -n1)" = "found: 1 7" ] || fail "--find an amount: $found"
found=$("$cli" --ds . --sepdec N --find '1 234,50' '1234.5+3=')
[ "$(printf '%s\n' "$found" | tail -n1)" = "found: 1" ] || fail "--find under a point: $found"
found=$("$cli" --find '999' '1+1=')
[ "$(printf '%s\n' "$found" | tail -n1)" = "found:" ] || fail "--find nothing: $found"
json=$("$cli" --format json --find 2 '1+1=')
grep -q '"found":\[4\]}$' <<<"$json" || fail "--find in JSON: $json"
"$cli" --read 12 --rate 2 >/dev/null 2>&1 && fail "--rate without --render is refused"
"$cli" --read 12 --rate 3.5 --render /dev/null >/dev/null 2>&1 && fail "--rate 3.5 is refused"
# (grep reads a here-string, not a pipe: under pipefail, a grep that stops at its match would
# fail the writer of a longer output with SIGPIPE.)
# Corrections: the keys as scripts write them, the JSON report, a tape saved with its journal
# and corrected after --load, a file without one rebuilt from its lines.
fixed=$("$cli" '12+3+5=[FIX 2=4]')
grep -q '^ *21,00$' <<<"$fixed" || fail "[FIX 2=4]: $fixed"
json=$("$cli" --format json '12+3=[FIX 2=4][DEL 9]')
grep -q '"corrections":\[{"done":true,"line":2,"message":"Total recalculé : 16,00 (avant : 15,00)","old":"+ 3,00","new":"+ 4,00","totalBefore":"15,00","totalAfter":"16,00","changedLines":\[2,4\]},{"done":false,"line":9,' <<<"$json" ||
  fail "corrections in JSON: $json"
ops=$("$cli" '12+3+5=[FIXOP 2=*][INS 1=+3][UNDO][UNDO][REDO]')
grep -q '^ *41,00$' <<<"$ops" || fail "[FIXOP] [INS] [UNDO] [REDO]: $ops"
"$cli" --save "$tmp/live.rtf" '12+3+5=' >/dev/null || fail "save a tape with its journal"
grep -q '{\\\*\\zumbreljournal 1 0 2%09Q%090;\[R=0%09F%0919,6%09[^]]*\]12+3+5=}' "$tmp/live.rtf" ||
  fail "the journal in the file: $(cat "$tmp/live.rtf")"
reopened=$("$cli" --load "$tmp/live.rtf" '[FIX 3=10]')
grep -q '^ *25,00$' <<<"$reopened" || fail "a tape reopened and corrected: $reopened"
printf '     12,00\n    + 3,00\n\xe2\x80\x94\xe2\x80\x94\xe2\x80\x94\xe2\x80\x94\xe2\x80\x94\xe2\x80\x94\xe2\x80\x94\xe2\x80\x94\xe2\x80\x94\xe2\x80\x94\n     15,00\n\n\n' >"$tmp/plain.txt"
rebuilt=$("$cli" --load "$tmp/plain.txt" '[FIX 1=2]')
grep -q '^ *5,00$' <<<"$rebuilt" || fail "a text tape rebuilt and corrected: $rebuilt"
# Refused before any key runs, with a message and status 2: a bracket that names no key (it
# would be typed letter by letter: "[m2r]" as 2 and a root), and an option's value out of its
# range. Each line: the message expected, then the arguments.
while IFS='|' read -r message args; do
  set +e
  # shellcheck disable=SC2086
  "$cli" $args >"$tmp/out" 2>"$tmp/err"
  status=$?
  set -e
  [ "$status" = 2 ] || fail "status $status for: $args"
  grep -qF -- "$message" "$tmp/err" || fail "message for $args: $(cat "$tmp/err")"
  if [ -s "$tmp/out" ]; then fail "nothing printed for: $args"; fi
done <<'CASES'
unknown key [tva+]|100[tva+]5=
unknown key [m2r]|100[m2r]5=
unknown key [FIX0=5]|1+1=[FIX 0=5]
has no closing ]|1+[TVA+
--nbrdec takes 0 to 5|--nbrdec 9 1+1=
--nbrdec takes 0 to 5|--nbrdec abc 1+1=
--sepdec takes S, Q, C, P or N|--sepdec Z 1+1=
--lang takes Fran|--lang Klingon 1+1=
--rr takes 0 or 1|--rr 2 1+1=
--net-timeout takes a number|--net-timeout abc 1+1=
--date takes a day of the calendar|--date 2026-13-45 [DATE]
--date takes a day of the calendar|--date 2026-02-29 [DATE]
--words goes with --read|--words 5
--bmi takes whole kilos (not 0)|--bmi 0 1 77
CASES
printf '1+[tva+]2=\n' | "$cli" >/dev/null 2>&1 && fail "an unknown key on standard input is refused"
# Control characters echoed in a message (a terminal's escape sequences) are written as \xNN.
printf '1+[A\033[2JB]\001=' | "$cli" >/dev/null 2>"$tmp/err" && fail "a key with control characters is refused"
grep -qF 'unknown key [A\x1B[2JB]' "$tmp/err" || fail "control characters escaped: $(od -c "$tmp/err")"
if grep -q "$(printf '\033')" "$tmp/err"; then fail "an escape character reached the terminal"; fi
# The last line break of standard input ends the keys; one between keys is Enter.
[ "$(echo '12+3=' | "$cli")" = "$("$cli" '12+3=')" ] || fail "a final line break is no Enter"
grep -q '^ *10,00$' <<<"$(printf '5*2\n1+1=\n' | "$cli")" || fail "a line break between keys is Enter"
leap=$("$cli" --date 2028-02-29 '[DATE]') || fail "--date 2028-02-29 is a day"
grep -q ' 29 ' <<<"$leap" || fail "the leap day on the tape: $leap"
echo "1 passed, 0 failed"
