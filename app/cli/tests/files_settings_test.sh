#!/usr/bin/env bash
# tavik-cli files for the settings file and the small state files: the hand-made files
# of the libraries' tests are valid, a damaged copy is invalid with its reason, and
# show prints the values as JSON in UTF-8.
set -u
cli=$1
root=$(cd "$(dirname "$0")/../../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cp "$root/config/tests/data/Tavik2-chosen.ini" "$tmp/Tavik2.ini"
cp "$root/online/tests/data/QorUser.qor" "$root/online/tests/data/QorChatQor.ini" \
   "$root/online/tests/data/QorNewsQor.ini" "$tmp/"
cp "$root/radio/tests/data/QorRadio-chosen.ini" "$tmp/QorRadio.ini"
grep -a -v '^USA#USA02#' "$root/radio/tests/data/QorRadio.rad" > "$tmp/QorRadio.ser"

for f in Tavik2.ini QorUser.qor QorChatQor.ini QorNewsQor.ini QorRadio.ini QorRadio.ser; do
  out=$("$cli" files check "$tmp/$f") || fail "check $f: $out"
  echo "$out" | grep -q ": valid " || fail "check $f says: $out"
done

"$cli" files show "$tmp/Tavik2.ini" | grep -q '"read":"complete".*"playerName":"Вася".*"saveGif":true' \
  || fail "show Tavik2.ini: $("$cli" files show "$tmp/Tavik2.ini")"
"$cli" files show "$tmp/QorUser.qor" | grep -q '"Nick":"Вася_01","PwC":"BXZTVQRQSMXCZXVKQK","passwordDeciphers":true' \
  || fail "show QorUser.qor: $("$cli" files show "$tmp/QorUser.qor")"
"$cli" files show "$tmp/QorRadio.ser" | grep -q '"name":"Jazz Классика"' \
  || fail "show QorRadio.ser: $("$cli" files show "$tmp/QorRadio.ser")"

# Damaged copies: the reason names the line.
head -n 34 "$root/config/tests/data/Tavik2-chosen.ini" > "$tmp/Tavik2.ini"
out=$("$cli" files check "$tmp/Tavik2.ini"); rc=$?
[ $rc -eq 1 ] && echo "$out" | grep -q "invalid settings file: the file has 34 lines" || fail "34 lines (rc $rc): $out"
printf 'Qor User File\r\nNick\r\nnot a cipher\r\n' > "$tmp/QorUser.qor"
out=$("$cli" files check "$tmp/QorUser.qor"); rc=$?
[ $rc -eq 1 ] && echo "$out" | grep -q "line 3 is not an enciphered password" || fail "bad PwC (rc $rc): $out"
printf 'Someone else\r\n' > "$tmp/QorUser.qor"
"$cli" files show "$tmp/QorUser.qor" > /dev/null 2>&1 && fail "show accepted a file without the header"

[ $failures -eq 0 ] && echo "files (settings and state files): all checks passed"
exit $((failures > 0))
