#!/usr/bin/env python3
"""Independent check of data/atlas/: decodes atlas.bin from scratch (heap, root, countries,
provinces, rule blocks, every city record, the CityIndex) and verifies it against the
inputs, then evaluates every rule chain the way the program does and compares the
offsets with Python's zoneinfo on a dense sample, and replays the truth fixture.

Usage: python3 tools/atlas/check.py   (after tools/atlas/build.sh)
Exit status 0 when every check passes; mismatches are listed by kind.
"""
import calendar
import collections
import datetime
import os
import re
import sys
import zoneinfo

TOOL = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(TOOL))
sys.path.insert(0, TOOL)

from atlaslib.names import normalise_name  # noqa: E402

DATA = os.path.join(REPO, "data", "atlas")
OPEN_END_KEY = (20471231, 23, 59)
failures = []


def fail(message):
    failures.append(message)
    if len(failures) <= 40:
        print("FAIL:", message)


# ---------------------------------------------------------------- heap and stream

class Blob:
    def __init__(self, data):
        self.data = data
        self.length = int.from_bytes(data[3:6], "big")

    def value(self, offset):
        return int.from_bytes(self.data[offset:offset + 3], "big")

    def vector(self, ref):
        """Elements of the vector a reference points at (None when not a vector)."""
        if not ref & 0x800000:
            return None
        at = ref & 0x7FFFFF
        kind = self.data[at]
        if kind == 8:
            count, first = self.data[at + 1], at + 2
        elif kind == 12:
            count, first = int.from_bytes(self.data[at + 1:at + 4], "big"), at + 4
        else:
            return None
        if first + 3 * count > len(self.data):
            fail(f"vector at {at} runs past the blob")
            return None
        return [self.value(first + 3 * i) for i in range(count)]

    def string_bytes(self, ref):
        at = ref & 0x7FFFFF
        kind = self.data[at]
        if kind == 32:
            units, first = self.data[at + 1], at + 2
        elif kind == 48:
            units, first = int.from_bytes(self.data[at + 1:at + 4], "big"), at + 4
        else:
            return None
        return self.data[first:first + 2 * units]


def integer(value):
    if value >> 22 != 1:
        fail(f"0x{value:06X} is not an immediate integer")
        return 0
    magnitude = value & 0x1FFFFF
    return -magnitude if value & 0x200000 else magnitude


class Stream:
    def __init__(self, raw, table):
        self.raw = raw
        self.units = len(raw) * 8 // 5
        self.table = table

    def unit(self, u):
        if u >= self.units:
            raise IndexError(f"unit {u} past the stream end {self.units}")
        bit = 5 * u
        b, r = divmod(bit, 8)
        if r <= 3:
            return (self.raw[b] >> (3 - r)) & 31
        return (((self.raw[b] << 8) | self.raw[b + 1]) >> (11 - r)) & 31

    def number(self, u, n):
        v = 0
        for k in range(n):
            v = (v << 5) | self.unit(u + k)
        return v

    def string(self, p, literal=False):
        """(text, units occupied) of the packed string at p."""
        if not literal and self.number(p, 2) == 1023:
            distance = self.number(p + 2, 2)
            if self.number(p - distance, 2) == 1023:
                fail(f"back-reference at {p} points at another back-reference")
            return self.string(p - distance, literal=True)[0], 4
        length, at = self.unit(p), p + 1
        if length == 31:
            length, at = 30 + self.number(p + 1, 2), p + 3
        end = at + length
        out = []
        while at < end:
            c = self.unit(at)
            if c < 30:
                out.append(self.table[c])
                at += 1
            elif c == 30:
                out.append(self.table[30 + self.unit(at + 1)])
                at += 2
            else:
                c3 = self.number(at + 1, 2)
                if c3 >= 205:
                    fail(f"three-unit code {c3} at {at}")
                else:
                    out.append(self.table[62 + c3])
                at += 3
        if at != end:
            fail(f"string at {p}: character codes overrun the length")
        return "".join(out), end - p

    def date(self, u):
        v = self.number(u, 4)
        return (v >> 9, (v >> 5) & 15, v & 31)

    def time(self, u):
        v = self.number(u, 3)
        return ((v >> 6) & 31, v & 63)

    def correction(self, u):
        v = self.number(u, 3)
        minutes = ((v >> 6) & 31) * 60 + (v & 63)
        return -minutes if v & 0x4000 else minutes


