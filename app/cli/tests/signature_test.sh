#!/usr/bin/env bash
# The play signature: fixed `tavik-cli play` runs (the computer against itself and
# against `lowest` in either seat, `random` against `lowest`, each with and without the
# optional rules) and the summary line each one ends with, stored in signature.txt. Any
# change to how the game or its players play shows up here as a diff of those lines.
#
# usage: signature_test.sh TAVIK_CLI           compare with the stored lines
#        signature_test.sh TAVIK_CLI --write   store the lines TAVIK_CLI prints now
#
# A change that is meant to alter the play: run with --write and the changed build
# (for example `app/cli/tests/signature_test.sh build/app/tavik-cli --write`), check
# the new lines in `git diff`, and commit them with the change that explains them.
set -u
cli=$1
stored=$(dirname "$0")/signature.txt
runs=(
  "--seed 11 --kons 300 --p1 ai --p2 ai"
  "--seed 12 --kons 300 --p1 ai --p2 ai --rules redeal,sixes,hints"
  "--seed 13 --kons 400 --p1 ai --p2 lowest"
  "--seed 14 --kons 400 --p1 ai --p2 lowest --rules redeal,sixes,hints"
  "--seed 15 --kons 400 --p1 lowest --p2 ai"
  "--seed 16 --kons 400 --p1 lowest --p2 ai --rules redeal,sixes,hints"
  "--seed 17 --kons 2000 --p1 random --p2 lowest"
  "--seed 18 --kons 2000 --p1 random --p2 lowest --rules redeal,sixes,hints"
)

# One line per run: the options, " => ", the summary line.
now=$(for options in "${runs[@]}"; do
  # shellcheck disable=SC2086
  summary=$("$cli" play $options | tail -n 1)
  echo "$options => $summary"
done)

if [ "${2:-}" = "--write" ]; then
  {
    echo "# tavik-cli play OPTIONS => the summary line; written by signature_test.sh --write"
    echo "$now"
  } > "$stored"
  echo "signature: wrote $stored"
  exit 0
fi

if ! diff -u --label "stored ($stored)" --label "this build" <(grep -v '^#' "$stored") <(echo "$now"); then
  echo "FAIL: the play signature changed (see the diff above; signature_test.sh says how to"
  echo "      store new lines when the change is meant)"
  exit 1
fi
echo "signature: all $(echo "$now" | wc -l) runs as stored"
