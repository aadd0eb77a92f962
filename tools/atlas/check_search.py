#!/usr/bin/env python3
"""Checks the program's own atlas searches (`orrery-cli atlas entry --batch`) on the built
atlas:

1. found rates: every cities500 place looked up by its native name and by its ASCII
   spelling (GeoNames' asciiname), with the place's own position as tie-breaker; a place
   is found when the entry comes back at its stored position;
2. the truth fixture tests/data/atlas/tz_truth.tsv: the offset local - UT (or local mean
   time) of every pair against zoneinfo's, to the minute.

Usage: python3 tools/atlas/check_search.py [path/to/orrery-cli]   (default build/bin/orrery-cli)
Exit status 0 when every place is found both ways and every fixture pair agrees.
"""
import json
import os
import subprocess
import sys

TOOL = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(TOOL))
sys.path.insert(0, TOOL)

from atlaslib import sources  # noqa: E402
from atlaslib.cities import main_name, whole_minutes  # noqa: E402
from atlaslib.fixture import decimal_degrees  # noqa: E402

FIXTURE = os.path.join(REPO, "tests", "data", "atlas", "tz_truth.tsv")
ANY_MOMENT = "2000-01-01T12:00"


def run_batch(cli, lines):
    """The JSON answer of `atlas entry --batch` to each line (NAME, LAT, LON, MOMENT)."""
    out = subprocess.run([cli, "atlas", "entry", "--batch", "-"], input="\n".join(lines) + "\n",
                         capture_output=True, text=True, encoding="utf-8")
    answers = [json.loads(line) for line in out.stdout.splitlines()]
    if len(answers) != len(lines):
        raise SystemExit(f"{cli}: {len(answers)} answers to {len(lines)} lines: {out.stderr[:500]}")
    return answers


def stored_position(answer):
    if "error" in answer:
        return None
    lat = (answer["latDeg"], answer["latMin"], answer["north"] == 0)
    lon = (answer["lonDeg"], answer["lonMin"], answer["east"] == 0)
    return lat, lon


def found_rates(cli):
    """{spelling kind: (found, looked up, examples of places not found)}."""
    places = sources.read_places()
    results = {}
    for kind, spelling in (("native name", main_name), ("ASCII spelling", lambda p: p.asciiname.strip())):
        asked = [(p, spelling(p)) for p in places if spelling(p)]
        lines = [f"{name}\t{decimal_degrees(whole_minutes(p.latitude))}\t"
                 f"{decimal_degrees(whole_minutes(p.longitude))}\t{ANY_MOMENT}" for p, name in asked]
        answers = run_batch(cli, lines)
        missed = []
        for (p, name), answer in zip(asked, answers):
            want = (whole_minutes(p.latitude), whole_minutes(p.longitude))
            if stored_position(answer) != want:
                missed.append(f"{name} ({p.country} {p.latitude:.4f} {p.longitude:.4f})")
        results[kind] = (len(asked) - len(missed), len(asked), missed)
    return results


def offset_of(answer):
    if answer["localMeanTime"]:
        return "LMT"
    zone = answer["zoneHours"] * 60 + answer["zoneMinutes"]
    dst = answer["dstHours"] * 60 + answer["dstMinutes"]
    return str((zone if answer["zonePlus"] else -zone) - (dst if answer["dstPlus"] else -dst))


def fixture_agreement(cli):
    with open(FIXTURE, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]
    answers = run_batch(cli, ["\t".join(row[:4]) for row in rows])
    wrong = [f"{row[0]} {row[3]}: program {'not found' if 'error' in a else offset_of(a)}, zoneinfo {row[4]}"
             for row, a in zip(rows, answers) if "error" in a or offset_of(a) != row[4]]
    return len(rows) - len(wrong), len(rows), wrong


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "build", "bin", "orrery-cli")
    ok = True
    for kind, (found, asked, missed) in found_rates(cli).items():
        print(f"found by {kind}: {found} of {asked} places ({100 * found / asked:.4f} %)")
        for example in missed[:20]:
            print(f"  not found: {example}")
        ok &= found == asked
    agree, total, wrong = fixture_agreement(cli)
    print(f"truth fixture through atlas entry --batch: {agree} of {total} pairs agree with zoneinfo "
          f"({100 * agree / total:.4f} %)")
    for line in wrong[:20]:
        print(f"  {line}")
    ok &= agree == total
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