def read_char_table():
    with open(os.path.join(DATA, "char_table.inc"), encoding="ascii") as f:
        text = re.sub(r"//[^\n]*", "", f.read())
    values = [int(v, 0) for v in re.findall(r"0x[0-9A-Fa-f]+|\b0\b", text)]
    if len(values) != 268 or values[-1] != 0 or 0 in values[:-1] or len(set(values[:-1])) != 267:
        fail(f"char table: {len(values)} values, must be 267 distinct code units and a trailing 0")
    return [chr(v) for v in values[:-1]]


def read_rows():
    rows = {}
    with open(os.path.join(DATA, "dst_rules.inc"), encoding="ascii") as f:
        for line in f:
            m = re.fullmatch(r"\{([-\d, ]+)\},", line.strip())
            if m:
                v = [int(x) for x in m.group(1).split(",")]
                rows[v[0]] = v
    expected_fixed = {1: [1, 4, 7, 3, 2, 0, 4, 7, 10, 3, 0, 1], 2: [2, 1, 7, 10, 2, 0, 4, 7, 3, 3, 0, 1],
                      3: [3, 4, 7, 10, 2, 0, 4, 7, 3, 3, 0, 1]}
    for n, row in expected_fixed.items():
        if rows.get(n) != row:
            fail(f"DaylightSavingRule row {n} is {rows.get(n)}")
    return rows


def read_rule_block(stream, p):
    length = stream.number(p, 4)
    rules, at = [], p + 4
    while at < p + length:
        kind = stream.unit(at)
        if kind in (1, 2, 5):
            rules.append((kind, stream.date(at + 1)))
            at += 5
        elif kind in (3, 4, 6):
            start = stream.date(at + 1) + stream.time(at + 5)
            end = stream.date(at + 8) + stream.time(at + 12)
            value = stream.number(at + 15, 3) if kind == 6 else stream.correction(at + 15)
            rules.append((kind, start, end, value))
            at += 18
        else:
            fail(f"rule block at {p}: unknown rule type {kind}")
            at += 1
    if at != p + length:
        fail(f"rule block at {p} overruns its length")
    return rules


# ---------------------------------------------------------------- decoding

def decode():
    with open(os.path.join(DATA, "atlas.bin"), "rb") as f:
        blob = Blob(f.read())
    if blob.length != len(blob.data):
        fail(f"heap length {blob.length} != file size {len(blob.data)}")
    if blob.data[6] != 8:
        fail("root is not a short vector at offset 6")
    root = blob.vector(0x800006)
    if root is None or len(root) != 243:
        fail("root is not a vector of 243 elements")
        return None
    table = read_char_table()
    stream = Stream(blob.string_bytes(root[0]), table)
    if root[240] != 0 or root[241] != 0:
        fail("root elements 240/241 are not the empty list")
    countries = {}
    for number in range(1, 240):
        entry = blob.vector(root[number])
        if entry is None or len(entry) != 4:
            fail(f"country {number}: entry is not a 4-element vector")
            continue
        provinces = []
        for pv in blob.vector(entry[2])[1:]:
            pe = blob.vector(pv)
            provinces.append((stream.string(integer(pe[0]))[0], integer(pe[1])))
        countries[number] = dict(region=integer(entry[0]) & 15, name=stream.string(integer(entry[1]))[0],
                                 block=integer(entry[3]), provinces=provinces)
    index = blob.vector(root[242])
    first = index[0]
    records = []
    at = first
    while at < stream.units:
        cp = stream.number(at, 3)
        lat, lon = stream.number(at + 3, 3), stream.number(at + 6, 3)
        name, size = stream.string(at + 9)
        records.append(dict(position=at, country=cp & 255, province=(cp >> 8) & 127, name=name,
                            lat=((lat >> 6) & 255, lat & 63, bool(lat & 0x4000)),
                            lon=((lon >> 6) & 255, lon & 63, bool(lon & 0x4000))))
        at += 9 + size
    if at != stream.units:
        fail(f"last record ends at {at}, stream holds {stream.units} units")
    padding = len(stream.raw) * 8 - 5 * at
    if not 0 <= padding < 5:
        fail(f"{padding} padding bits after the last record")
    if index != [r["position"] for r in records[::10]]:
        fail("CityIndex is not the position of every 10th record")
    header_positions = [c["block"] for c in countries.values()] + [b for c in countries.values() for _, b in c["provinces"]]
    if max(header_positions) >= first:
        fail("a rule block lies among the city records")
    return blob, stream, countries, records, index


