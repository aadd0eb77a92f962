"""Name folding and comparison form of atlas names.

The program compares city names in a folded form: Latin letters lose their diacritics and
become lower-case ASCII, ligatures expand, Cyrillic letters are transliterated, the Han
ideographs of the atlas's names become their pinyin syllable, apostrophes, combining
marks and a few other marks vanish and everything else becomes a space, then a short
list of saint/sankt abbreviations applies.  City records are sorted
by exactly this form, so it is reproduced here unit for unit.
"""
import os
import unicodedata

NAME_LIMIT = 48

_SPECIAL = {
    "Æ": "ae", "æ": "ae", "Œ": "oe", "œ": "oe", "Ĳ": "ij", "ĳ": "ij", "ß": "ss",
    "Þ": "th", "þ": "th", "Ð": "d", "ð": "d", "Đ": "d", "đ": "d", "Ł": "l", "ł": "l",
    "Ø": "o", "ø": "o", "ı": "i", "İ": "i", "ĸ": "k", "ŉ": "n", "ŋ": "n", "Ŋ": "n",
    "ƒ": "f", "ſ": "f", "ẛ": "f", "Ħ": "h", "ħ": "h", "Ŧ": "t", "ŧ": "t",
    "Ŀ": "l", "ŀ": "l", "Ǿ": "o", "ǿ": "o", "Ǽ": "ae", "ǽ": "ae",
    "ẚ": "a", "ẜ": "f", "ẝ": "f", "ẞ": "ss", "ẟ": "d",
    "Ə": "a", "ə": "a", "Ǝ": "a", "ǝ": "a", "Ɛ": "e", "ɛ": "e", "Ɔ": "o", "ɔ": "o", "Ʒ": "z", "ʒ": "z",
}
# Apostrophes and accents typed for them vanish, so "Oktyabr'skiy" and "Oktyabr’skiy"
# compare equal; so do the combining marks (a letter followed by marks folds to the letter).
_APOSTROPHES = set("'’‘ʻʼʹʽ`´")
_VANISH = {"."} | _APOSTROPHES
_COMBINING_MARKS = range(0x0300, 0x0370)

# Cyrillic letters fold to a Latin transliteration (BGN/PCGN without apostrophes), so a
# name written in Cyrillic finds the place stored by its Latin spelling.
_CYRILLIC = dict(zip(
    "абвгдеёжзийклмнопрстуфхцчшщъыьэюяіїєґўјљњѓќѕџђћ",
    ["a", "b", "v", "g", "d", "e", "e", "zh", "z", "i", "y", "k", "l", "m", "n", "o", "p",
     "r", "s", "t", "u", "f", "kh", "ts", "ch", "sh", "shch", "", "y", "", "e", "yu", "ya",
     "i", "yi", "ye", "g", "u", "j", "lj", "nj", "gj", "kj", "dz", "dzh", "dj", "c"]))

# Han ideographs fold to their Mandarin syllable without tone marks, set apart by spaces
# (城郊 -> "cheng jiao", as GeoNames spells it); only those the atlas's names use.
_HAN_READINGS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                             "han_readings.tsv")


