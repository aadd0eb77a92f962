"""City records: every GeoNames place, plus its Latin-script alternate names when big.

A place of ALTERNATE_POPULATION inhabitants or more gets one extra record (same place
data) per alternate name that is written in the Latin script, looks like a name (no
digits, no codes, all-capital abbreviations or all-lower-case spellings, no web
addresses) and differs from the
place's name and from the other kept names after name normalisation.
"""
import collections
import unicodedata
from dataclasses import dataclass

from .names import AMBIGUOUS_UNITS, FOLD_TABLE, NAME_LIMIT, ascii_fold, collapse_spaces, normalise_name, typed_readings

ALTERNATE_POPULATION = 100_000
CHAR_TABLE_SIZE = 267
ONE_UNIT_CODES = 30
TWO_UNIT_CODES = 32
_NAME_PUNCTUATION = set(" -'’ʼʻ.")


@dataclass
class CityRecord:
    name: str
    key: str                # normalised name
    latitude: tuple         # (degrees, minutes, south)
    longitude: tuple        # (degrees, minutes, west)
    country: int
    province: int
    zone: str
    geonameid: int
    population: int
    alternate: bool


def whole_minutes(value):
    """Decimal degrees to (degrees, minutes, negative), rounded to the nearest minute."""
    total = int(abs(value) * 60 + 0.5)
    degrees, minutes = divmod(total, 60)
    return degrees, minutes, value < 0 and total > 0


def _is_latin_name(text):
    letters = [c for c in text if c not in _NAME_PUNCTUATION]
    if sum(1 for c in letters if c.isalpha()) < 2:
        return False
    if any(not (c.isalpha() and unicodedata.name(c, "").startswith("LATIN")) for c in letters):
        return False
    if text == text.upper() or text == text.lower():
        return False
    return len(text) <= NAME_LIMIT and "www" not in text.lower()


def alternate_candidates(place):
    """Latin-script alternate names of a big place, in GeoNames order, without duplicates."""
    if place.population < ALTERNATE_POPULATION:
        return []
    seen = set()
    out = []
    for alt in place.alternatenames:
        alt = collapse_spaces(unicodedata.normalize("NFC", alt).strip())
        if alt not in seen and _is_latin_name(alt):
            seen.add(alt)
            out.append(alt)
    return out


def storable(ch):
    """Whether a character may enter the character table (a letter must be a Latin letter
    that folds to letters)."""
    code = ord(ch)
    if code > 0xFFFF or code < 0x20 or code in AMBIGUOUS_UNITS:
        return False
    category = unicodedata.category(ch)
    if category[0] in "LM":
        return FOLD_TABLE[code].strip() != "" and unicodedata.name(ch, "").startswith("LATIN")
    return category[0] in "PSZN" and category != "Zl" and category != "Zp"


def choose_char_table(names):
    """The 267 most frequent storable characters, most frequent first (ties by code)."""
    counts = collections.Counter()
    for name in names:
        counts.update(name)
    ranked = sorted((c for c in counts if storable(c)), key=lambda c: (-counts[c], ord(c)))
    table = ranked[:CHAR_TABLE_SIZE]
    if len(table) < CHAR_TABLE_SIZE:
        raise ValueError(f"only {len(table)} storable characters")
    return table


def _stored_spelling(ch, table_set):
    """A character as a stored name holds it: itself when the table has it, else its ASCII
    spelling, else its fold ("Ǝ" -> "A", "О" -> "O"); what the table still lacks is a space."""
    if ch in table_set:
        return ch
    spelled = ascii_fold(ch)
    if not spelled:
        folded = FOLD_TABLE.get(ord(ch), " ")
        spelled = folded.capitalize() if ch.isupper() else folded
    return "".join(c if c in table_set else " " for c in spelled)


def fit_name(text, table_set):
    """The stored form of a name: itself when the table has every character, else with
    each missing character spelt in ASCII letters (no letter is dropped: "Gǝncǝ" ->
    "Ganca", "Октябрьский" -> "Oktyabrskiy"); at most 48 units."""
    if not all(c in table_set for c in text):
        text = collapse_spaces("".join(_stored_spelling(c, table_set) for c in unicodedata.normalize("NFC", text)))
    if len(text) > NAME_LIMIT:
        text = text[:NAME_LIMIT].rstrip(" -,")
    return text


def main_name(place):
    name = unicodedata.normalize("NFC", place.name).strip()
    return name if name else place.asciiname


def stored_main_name(place, table_set):
    """The name a place's record shows: its own name when the table holds every character,
    else GeoNames' ASCII spelling (or, when that is empty or unstorable, the name's own
    ASCII fold)."""
    name = main_name(place)
    if all(c in table_set for c in name) and normalise_name(name):
        return fit_name(name, table_set)
    ascii_name = collapse_spaces(place.asciiname.strip())
    if ascii_name and all(c in table_set for c in ascii_name) and normalise_name(ascii_name):
        return fit_name(ascii_name, table_set)
    return fit_name(name, table_set)


def spelling_alternates(place, keys, table_set):
    """Extra records that let the place's own name and its ASCII spelling (GeoNames'
    asciiname) find it when no record of the place is found by them: the folded native
    name ("Dumbierom" for "Ďumbierom"), the ASCII spelling where GeoNames gives another
    name ("Toss" for "Töss (Kreis 4)")."""
    out = []
    for spelling in (fit_name(main_name(place), table_set),
                     fit_name(collapse_spaces(place.asciiname.strip()), table_set)):
        key = normalise_name(spelling)
        if key and not any(reading in keys for reading in typed_readings(key)):
            keys.add(key)
            out.append(spelling)
    return out


def _distinct_alternates(place, main_key, table_set):
    """Stored alternate names whose normalised forms differ from the main name and from
    each other; of spellings that normalise alike the one with most letters outside ASCII
    is kept ("München" rather than "Munchen"), then the first in GeoNames order."""
    best = {}
    for alt in alternate_candidates(place):
        stored = fit_name(alt, table_set)
        key = normalise_name(stored)
        if not key or key == main_key:
            continue
        score = sum(1 for c in stored if not c.isascii())
        if key not in best or score > best[key][0]:
            best[key] = (score, stored)
    return [stored for _, stored in best.values()]


def build_records(places, provinces, countries, table_set):
    """All city records, sorted by normalised name (ties: population, geonameid, name)."""
    records = []
    for p in places:
        province = provinces[p.geonameid]
        base = dict(latitude=whole_minutes(p.latitude), longitude=whole_minutes(p.longitude),
                    country=countries[p.country].number, province=province.number if province else 0,
                    zone=p.zone, geonameid=p.geonameid, population=p.population)
        name = stored_main_name(p, table_set)
        records.append(CityRecord(name, normalise_name(name), alternate=False, **base))
        alternates = _distinct_alternates(p, normalise_name(name), table_set)
        keys = {normalise_name(n) for n in [name] + alternates}
        for alt in alternates + spelling_alternates(p, keys, table_set):
            records.append(CityRecord(alt, normalise_name(alt), alternate=True, **base))
    records.sort(key=lambda r: (r.key, -r.population, r.geonameid, r.alternate, r.name))
    return records