# ---------------------------------------------------------------- evaluation

def key(date, hour=0, minute=0):
    y, m, d = date
    return ((y * 10000 + m * 100 + d) * 10000) + hour * 100 + minute


def nth_weekday(year, occurrence, weekday, month):
    days = [d for d in range(1, calendar.monthrange(year, month)[1] + 1)
            if calendar.weekday(year, month, d) + 1 == weekday]
    return days[-1] if occurrence == 4 else days[occurrence - 1]


def row_correction(row, moment_key, year):
    _, so, sw, sm, sh, smi, eo, ew, em, eh, emi, hours = row
    start = key((year, sm, nth_weekday(year, so, sw, sm)), sh, smi)
    if em < sm:   # a season over the turn of the year: the one ending this year counts too
        end = key((year, em, nth_weekday(year, eo, ew, em)), eh, emi)
        inside = moment_key >= start or moment_key <= end
    else:
        end = key((year, em, nth_weekday(year, eo, ew, em)), eh, emi)
        inside = start <= moment_key <= end
    return -abs(hours) * 60 if inside and hours > 0 else (abs(hours) * 60 if inside else 0)


def load_entry(blocks, rows, moment):
    """(zone minutes, daylight-saving correction minutes, local-mean-time flag)."""
    mk = key((moment.year, moment.month, moment.day), moment.hour, moment.minute)
    zone, dst, lmt = 0, 0, False
    for rules in blocks:
        for rule in rules:
            kind = rule[0]
            if kind == 5:
                lmt = mk < key(rule[1])
            elif kind in (3, 4, 6):
                (fy, fm, fd, fh, fmi), (ty, tm, td, th, tmi) = rule[1], rule[2]
                open_end = (ty * 10000 + tm * 100 + td, th, tmi) == OPEN_END_KEY
                if key((fy, fm, fd), fh, fmi) <= mk and (open_end or mk <= key((ty, tm, td), th, tmi)):
                    if kind == 3:
                        zone = rule[3]
                    elif kind == 4:
                        dst = rule[3]
                    else:
                        dst = row_correction(rows.get(rule[3], rows[1]), mk, moment.year)
    return zone, dst, lmt


def observed(blocks, rows, moment):
    zone, dst, lmt = load_entry(blocks, rows, moment)
    return "LMT" if lmt else str(zone - dst)


# ---------------------------------------------------------------- checks

def check_against_inputs(countries, records):
    from atlaslib import sources
    from atlaslib.cities import build_records
    from build import fit_area_names, read_geography
    places = sources.read_places()
    by_code, provinces, states = read_geography(places)
    table = set(read_char_table())
    fit_area_names(states, table)
    for c in states:
        d = countries.get(c.number)
        if d is None or (d["name"], d["region"], [n for n, _ in d["provinces"]]) != (c.name, c.region, [p.name for p in c.provinces]):
            fail(f"country {c.number} {c.name}: decoded {d and (d['name'], d['region'], len(d['provinces']))}")
    expected = build_records(places, provinces, by_code, table)
    if len(expected) != len(records):
        fail(f"{len(records)} records decoded, {len(expected)} expected")
    for e, r in zip(expected, records):
        if (e.name, e.country, e.province, e.latitude, e.longitude) != (r["name"], r["country"], r["province"], r["lat"], r["lon"]):
            fail(f"record {r['position']}: {r} != {e}")
            break
    ids = {p.geonameid for p in places}
    if {e.geonameid for e in expected if not e.alternate} != ids:
        fail("not every cities500 place has a record")
    return expected, by_code


