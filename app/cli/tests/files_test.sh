#!/usr/bin/env bash
# tavik-cli play with a data folder and tavik-cli files, end to end: a new player is
# stored, plays a 60-kon match as a stored player, and the player list and history
# file it leaves are valid for the game and right column for column (checked by an
# independent reader); bad options and bad lists are refused as the game refuses them.
set -u
cli=$1
here=$(dirname "$0")
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_status() {  # expected status, then the command
  local want=$1; shift
  "$@" > "$tmp/out" 2> "$tmp/err"
  local got=$?
  [ "$got" -eq "$want" ] || fail "'${*:2}' exited $got, expected $want: $(cat "$tmp/out" "$tmp/err")"
}

data=$tmp/data
list=$data/Tavik2/Tavik2.clb
hst=$data/Tavik2/History/Tavik2_I0001.hst

expect_status 0 "$cli" play --data-dir "$data" --player 6 --name "Вася" --password ab --kons 10 --seed 3 --p2 lowest
grep -q '"kons":10,.*"matches":1,"slot":1}$' "$tmp/out" || fail "new player summary: $(cat "$tmp/out")"
expect_status 0 "$cli" play --data-dir "$data" --player 1 --password ab --kons 60 --seed 4 --p2 lowest
grep -q '"kons":60,.*"matches":3,"slot":1}$' "$tmp/out" || fail "stored player summary: $(cat "$tmp/out")"

expect_status 0 "$cli" files check "$list"
grep -q ': valid player list$' "$tmp/out" || fail "check list: $(cat "$tmp/out")"
expect_status 0 "$cli" files check "$data/Tavik2/Tavik2.net"
expect_status 0 "$cli" files check "$hst"
grep -q ': valid history; 4 matches$' "$tmp/out" || fail "check history: $(cat "$tmp/out")"

# Column for column, by a reader that shares no code with the game, and the
# bookkeeping between the files: kons, rating, the score after the last cycle.
python3 "$here/check_formats.py" "$list" "$hst" > "$tmp/formats.json" || fail "formats: $(cat "$tmp/formats.json")"
python3 - "$tmp/formats.json" <<'PY' || fail "the files do not agree with the matches played"
import json, sys
f = json.load(open(sys.argv[1]))
slots, rows = f["list"]["slots"], f["history"]
assert len(slots) == 1, slots
s = slots[0]
assert (s["name"], s["password"], s["kons"]) == ("Вася", "ab   ", 70), s
assert [r["kons"] for r in rows] == [10, 20, 30, 10], rows
assert all(r["player"] == "Вася" and r["kind"] == "L" for r in rows), rows
assert abs(s["rating"] - sum(r["result"] for r in rows) / 70) < 1e-5, (s, rows)
assert abs(rows[-1]["rating"] - s["rating"]) <= 0.005, (s, rows)
assert s["score"] == rows[-1]["result"], "the score restarts after the cycle at 60"
cycles = [rows[0]["result"] + rows[1]["result"], rows[2]["result"]]
entered = sorted((c for c in cycles if c >= 0), reverse=True)
top = f["list"]["topTen"]
assert [t[1] for t in top[:len(entered)]] == entered and all(t[0] == "Вася" for t in top[:len(entered)]), top
PY

expect_status 0 "$cli" files show "$list"
python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); assert d["slots"][0]["name"]=="Вася"' "$tmp/out" \
  || fail "show list: $(cat "$tmp/out")"
expect_status 0 "$cli" files show "$hst"
python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); assert d["valid"] and len(d["rows"])==4' "$tmp/out" \
  || fail "show history: $(cat "$tmp/out")"
expect_status 0 "$cli" files history "$data"
grep -q '^{"file":1,"caption":"File I0001 [0-9.]* [0-9:]*",.*"rows":4,' "$tmp/out" || fail "history: $(cat "$tmp/out")"
expect_status 0 "$cli" files history "$tmp"
grep -q 'No History Files' "$tmp/out" || fail "empty history: $(cat "$tmp/out")"

# Options the new-game dialog would refuse.
for bad in "--player 7" "--player 3" "--player 1 --password xx" "--player 6" "--player 6 --name 123456789012345678901" \
           "--player 6 --name Ann --password 123456" "--player 1 --password ab --name Ann"; do
  # shellcheck disable=SC2086
  expect_status 2 "$cli" play --data-dir "$data" --kons 1 $bad
done
expect_status 2 "$cli" play --data-dir "$data" --kons 1

# A damaged or missing list stops the game with its message; a read-only one blocks
# writes to the lists but the history still grows.
cp -r "$data" "$tmp/damaged"
printf 'X' | dd of="$tmp/damaged/Tavik2/Tavik2.clb" bs=1 seek=3 conv=notrunc 2> /dev/null
expect_status 1 "$cli" play --data-dir "$tmp/damaged" --player 6 --name Ann --kons 1
grep -q "The incorrect file \"$tmp/damaged/Tavik2/Tavik2.clb\"!" "$tmp/err" || fail "damaged: $(cat "$tmp/err")"
expect_status 1 "$cli" files check "$tmp/damaged/Tavik2/Tavik2.clb"
grep -q 'invalid player list: the checksum' "$tmp/out" || fail "check damaged: $(cat "$tmp/out")"
rm "$tmp/damaged/Tavik2/Tavik2.net"
cp "$list" "$tmp/damaged/Tavik2/Tavik2.clb"
expect_status 1 "$cli" play --data-dir "$tmp/damaged" --player 6 --name Ann --kons 1
grep -q "Can\`t find the file \"$tmp/damaged/Tavik2/Tavik2.net\"!" "$tmp/err" || fail "missing: $(cat "$tmp/err")"

chmod a-w "$list"
before=$(md5sum < "$list")
expect_status 0 "$cli" play --data-dir "$data" --player 1 --password ab --kons 2 --seed 9
grep -q 'has incorrect attributes!' "$tmp/err" || fail "read-only list: $(cat "$tmp/err")"
[ "$(md5sum < "$list")" = "$before" ] || fail "a read-only list was written"
expect_status 0 "$cli" files check "$hst"
grep -q '5 matches' "$tmp/out" || fail "history with writes blocked: $(cat "$tmp/out")"

printf 'not a history file\r\n' > "$tmp/Tavik2_I0009.hst"
expect_status 1 "$cli" files check "$tmp/Tavik2_I0009.hst"
expect_status 2 "$cli" files check "$tmp/notes.txt"
expect_status 2 "$cli" files frobnicate "$list"

[ $failures -eq 0 ] && echo "files: all checks passed"
exit $((failures > 0))