def _read_han_syllables():
    syllables = {}
    with open(_HAN_READINGS, encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#"):
                ideograph, reading = line.rstrip("\n").split("\t")
                toneless = "".join(c for c in unicodedata.normalize("NFD", reading) if c.isascii())
                syllables[ideograph] = f" {toneless} "
    return syllables


_HAN = _read_han_syllables()


def _base_letter(ch):
    """Lower-case ASCII base letter(s) of a Latin letter with diacritics, or None."""
    if ch in _SPECIAL:
        return _SPECIAL[ch]
    base = unicodedata.normalize("NFD", ch)[0]
    if base.isascii() and base.isalpha():
        return base.lower()
    return None


def _fold_unit(code):
    """The NameFoldTable entry of one UTF-16 code unit: '' (vanishes), ' ' or letters."""
    ch = chr(code)
    if ch in _VANISH or 0x2000 <= code <= 0x206F or code in _COMBINING_MARKS:
        return ""
    if ch.isascii():
        return ch.lower() if ch.isalnum() else " "
    if ch.lower() in _CYRILLIC:
        return _CYRILLIC[ch.lower()]
    if ch in _HAN:
        return _HAN[ch]
    # Latin-1, Latin Extended-A and -B, Latin Extended Additional
    letters_with_diacritics = (
        0xC0 <= code <= 0x24F and code not in (0xD7, 0xF7)
        or ch in _SPECIAL
        or 0x1E00 <= code <= 0x1EF9
    )
    if letters_with_diacritics:
        return _base_letter(ch) or " "
    return " "


FOLD_TABLE = {code: _fold_unit(code) for code in range(0x10000)}

# Code units whose fold differs between readings of the table's range (U+1E9C-U+1E9F and
# U+1EFA-U+1EFF were added to Unicode after the block's first letters); names never store them.
AMBIGUOUS_UNITS = set(range(0x1E9C, 0x1EA0)) | set(range(0x1EFA, 0x1F00))

_REPLACEMENTS = [
    ("saint ", "st "), (" saint ", " st "), ("saints ", "st "), (" saints ", " st "),
    ("sainte ", "st "), (" sainte ", " st "), ("saintes ", "st "), (" saintes ", " st "),
    ("sankt ", "st "), (" sankt ", " st "),
]


def collapse_spaces(text):
    return " ".join(part for part in text.split(" ") if part)


def normalise_name(name):
    """Comparison form of a name (UTF-16 code units in, lower-case ASCII out)."""
    units = collapse_spaces(name).encode("utf-16-be")
    out = []
    written = 0
    for i in range(0, min(len(units), 2 * NAME_LIMIT), 2):
        folded = FOLD_TABLE[(units[i] << 8) | units[i + 1]]
        for c in folded:
            if written >= NAME_LIMIT:
                break
            out.append(c)
            written += 1
        if written >= NAME_LIMIT:
            break
    result = collapse_spaces("".join(out))
    for pattern, replacement in _REPLACEMENTS:
        at = result.find(pattern)
        if at < 0:
            continue
        candidate = result[:at] + replacement + result[at + len(pattern):]
        if len(candidate) < NAME_LIMIT:
            result = candidate
    return result


def ascii_fold(text):
    """ASCII spelling of a Latin-script name: diacritics dropped, ligatures expanded."""
    out = []
    for ch in unicodedata.normalize("NFC", text):
        if ch in _APOSTROPHES:
            out.append("'")
        elif ch.isascii():
            out.append(ch)
        elif FOLD_TABLE.get(ord(ch)) == "":
            continue
        elif ch in _SPECIAL:
            base = _SPECIAL[ch]
            out.append(base.capitalize() if ch.isupper() else base)
        else:
            decomposed = unicodedata.normalize("NFKD", ch)
            kept = "".join(c for c in decomposed if c.isascii())
            if kept:
                out.append(kept)
            elif unicodedata.category(ch).startswith("P") or unicodedata.category(ch).startswith("Z"):
                out.append(" ")
    return collapse_spaces("".join(out))


_UMLAUT_PAIRS = ("ae", "oe", "ue")
_MAX_PAIRS = 4


def typed_readings(key):
    """The readings the program tries for a typed name in comparison form: the name, then
    with its "ae", "oe", "ue" shortened to a, o, u (all of them, then fewer; only all
    of them when there are more than four)."""
    pairs = [i for i in range(len(key) - 1) if key[i:i + 2] in _UMLAUT_PAIRS]
    if not pairs:
        return [key]
    full = (1 << len(pairs)) - 1
    masks = [full] + (list(range(full - 1, 0, -1)) if len(pairs) <= _MAX_PAIRS else [])
    readings = [key]
    for mask in masks:
        drop = {pairs[k] + 1 for k in range(len(pairs)) if mask >> k & 1}
        readings.append("".join(c for i, c in enumerate(key) if i not in drop))
    return readings
