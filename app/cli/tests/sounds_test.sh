#!/usr/bin/env bash
# tavik-cli sounds: all nineteen sounds with durations of 0.05..5 s, the MIDI song with
# its tracks, and the expected number of voice entries (360 with the voice library in
# the plug-in folder given, 0 without one). Without --plugins the command still finds the
# library the build made in share/tavik-vel/plugins beside the executable's folder.
set -u
cli=$1
plugins=$2
expected_voice=$3
out=$("$cli" sounds --plugins "$plugins" --data-dir "$(mktemp -d)") || { echo "FAIL: exit $?"; exit 1; }
echo "$out"
beside=$("$cli" sounds --data-dir "$(mktemp -d)") || { echo "FAIL: exit $? without --plugins"; exit 1; }
python3 - "$beside" "$expected_voice" <<'PY' || exit 1
import json, sys
found = json.loads(sys.argv[1])["voice"]
if found != int(sys.argv[2]):
    print("FAIL: without --plugins %d voice entries, expected %s" % (found, sys.argv[2]))
    sys.exit(1)
PY
python3 - "$out" "$expected_voice" <<'PY'
import json, sys
r = json.loads(sys.argv[1])
names = ["WHodsDo", "WHodOtb", "WHodBer", "WPlMore", "WDing_1", "WKoloNo", "WTasoKo", "WKoGood",
         "WKoBads", "WNichya", "WKoGutX", "WWrongs", "WToMenK", "WOpenFo", "STimerA", "STimerB",
         "WFiBest", "WFiGood", "WFiBads"]
errors = []
if [s["name"] for s in r["sounds"]] != names:
    errors.append("sound names: %s" % [s["name"] for s in r["sounds"]])
errors += ["%s lasts %d ms" % (s["name"], s["ms"]) for s in r["sounds"] if not 50 <= s["ms"] <= 5000]
if r["midi"]["tracks"] < 3 or r["midi"]["bytes"] < 1000:
    errors.append("midi: %s" % r["midi"])
if r["voice"] != int(sys.argv[2]):
    errors.append("voice entries %d, expected %s" % (r["voice"], sys.argv[2]))
for e in errors:
    print("FAIL:", e)
sys.exit(1 if errors else 0)
PY
