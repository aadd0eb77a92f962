#!/usr/bin/python3
"""Cuts the symbol font (DejaVu Sans) down to what the web build draws with it.

At run time the program draws with the Tahoma faces; the symbol font only
stands in for characters a face lacks (its astrological glyphs are drawn into
the glyph tables when the program is built). So the page keeps the symbol
font's glyphs for the characters of the atlas's place names and of the
Latin letters a user may type in names (with their extensions, punctuation
and currency) that the Tahoma faces lack; Tahoma itself has Greek and
Cyrillic. Hinting is kept, so the
glyphs render exactly as from the whole font.

usage: font_subset.py SYMBOL.ttf CHAR_TABLE.inc OUT.ttf FACE.ttf...
"""
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

TYPED_RANGES = [(0x20, 0x24F), (0x1E00, 0x1EFF), (0x2000, 0x206F), (0x20A0, 0x20CF)]


def main(symbol_path, char_table_path, out_path, *face_paths):
    wanted = {c for first, last in TYPED_RANGES for c in range(first, last + 1)}
    with open(char_table_path, encoding="utf-8") as table:
        wanted |= {int(code, 16) for code in re.findall(r"0x([0-9A-Fa-f]{4})", table.read())}
    covered = [set(TTFont(path).getBestCmap()) for path in face_paths]
    wanted -= set.intersection(*covered) if covered else set()
    options = subset.Options()
    options.hinting = True
    options.notdef_outline = True
    options.name_IDs = ["*"]
    font = subset.load_font(symbol_path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(wanted & set(font.getBestCmap())))
    subsetter.subset(font)
    subset.save_font(font, out_path, options)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