def check_records(countries, records):
    keys = [normalise_name(r["name"]) for r in records]
    if any(a > b for a, b in zip(keys, keys[1:])):
        fail("records are not sorted by normalised name")
    for r, k in zip(records, keys):
        if len(r["name"]) > 48 or not k:
            fail(f"city name too long or empty after normalisation: {r['name']!r}")
        c = countries.get(r["country"])
        if c is None or not 0 <= r["province"] <= len(c["provinces"]):
            fail(f"record {r['name']}: country {r['country']} province {r['province']} out of range")
        if r["lat"][1] > 59 or r["lon"][1] > 59 or r["lat"][0] > 90 or r["lon"][0] > 180:
            fail(f"record {r['name']}: coordinates out of range")
    for number, c in countries.items():
        if len(c["name"]) > 30 or not c["name"] or not 1 <= c["region"] <= 9:
            fail(f"country {number}: name {c['name']!r} region {c['region']}")
        if len(c["provinces"]) > 127:
            fail(f"country {number}: {len(c['provinces'])} provinces")
        for name, _ in c["provinces"]:
            if len(name) > 44 or not name:
                fail(f"country {number}: province name {name!r}")


def chains_of(countries, stream, records, expected):
    """Rule-block chain (country block, province block) of each zone's places."""
    cache = {}

    def block(p):
        if p not in cache:
            cache[p] = read_rule_block(stream, p) if p > 0 else []
        return cache[p]

    chains = collections.defaultdict(set)
    for r, e in zip(records, expected):
        c = countries[r["country"]]
        pb = c["provinces"][r["province"] - 1][1] if r["province"] else 0
        chains[(c["block"], pb)].add(e.zone)
    out = {}
    for chain, zones in chains.items():
        if len(zones) != 1:
            fail(f"rule chain {chain} serves several zones {sorted(zones)}")
        out[chain] = (next(iter(zones)), [block(chain[0]), block(chain[1])])
    return out


def dense_agreement(chains, rows, truths):
    counts = collections.Counter()
    examples = {}
    step = datetime.timedelta(days=18, hours=7, minutes=11)
    for _, (zone, blocks) in sorted(chains.items()):
        truth = truths[zone]
        moment = datetime.datetime(1900, 1, 1, 0, 17)
        while moment.year <= 2100:
            got = observed(blocks, rows, moment)
            want = truth.expected(moment)
            if got == want:
                counts["agree"] += 1
            else:
                if truth.until is not None and moment.date() >= truth.until:
                    kind = "after 2047 without a row (format limit)"
                elif truth.excluded(moment):
                    kind = "skipped or repeated local time, last hours of local mean time, or -00 (excluded from the fixture)"
                else:
                    kind = "other"
                counts[kind] += 1
                examples.setdefault(kind, f"{zone} {moment:%Y-%m-%dT%H:%M} atlas {got} zoneinfo {want}")
            moment += step
    return counts, examples


def boundary_agreement(chains, rows, truths):
    """Every period boundary of every zone from 1900 to 2047: the atlas against zoneinfo at
    noon of the nearest local day before and after it that the fixture would admit."""
    from atlaslib.fixture import EPOCH, FIRST_UT, LAST_UT
    counts = collections.Counter()
    for _, (zone, blocks) in sorted(chains.items()):
        truth = truths[zone]
        history = truth.history
        for previous, period in zip(history.periods, history.periods[1:]):
            if not FIRST_UT <= period.start <= LAST_UT:
                continue
            for offset, step in ((previous.utoff, -1), (period.utoff, 1)):
                day = (EPOCH + datetime.timedelta(seconds=period.start + offset)).date()
                for _ in range(7):
                    day += datetime.timedelta(days=step)
                    moment = datetime.datetime(day.year, day.month, day.day, 12)
                    if not truth.excluded(moment):
                        break
                else:
                    continue
                got, want = observed(blocks, rows, moment), truth.expected(moment)
                counts["agree" if got == want else "disagree"] += 1
                if got != want:
                    fail(f"boundary {zone} {moment:%Y-%m-%d %H:%M}: atlas {got}, zoneinfo {want}")
    return counts


