#!/usr/bin/env bash
# tavik-cli words: the coverage report has a line per language with English and Russian
# complete; a key prints its ten texts, marking the untranslated ones; bad input is
# refused with status 2.
set -u
cli=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cov=$("$cli" words --coverage) || fail "words --coverage exited with $?"
[ "$(echo "$cov" | wc -l)" -eq 10 ] || fail "coverage has not ten lines: $cov"
total=$(echo "$cov" | awk '$1 == "Eng" { split($2, p, "/"); print p[2] }')
[ -n "$total" ] && [ "$total" -gt 100 ] || fail "coverage total: $cov"
echo "$cov" | grep -qx "Eng *$total/$total *100.0%" || fail "English not complete: $cov"
echo "$cov" | grep -qx "Rus *$total/$total *100.0%" || fail "Russian not complete: $cov"
echo "$cov" | grep -qx "Deu *$((total - 1))/$total *[0-9.]*%" || fail "German coverage: $cov"
echo "$cov" | awk '{ print $1 }' | tr '\n' ' ' | grep -qx 'Eng Rus Deu Fra Spa Chi Ita Cze Jap Kor ' \
  || fail "language order: $cov"

sound=$("$cli" words Sound) || fail "words Sound exited with $?"
echo "$sound" | grep -qx 'Rus "Звук"' || fail "Russian Sound: $sound"
echo "$sound" | grep -qx 'Deu "Sound"  (untranslated)' || fail "German Sound: $sound"
echo "$sound" | grep -qx 'Fra "Son"' || fail "French Sound: $sound"
"$cli" words ListHeadScore | grep -qx 'Eng " The members of club    Games    Score "' \
  || fail "list heading: $("$cli" words ListHeadScore)"

for bad in "NoSuchKey" "" "--coverage Sound" "Sound Music" "--all"; do
  # shellcheck disable=SC2086
  "$cli" words $bad >/dev/null 2>&1
  status=$?
  [ "$status" -eq 2 ] || fail "words $bad exited with $status, not 2"
done

[ "$failures" -eq 0 ] && echo "words: all checks passed"
exit "$failures"
