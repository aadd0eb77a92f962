"""The time-zone truth fixture: sampled (city, local moment) pairs with the offset that
Python's zoneinfo gives for the city's zone, from the tzdata the atlas is built from.

Columns (tab-separated, UTF-8, one '#' header line): city name as stored in the atlas,
latitude and longitude in decimal degrees (the stored whole minutes), local civil moment
YYYY-MM-DDTHH:MM, offset local minus UT in minutes rounded to the minute, or LMT where
zoneinfo names the moment's period LMT before any named time of the zone (the place
then keeps its own local mean time).

Left out are the local times a transition skips or repeats (ambiguous by nature, give
or take the minute that offsets with seconds are rounded to), the hours between the
change from local mean time and the local midnight nearest it (the atlas stores the end
of local mean time as a date), and moments that zoneinfo names "-00" (no local time kept
there yet). The rest of a transition's day is drawn on purpose: it checks that the
moments of one day are ordered by their time.

The pairs are drawn in strata: places at random (mostly villages), zones at random,
the days of transitions, daylight-saving periods, periods of a named mean time (an
offset that is not a whole quarter hour, such as Paris Mean Time), the local mean time
before 1900-1940, provinces split by zone, and the years after 2025.
"""
import bisect
import calendar
import datetime
import os
import random
import zoneinfo

from .tzhistory import LOCAL_MEAN_TIME, leading_mean_time
from .zonerules import exact_until, local_mean_time_end, local_time, round_minutes

SEED = 20_250_601
FIRST_YEAR, LAST_YEAR = 1900, 2047
ROUNDING = datetime.timedelta(minutes=1)
EPOCH = datetime.datetime(1970, 1, 1)
FIRST_UT = calendar.timegm((FIRST_YEAR, 1, 1, 0, 0, 0))
LAST_UT = calendar.timegm((LAST_YEAR, 12, 31, 0, 0, 0))
TARGET = {"place": 6000, "zone": 4000, "transition day": 2000, "daylight": 3000,
          "named mean time": 3000, "local mean time": 1000, "split": 1500, "future": 1500}


class ZoneTruth:
    """Transitions of one zone in local time and zoneinfo's offsets."""

    def __init__(self, history):
        self.info = zoneinfo.ZoneInfo(history.zone)
        self.history = history
        # The local times left out: each transition's skipped or repeated times
        # (between its local time on the old clock and on the new one), and local
        # mean time's last hours. Each window lasts hours at most.
        windows = []
        previous = history.periods[0]
        for p in history.periods[1:]:
            ends = sorted(EPOCH + datetime.timedelta(seconds=p.start + offset)
                          for offset in (previous.utoff, p.utoff))
            windows.append((ends[0] - ROUNDING, ends[1] + ROUNDING))
            previous = p
        lead = leading_mean_time(history)
        named = history.periods[lead] if lead < len(history.periods) else None
        self.first_named = EPOCH + datetime.timedelta(seconds=named.start + named.utoff) if named else None
        if named is not None and lead > 0:
            change = local_time(named.start, named.utoff)
            windows.append(tuple(sorted((change, local_mean_time_end(change)))))
        self.windows = sorted(windows)
        self.days = sorted({day for window in windows for day in (window[0].date(), window[1].date())})
        self.until = exact_until(history)

    def excluded(self, moment):
        if self.until is not None and moment.date() >= self.until:
            return True
        if moment.replace(tzinfo=self.info).tzname() == "-00":
            return True
        # Windows are hours long and months apart: those that start among the last
        # few before the moment are the only ones that can hold it.
        at = bisect.bisect_right(self.windows, (moment, moment))
        return any(lo <= moment <= hi for lo, hi in self.windows[max(0, at - 8):at])

    def expected(self, moment):
        local = moment.replace(tzinfo=self.info)
        if local.tzname() == "LMT" and (self.first_named is None or moment < self.first_named):
            return "LMT"
        return str(round_minutes(int(local.utcoffset().total_seconds())))


def decimal_degrees(part):
    degrees, minutes, negative = part
    value = degrees + minutes / 60
    return f"{-value if negative else value:.6f}"


def _random_moment(rng, first_year, last_year):
    start = datetime.datetime(first_year, 1, 1)
    span = (datetime.datetime(last_year, 12, 31, 23, 59) - start).total_seconds() // 60
    return start + datetime.timedelta(minutes=rng.randrange(int(span) + 1))


