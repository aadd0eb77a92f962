#!/usr/bin/env python3
"""Writes tools/atlas/han_readings.tsv: the Mandarin reading of every Han ideograph in the
names of the cities500 places, so that a name typed in Han characters finds the place
stored by its pinyin spelling (城郊 -> "cheng jiao").

Readings: the first kMandarin value of the Unicode Han Database (Unihan_Readings.txt,
Debian package unicode-data). Only the ideographs the atlas's names use are listed: the
whole Han repertoire would cost the program some 40 KB for names it does not hold.

Usage: python3 tools/atlas/han_readings.py   (after tools/atlas/build.sh has fetched the sources)
"""
import bz2
import os
import sys

TOOL = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, TOOL)

from atlaslib import sources  # noqa: E402

UNIHAN_READINGS = "/usr/share/unicode/Unihan_Readings.txt.bz2"
OUTPUT = os.path.join(TOOL, "han_readings.tsv")


def is_han(ch):
    code = ord(ch)
    return 0x3400 <= code <= 0x4DBF or 0x4E00 <= code <= 0x9FFF or 0xF900 <= code <= 0xFAFF


def mandarin_readings():
    """({ideograph: reading}, the Unicode version of the database)."""
    readings, version = {}, "?"
    with bz2.open(UNIHAN_READINGS, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("# Unicode version:"):
                version = line.split(":", 1)[1].strip()
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 3 and fields[1] == "kMandarin":
                readings[chr(int(fields[0][2:], 16))] = fields[2].split()[0]
    return readings, version


def main():
    used = sorted({ch for place in sources.read_places() for ch in place.name if is_han(ch)})
    readings, version = mandarin_readings()
    missing = [ch for ch in used if ch not in readings]
    if missing:
        raise SystemExit(f"no kMandarin reading for {' '.join(missing)}")
    with open(OUTPUT, "w", encoding="utf-8") as out:
        out.write("# Han ideographs of the atlas's names and their Mandarin reading (Unihan kMandarin,\n"
                  f"# Unicode {version}, Debian unicode-data). Written by han_readings.py.\n")
        for ch in used:
            out.write(f"{ch}\t{readings[ch]}\n")


if __name__ == "__main__":
    main()
