"""Name folding and comparison form of atlas names.

The program compares city names in a folded form: letters lose their diacritics and
become lower-case ASCII, ligatures expand, a few marks vanish and everything else becomes
a space, then a short list of saint/sankt abbreviations applies.  City records are sorted
by exactly this form, so it is reproduced here unit for unit.
"""
import unicodedata

NAME_LIMIT = 48

# Latin Extended-B letters that fold to their base letter; all other code units from
# U+0180 to U+1DFF become a space.
_EXTENDED_B_LETTERS = [0x0192, 0x01A0, 0x01A1, 0x01AF, 0x01B0] + list(range(0x01FA, 0x0200)) + list(range(0x0218, 0x021C))

_SPECIAL = {
    "Æ": "ae", "æ": "ae", "Œ": "oe", "œ": "oe", "Ĳ": "ij", "ĳ": "ij", "ß": "ss",
    "Þ": "th", "þ": "th", "Ð": "d", "ð": "d", "Đ": "d", "đ": "d", "Ł": "l", "ł": "l",
    "Ø": "o", "ø": "o", "ı": "i", "İ": "i", "ĸ": "k", "ŉ": "n", "ŋ": "n", "Ŋ": "n",
    "ƒ": "f", "ſ": "f", "ẛ": "f", "Ħ": "h", "ħ": "h", "Ŧ": "t", "ŧ": "t",
    "Ŀ": "l", "ŀ": "l", "Ǿ": "o", "ǿ": "o", "Ǽ": "ae", "ǽ": "ae",
}
_VANISH = {".", "`", "´"}
_APOSTROPHES = set("’‘ʻʼ`´")


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
    if ch in _VANISH or 0x2000 <= code <= 0x206F:
        return ""
    if ch.isascii():
        return ch.lower() if ch.isalnum() else " "
    letters_with_diacritics = (
        0xC0 <= code <= 0x17F and code not in (0xD7, 0xF7)
        or code in _EXTENDED_B_LETTERS
        or 0x1E00 <= code <= 0x1E9B or 0x1EA0 <= code <= 0x1EF9
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