def _moment_in(rng, spans):
    """A local moment (whole minute) inside one of the spans (UT start, UT end, offset), or None."""
    spans = [(max(a, FIRST_UT), min(b, LAST_UT), off) for a, b, off in spans if a < LAST_UT and b > FIRST_UT]
    if not spans:
        return None
    start, end, utoff = rng.choice(spans)
    ut = rng.randrange(start, end) // 60 * 60
    return EPOCH + datetime.timedelta(seconds=ut + utoff)


def _spans(history, wanted):
    """(UT start, UT end, offset) of the periods of a zone that pass the test."""
    periods = history.periods
    return [(p.start if p.start is not None else FIRST_UT, q.start, p.utoff)
            for p, q in zip(periods, periods[1:]) if wanted(p)]


def _daylight(p):
    return p.dst > 0


def _named_mean_time(p):
    """A named period whose offset is not a whole quarter hour: a mean time kept as legal time."""
    return p.abbreviation not in LOCAL_MEAN_TIME + ("",) and p.utoff % 900 != 0


def _leading_mean_time(history):
    lead = leading_mean_time(history)
    periods = history.periods
    if lead >= len(periods):
        return []
    return [(FIRST_UT, periods[lead].start, periods[0].utoff)]


def _unambiguous(records):
    """Records that no other record with the same name and stored position contradicts."""
    zones = {}
    for r in records:
        zones.setdefault((r.key, r.latitude, r.longitude), set()).add(r.zone)
    return [r for r in records if len(zones[(r.key, r.latitude, r.longitude)]) == 1]


def write_fixture(repo, records, histories, split_provinces):
    rng = random.Random(SEED)
    usable = _unambiguous(records)
    by_zone = {}
    for r in usable:
        by_zone.setdefault(r.zone, []).append(r)
    zones = sorted(by_zone)
    spans = {
        "daylight": {z: _spans(histories[z], _daylight) for z in zones},
        "named mean time": {z: _spans(histories[z], _named_mean_time) for z in zones},
        "local mean time": {z: _leading_mean_time(histories[z]) for z in zones},
    }
    span_zones = {kind: [z for z in zones if _moment_in(random.Random(0), s[z])] for kind, s in spans.items()}
    split = [r for r in usable if (r.country, r.province) in split_provinces]
    places = [r for r in usable if not r.alternate]
    truths = {z: ZoneTruth(histories[z]) for z in zones}

    def draw(kind):
        if kind == "place":
            return rng.choice(places), _random_moment(rng, FIRST_YEAR, LAST_YEAR)
        if kind == "split":
            record = rng.choice(split)
            return record, (_moment_in(rng, spans["daylight"][record.zone]) if rng.random() < 0.5
                            else _random_moment(rng, FIRST_YEAR, LAST_YEAR))
        if kind in spans:
            zone = rng.choice(span_zones[kind])
            return rng.choice(by_zone[zone]), _moment_in(rng, spans[kind][zone])
        record = rng.choice(by_zone[rng.choice(zones)])
        if kind == "transition day":
            days = [d for d in truths[record.zone].days if FIRST_YEAR <= d.year <= LAST_YEAR]
            return record, (datetime.datetime.combine(rng.choice(days), datetime.time())
                            + datetime.timedelta(minutes=rng.randrange(24 * 60))) if days else None
        if kind == "future":
            return record, _random_moment(rng, 2025, LAST_YEAR)
        return record, _random_moment(rng, FIRST_YEAR, LAST_YEAR)

    lines = []
    seen = set()
    for kind, count in TARGET.items():
        made = 0
        while made < count:
            record, moment = draw(kind)
            if moment is None or truths[record.zone].excluded(moment) or (record.name, moment) in seen:
                continue
            seen.add((record.name, moment))
            expected = truths[record.zone].expected(moment)
            lines.append(f"{record.name}\t{decimal_degrees(record.latitude)}\t{decimal_degrees(record.longitude)}\t"
                         f"{moment:%Y-%m-%dT%H:%M}\t{expected}")
            made += 1
    path = os.path.join(repo, "tests", "data", "atlas")
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, "tz_truth.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("# name\tlatitude\tlongitude\tlocal\toffset_minutes\n")
        f.write("\n".join(lines) + "\n")
    return len(lines)
