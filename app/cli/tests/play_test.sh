#!/usr/bin/env bash
# tavik-cli play end to end: many seeds without an invariant failure, every log
# refereed by an independent replay of the rules, and bad options refused.
set -u
cli=$1
here=$(dirname "$0")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

players=(random lowest)
for seed in $(seq 1 50); do
  p1=${players[$((seed % 2))]}
  p2=${players[$(((seed / 2) % 2))]}
  out=$("$cli" play --seed "$seed" --kons 200 --p1 "$p1" --p2 "$p2" --rules redeal,sixes,hints \
        --log "$tmp/log.jsonl") || { fail "seed $seed exited $?: $out"; continue; }
  echo "$out" | grep -q '^{"kons":200,"wins1":[0-9]*,"wins2":[0-9]*,"draws":[0-9]*,"sixes":[0-9]*,"redeals":[0-9]*,"moves":[0-9]*}$' \
    || fail "seed $seed summary: $out"
  python3 "$here/referee.py" "$tmp/log.jsonl" > /dev/null || fail "seed $seed log refereed: $(python3 "$here/referee.py" "$tmp/log.jsonl" 2>&1)"
done

# The same seed gives the same match.
a=$("$cli" play --seed 99 --kons 60 --p1 random --p2 random)
b=$("$cli" play --seed 99 --kons 60 --p1 random --p2 random)
[ "$a" = "$b" ] || fail "seed 99 is not reproducible: $a / $b"

for bad in "--kons 0" "--kons x" "--p1 nobody" "--rules redeal,fast" "--seed" "--colour red"; do
  # shellcheck disable=SC2086
  "$cli" play $bad > /dev/null 2> "$tmp/err"
  status=$?
  [ $status -eq 2 ] || fail "'play $bad' exited $status, expected 2"
  [ -s "$tmp/err" ] || fail "'play $bad' said nothing on standard error"
done

[ $failures -eq 0 ] && echo "play: all checks passed"
exit $((failures > 0))