def replay_fixture(records, chains, countries, rows):
    by_key = collections.defaultdict(list)
    for r in records:
        by_key[normalise_name(r["name"])].append(r)
    total = agree = 0
    with open(os.path.join(REPO, "tests", "data", "atlas", "tz_truth.tsv"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            name, lat, lon, local, offset = line.rstrip("\n").split("\t")
            lat_m, lon_m = round(float(lat) * 60), round(float(lon) * 60)

            def distance(r):
                la = (r["lat"][0] * 60 + r["lat"][1]) * (-1 if r["lat"][2] else 1)
                lo = (r["lon"][0] * 60 + r["lon"][1]) * (-1 if r["lon"][2] else 1)
                return abs(la - lat_m) + abs(lo - lon_m)
            r = min(by_key[normalise_name(name)], key=distance)
            c = countries[r["country"]]
            pb = c["provinces"][r["province"] - 1][1] if r["province"] else 0
            got = observed(chains[(c["block"], pb)][1], rows, datetime.datetime.strptime(local, "%Y-%m-%dT%H:%M"))
            total += 1
            if got == offset:
                agree += 1
            else:
                fail(f"fixture {name} {local}: atlas {got}, zoneinfo {offset}")
    return agree, total


def check_tzdata_version():
    """The machine's zoneinfo must be the tzdata the atlas was built from (manifest)."""
    from atlaslib.sources import tzdata_version
    with open(os.path.join(DATA, "manifest.txt"), encoding="utf-8") as f:
        pinned = dict(line.strip().split("=", 1) for line in f if "=" in line)["tzdata_version"]
    here = tzdata_version()
    print(f"tzdata: atlas built from {pinned}, this machine has {here}")
    if pinned != here:
        fail(f"the atlas was built from tzdata {pinned}, zoneinfo here is {here}")


def main():
    check_tzdata_version()
    decoded = decode()
    if decoded is None:
        sys.exit(1)
    blob, stream, countries, records, index = decoded
    rows = read_rows()
    expected, _ = check_against_inputs(countries, records)
    check_records(countries, records)
    from atlaslib.tzhistory import zone_history
    histories = {z: zone_history(z) for z in sorted({e.zone for e in expected})}
    chains = chains_of(countries, stream, records, expected)
    from atlaslib.fixture import ZoneTruth
    truths = {zone: ZoneTruth(history) for zone, history in histories.items()}
    counts, examples = dense_agreement(chains, rows, truths)
    total = sum(counts.values())
    considered = counts["agree"] + counts["other"]
    print(f"blob {len(blob.data)} bytes, {len(records)} records, {len(index)} index entries, "
          f"first city at {index[0]}, stream {stream.units} units, {len(chains)} rule chains")
    print(f"dense sample: {total} moments, agreement {counts['agree'] / total:.4%} overall, "
          f"{counts['agree'] / considered:.4%} outside those times and the 2047 limit")
    for kind, n in sorted(counts.items()):
        if kind != "agree":
            print(f"  {n:7d} {kind}: e.g. {examples[kind]}")
            if kind == "other":
                fail(f"{n} dense-sample mismatches")
    boundaries = boundary_agreement(chains, rows, truths)
    print(f"period boundaries 1900-2047: {boundaries['agree']} of {sum(boundaries.values())} "
          f"moments beside them agree")
    agree, total = replay_fixture(records, chains, countries, rows)
    print(f"truth fixture: {agree}/{total} pairs agree")
    print("OK" if not failures else f"{len(failures)} failures")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
