"""The time-zone truth fixture: sampled (city, local moment) pairs with the offset that
Python's zoneinfo gives for the city's zone, from the tzdata the atlas is built from.

Columns (tab-separated, UTF-8, one '#' header line): city name as stored in the atlas,
latitude and longitude in decimal degrees (the stored whole minutes), local civil moment
YYYY-MM-DDTHH:MM, offset local minus UT in minutes rounded to the minute, or LMT when the
moment lies before the zone's first transition.

Moments on the local calendar day of a transition, or within 3 hours of one, are left
out: the atlas compares moments by a date key whose time part does not order the times
of one day, and transition hours are ambiguous or skipped by nature.
"""
import bisect
import calendar
import datetime
import os
import random
import zoneinfo

from .zonerules import exact_until, round_minutes

SEED = 20_250_601
FIRST_YEAR, LAST_YEAR = 1900, 2100
MARGIN = datetime.timedelta(hours=3)
EPOCH = datetime.datetime(1970, 1, 1)
TARGET = {"uniform": 800, "daylight": 800, "split": 400, "future": 400}


class ZoneTruth:
    """Transitions of one zone in local time and zoneinfo's offsets."""

    def __init__(self, history):
        self.info = zoneinfo.ZoneInfo(history.zone)
        self.history = history
        marks = []
        days = set()
        previous = history.periods[0]
        for p in history.periods[1:]:
            for offset in (previous.utoff, p.utoff):
                local = EPOCH + datetime.timedelta(seconds=p.start + offset)
                marks.append(local)
                days.add(local.date())
            previous = p
        self.marks = sorted(marks)
        self.until = exact_until(history)
        self.days = days
        first = history.periods[1] if len(history.periods) > 1 else None
        self.first_transition = (EPOCH + datetime.timedelta(seconds=first.start + min(first.utoff, history.periods[0].utoff))
                                 if first else None)

    def excluded(self, moment):
        if self.until is not None and moment.date() >= self.until:
            return True
        if moment.date() in self.days:
            return True
        at = bisect.bisect_left(self.marks, moment)
        near = self.marks[max(0, at - 1):at + 1]
        return any(abs(moment - m) < MARGIN for m in near)

    def expected(self, moment):
        if self.first_transition is not None and moment < self.first_transition:
            return "LMT"
        offset = moment.replace(tzinfo=self.info).utcoffset()
        return str(round_minutes(int(offset.total_seconds())))


def _decimal(part):
    degrees, minutes, negative = part
    value = degrees + minutes / 60
    return f"{-value if negative else value:.6f}"


def _random_moment(rng, first_year, last_year):
    start = datetime.datetime(first_year, 1, 1)
    span = (datetime.datetime(last_year, 12, 31, 23, 59) - start).total_seconds() // 60
    return start + datetime.timedelta(minutes=rng.randrange(int(span) + 1))


def _daylight_moment(rng, history):
    """A local moment inside a random daylight-saving period of 1900-2100, or None."""
    lo = calendar.timegm((FIRST_YEAR, 1, 1, 0, 0, 0))
    hi = calendar.timegm((LAST_YEAR, 12, 31, 0, 0, 0))
    spans = [(p.start, q.start, p.utoff) for p, q in zip(history.periods[1:], history.periods[2:])
             if p.dst > 0 and lo <= p.start and q.start <= hi]
    if not spans:
        return None
    start, end, utoff = rng.choice(spans)
    ut = rng.randrange(start, end) // 60 * 60
    return EPOCH + datetime.timedelta(seconds=ut + utoff)


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
    daylight_zones = [z for z in zones if any(p.dst > 0 for p in histories[z].periods)]
    split = [r for r in usable if (r.country, r.province) in split_provinces]
    truths = {z: ZoneTruth(histories[z]) for z in zones}

    def draw(kind):
        if kind == "split":
            record = rng.choice(split)
            return record, (_daylight_moment(rng, histories[record.zone]) if rng.random() < 0.5
                            else _random_moment(rng, FIRST_YEAR, LAST_YEAR))
        zone = rng.choice(daylight_zones if kind == "daylight" else zones)
        record = rng.choice(by_zone[zone])
        if kind == "daylight":
            return record, _daylight_moment(rng, histories[zone])
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
            lines.append(f"{record.name}\t{_decimal(record.latitude)}\t{_decimal(record.longitude)}\t"
                         f"{moment:%Y-%m-%dT%H:%M}\t{expected}")
            made += 1
    path = os.path.join(repo, "tests", "data", "atlas")
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, "tz_truth.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("# name\tlatitude\tlongitude\tlocal\toffset_minutes\n")
        f.write("\n".join(lines) + "\n")
    return len(lines)
