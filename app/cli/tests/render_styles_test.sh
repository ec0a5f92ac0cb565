#!/usr/bin/env bash
# tavik-cli render with the plug-in libraries the build made beside the executable:
# a dozen face styles (our own drawing and, with Debian's decks installed, the decks)
# give a dozen different tables, each reporting the style it drew; a back style, a
# background pattern and a tint come back in the JSON line and change the picture.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data="$work/data"
styles="0 1 2 4 5 16 26 33 45 3 8 12 29 40 41 47"
for s in $styles; do
  "$cli" render --window-size 1 --seed 5 --face-style "$s" --data-dir "$data" \
    --out "$work/face$s.png" > "$work/face$s.json" 2> "$work/face$s.err" \
    || { echo "FAIL: face style $s exit $?"; cat "$work/face$s.err"; exit 1; }
done
"$cli" render --window-size 3 --seed 5 --back-style 9 --background 5 --tint 1 \
  --data-dir "$data" --out "$work/backs.png" > "$work/backs.json" || { echo "FAIL: backs"; exit 1; }
"$cli" render --window-size 3 --seed 5 --data-dir "$data" --out "$work/plain.png" \
  > "$work/plain.json" || { echo "FAIL: plain"; exit 1; }
python3 - "$work" "$styles" <<'PY'
import hashlib, json, os, sys
work, styles = sys.argv[1], [int(s) for s in sys.argv[2].split()]
decks = os.path.exists("/usr/share/carddecks/svg-standard/standard.svgz")
own = {0, 1, 2, 4, 5, 16, 26, 33, 45}
errors, pictures = [], {}
for s in styles:
    line = json.load(open(f"{work}/face{s}.json"))
    if s in own or decks:
        if line["faceStyle"] != s:
            errors.append(f"face style {s} drew style {line['faceStyle']}")
        pictures[s] = hashlib.md5(open(f"{work}/face{s}.png", "rb").read()).hexdigest()
    elif line["faceStyle"] != 0 or "Attention" not in open(f"{work}/face{s}.err").read():
        errors.append(f"face style {s} without its deck did not fall back with a notice")
if len(set(pictures.values())) != len(pictures):
    errors.append("some face styles drew the same table")
backs = json.load(open(f"{work}/backs.json"))
if (backs["backStyle"], backs["background"], backs["tint"]) != (9, 5, 1):
    errors.append(f"back style and background not used: {backs}")
if open(f"{work}/backs.png", "rb").read() == open(f"{work}/plain.png", "rb").read():
    errors.append("back style and background changed nothing")
print("\n".join(errors) or f"{len(pictures)} different face styles")
sys.exit(1 if errors else 0)
PY
