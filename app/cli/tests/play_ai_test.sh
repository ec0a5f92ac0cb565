#!/usr/bin/env bash
# tavik-cli play with the computer opponent in either seat: every log refereed by the
# independent replay of the rules, the win rates in the summary, the same seed giving
# the same match.
set -u
cli=$1
here=$(dirname "$0")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for seats in "ai lowest" "ai random" "lowest ai" "random ai" "ai ai"; do
  read -r p1 p2 <<< "$seats"
  for seed in 1 2; do
    out=$("$cli" play --seed "$seed" --kons 100 --p1 "$p1" --p2 "$p2" --rules redeal,sixes,hints \
          --log "$tmp/log.jsonl") || { fail "$seats seed $seed exited $?: $out"; continue; }
    echo "$out" | grep -q '^{"kons":100,.*"moves":[0-9]*,"winRate1":[0-9.e-]*,"winRate2":[0-9.e-]*}$' \
      || fail "$seats seed $seed summary: $out"
    python3 "$here/referee.py" "$tmp/log.jsonl" > /dev/null \
      || fail "$seats seed $seed log refereed: $(python3 "$here/referee.py" "$tmp/log.jsonl" 2>&1 | tail -3)"
  done
done

# The Expert in either seat, against the classic computer: a few kons, refereed.
for seats in "expert ai" "ai expert"; do
  read -r p1 p2 <<< "$seats"
  out=$("$cli" play --seed 3 --kons 8 --p1 "$p1" --p2 "$p2" --rules redeal,sixes,hints \
        --log "$tmp/log.jsonl") || { fail "$seats exited $?: $out"; continue; }
  echo "$out" | grep -q '^{"kons":8,.*"winRate1":[0-9.e-]*,"winRate2":[0-9.e-]*}$' \
    || fail "$seats summary: $out"
  python3 "$here/referee.py" "$tmp/log.jsonl" > /dev/null \
    || fail "$seats log refereed: $(python3 "$here/referee.py" "$tmp/log.jsonl" 2>&1 | tail -3)"
done
"$cli" play --p1 expert2 --kons 1 2>&1 | grep -q "(random, lowest, ai, expert)" \
  || fail "an unknown player does not list the expert"

a=$("$cli" play --seed 5 --kons 30 --p1 ai --p2 ai)
b=$("$cli" play --seed 5 --kons 30 --p1 ai --p2 ai)
[ "$a" = "$b" ] || fail "seed 5 with the computer is not reproducible: $a / $b"

[ $failures -eq 0 ] && echo "play with ai: all checks passed"
exit $((failures > 0))
