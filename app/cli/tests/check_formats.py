#!/usr/bin/env python3
"""Checks a player list and a history file column for column, independently of the
game's own readers, and prints what they hold as JSON.

usage: check_formats.py LIST HISTORY
"""
import json
import re
import sys


def fail(message):
    print("FORMAT: " + message, file=sys.stderr)
    sys.exit(1)


def lines_of(path):
    data = open(path, "rb").read()
    if not data.endswith(b"\r\n") or re.search(rb"\r(?!\n)|(?<!\r)\n", data):
        fail(path + ": every line must end with CR LF")
    return data[:-2].split(b"\r\n")


def sums(data):
    return sum(data), sum(data[1::2]), sum(data[2::3])


def number(field, what):
    text = field.decode("cp1251").strip()
    if not re.fullmatch(r"-?\d+", text) or not field.decode("cp1251").endswith(text):
        fail("%s: %r is not a right-aligned number" % (what, field))
    return int(text)


def check_list(path):
    lines = lines_of(path)
    if len(lines) != 17:
        fail("%s: %d lines" % (path, len(lines)))
    widths = [59] * 5 + [26] * 10 + [28, 28]
    for n, (line, width) in enumerate(zip(lines, widths), 1):
        if len(line) != width:
            fail("%s line %d: %d characters, %d expected" % (path, n, len(line), width))
    slots = []
    for n, line in enumerate(lines[:5], 1):
        if line[36:37] == b"#":
            if line != b"#" * 37 + b" " + b"#" * 21:
                fail("line %d: an empty slot must be the empty pattern" % n)
            continue
        rating = line[20:30].decode("cp1251")
        if not re.fullmatch(r" *-?\d+,\d{6}", rating):
            fail("line %d: rating %r is not six decimals with a comma" % (n, rating))
        if line[37:38] != b" ":
            fail("line %d: column 38 must be blank" % n)
        password = line[44:59].decode("ascii")
        if not re.fullmatch(r"\d{15}", password):
            fail("line %d: password field %r" % (n, password))
        slots.append({
            "name": line[:20].decode("cp1251").rstrip(),
            "rating": float(rating.strip().replace(",", ".")),
            "kons": number(line[30:37], "kons"),
            "score": number(line[38:44], "score"),
            "password": "".join(chr(int(password[i:i + 3]) - 234) for i in range(0, 15, 3)),
        })
    if [s["rating"] for s in slots] != sorted((s["rating"] for s in slots), reverse=True):
        fail("slots are not in descending order of rating")
    top = [(l[:20].decode("cp1251").rstrip(), number(l[20:26], "top-ten score")) for l in lines[5:15]]
    if [s for _, s in top] != sorted((s for _, s in top), reverse=True):
        fail("the top ten is not best first")
    if not lines[15].startswith(b"n}"):
        fail("line 16 is not the game line")
    expected = "%06d%06d%06d" % sums(b"".join(lines[:16])[:583])
    if lines[16][10:].decode("ascii") != expected:
        fail("checksum line %r, expected %r" % (lines[16][10:], expected))
    return {"slots": slots, "topTen": top}


def check_history(path):
    lines = lines_of(path)
    if len(lines) < 3:
        fail("%s: too short" % path)
    records, game, totals = lines[:-2], lines[-2], lines[-1]
    total = [0, 0, 0]
    rows = []
    for n, line in enumerate(records + [game], 1):
        if len(line) != 114:
            fail("history line %d: %d characters" % (n, len(line)))
        s = sums(line[:99])
        if line[99:].decode("ascii") != "%05d%05d%05d" % s:
            fail("history line %d: checksum" % n)
        total = [a + b for a, b in zip(total, s)]
    for n, line in enumerate(records, 1):
        text = line[:99].decode("cp1251")
        if not re.fullmatch(r"\d\d:\d\d", text[0:5]) or not re.fullmatch(r"\d\d\.\d\d\.\d{4}", text[5:15]):
            fail("history line %d: time or date %r" % (n, text[:15]))
        if not re.fullmatch(r" *-?\d+,\d\d", text[79:89]) or text[89:99] not in (
                "L#########", "A#########", "T#########", "N#########"):
            fail("history line %d: rating or kind %r" % (n, text[79:99]))
        rows.append({"player": text[15:66].rstrip(), "kons": number(line[66:69], "kons"),
                     "result": number(line[69:79], "result"),
                     "rating": float(text[79:89].strip().replace(",", ".")), "kind": text[89]})
    if game[:99] != b"$n}" + b"#" * 96:
        fail("the game line")
    if totals != ("%010d%010d%010d" % tuple(total)).encode():
        fail("the totals line")
    return rows


if __name__ == "__main__":
    print(json.dumps({"list": check_list(sys.argv[1]), "history": check_history(sys.argv[2])},
                     ensure_ascii=False))
