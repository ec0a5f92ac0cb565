#!/usr/bin/env bash
# tavik-cli calendar: one JSON line a day with the zodiac, the Chinese year and the
# day's holidays in slot order, for any day of 1900..2099; bad input is refused with
# status 2 and one line on standard error.
set -u
cli=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# check DATE LANGUAGE PYTHON-EXPRESSION: the expression over the parsed line `j` holds.
check() {
  local out
  out=$("$cli" calendar --date "$1" --language "$2") || { fail "calendar $1 exited with $?"; return; }
  [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || fail "$1: not one line: $out"
  python3 -c '
import json, sys
j = json.loads(sys.argv[1])
keys = ["date", "zodiac", "zodiacName", "chineseYear", "chineseName", "holidays"]
assert list(j) == keys, list(j)
for h in j["holidays"]:
    assert list(h) == ["group", "picture", "name", "hint"], h
assert eval("(" + sys.argv[2] + ")"), sys.argv[2]
' "$out" "$3" || fail "$1 (language $2): $3 does not hold for $out"
}

check 2025-05-09 0 'j["date"] == "2025-05-09" and j["zodiac"] == 2 and j["zodiacName"] == "Taurus"
  and j["chineseYear"] == 9 and j["chineseName"] == "Year Of The Snake"
  and j["holidays"] == [{"group": "RUS", "picture": "R_VICTORY",
    "name": "Victory day in Great Patriotic war",
    "hint": "Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"}]'
check 2025-05-09 1 'j["holidays"][0]["hint"].startswith("День Победы") and j["zodiacName"] == "Телец"'
check 2025-03-03 0 'j["holidays"] == [] and j["zodiac"] == 12'
check 1900-01-01 0 'j["chineseYear"] == 4 and j["chineseName"] == "Year Of The Rat" and j["zodiac"] == 10
  and [h["name"] for h in j["holidays"]] == ["New Year"]'
check 2099-12-31 0 'j["chineseYear"] == 11 and j["zodiacName"] == "Capricorn" and j["holidays"] == []'
check 2024-09-12 0 '[h["name"] for h in j["holidays"]] == ["Programmer`s day"]'
check 2023-09-13 0 '[h["name"] for h in j["holidays"]] == ["Programmer`s day"]'
check 2024-01-15 0 '[h["name"] for h in j["holidays"]] == ["Martin Luther King Day"]'
# Orthodox Palm Sunday and Catholic Easter on one day, in table order.
check 2022-04-17 0 '[h["hint"] for h in j["holidays"]] == ["The entry into Jerusalem (The Orthodox holiday)",
  "Easter (Catholic feast)"]'
check 2022-04-24 0 '[h["hint"] for h in j["holidays"]] == ["Easter (The Orthodox holiday)"]'
check 2010-04-04 2 '[h["group"] for h in j["holidays"]] == ["PRA", "KAT"]'

# Every day of a leap year and the first and last days of the range answer.
for d in 1900-02-28 2000-02-29 2096-02-29 2099-01-01; do
  "$cli" calendar --date "$d" >/dev/null || fail "calendar $d exited with $?"
done

for bad in "" "--date" "--date 2023-02-29" "--date 2024-13-01" "--date 1899-12-31" \
  "--date 2100-01-01" "--date 2024-1-15" "--date 2024-01-15 --language 10" \
  "--date 2024-01-15 --language x" "--date 2024-01-15 extra" "--when 2024-01-15"; do
  # shellcheck disable=SC2086
  err=$("$cli" calendar $bad 2>&1 >/dev/null)
  status=$?
  [ "$status" -eq 2 ] || fail "calendar $bad exited with $status, not 2"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && [ -n "$err" ] || fail "calendar $bad: error '$err'"
done

[ "$failures" -eq 0 ] && echo "calendar: all checks passed"
exit "$failures"
