"""Rule blocks of the atlas from a zone's history.

Rule kinds (the unit that starts each rule in a RuleBlock):
  1 first skipped date of the Julian-to-Gregorian changeover, 2 first Gregorian date,
  3 standard-offset period, 4 daylight-saving period, 5 end of local mean time (the
  periods tzdata names LMT before its first named time),
  6 period governed by a recurring daylight-saving rule (a DaylightSavingRule row).
Periods are given in local wall-clock time, both ends inclusive; corrections are minutes
east of UT for the zone, and the daylight-saving correction is stored negated
(UT = local - zone + correction).
"""
import calendar
import datetime
from dataclasses import dataclass, replace

from .tzhistory import HORIZON_YEAR, leading_mean_time

# The three rows every atlas has; further rows are numbered from 4 in order of first use.
FIXED_ROWS = [
    (1, 4, 7, 3, 2, 0, 4, 7, 10, 3, 0, 1),
    (2, 1, 7, 10, 2, 0, 4, 7, 3, 3, 0, 1),
    (3, 4, 7, 10, 2, 0, 4, 7, 3, 3, 0, 1),
]

# The date field holds years up to 2047: a period that runs on past it ends at OPEN_END,
# which the reader takes as "no end" (through the last year the program admits).
OPEN_END = datetime.datetime(2047, 12, 31, 23, 59)
LAST_EXPLICIT = OPEN_END - datetime.timedelta(minutes=1)
_EPOCH = datetime.datetime(1970, 1, 1)


def round_minutes(seconds):
    """Seconds to whole minutes, halves away from zero."""
    sign = -1 if seconds < 0 else 1
    return sign * ((abs(seconds) + 30) // 60)


@dataclass(frozen=True)
class Rule:
    kind: int
    start: datetime.datetime = None     # local date (kinds 1, 2, 5) or period start
    end: datetime.datetime = None       # period end, inclusive
    value: int = 0                      # minutes (3, 4) or row number (6)


def local_time(ut, offset_seconds):
    """Local wall-clock time of a UT moment, to the nearest minute."""
    return _EPOCH + datetime.timedelta(minutes=round_minutes(ut) + round_minutes(offset_seconds))


def _ut(moment):
    return int((moment - _EPOCH).total_seconds())


def _row_end(rule):
    """(occurrence, weekday code, month, hour, minute) of a POSIX rule end, or None."""
    if rule.week == 4 or not 0 <= rule.seconds < 86400 or rule.seconds % 60:
        return None
    occurrence = 4 if rule.week == 5 else rule.week
    weekday = 7 if rule.weekday == 0 else rule.weekday
    return (occurrence, weekday, rule.month, rule.seconds // 3600, rule.seconds % 3600 // 60)


@dataclass(frozen=True)
class Season:
    """A recurring rule with a non-negative saving: standard offset, saving, start and end."""
    std: int
    dst: int
    start: object
    end: object

    @property
    def wraps(self):
        """The season runs over the turn of the year (southern hemisphere)."""
        return self.end.month < self.start.month

    def transitions(self, year):
        """UT moments of the season that starts in a year: its start and its end."""
        end_year = year + 1 if self.wraps else year
        return [self.start.ut(year, self.std), self.end.ut(end_year, self.dst)]


def season_of(footer):
    if footer.dst is None:
        return None
    if footer.dst < footer.std:
        return Season(footer.dst, footer.std, footer.end, footer.start)
    return Season(footer.std, footer.dst, footer.start, footer.end)


def season_row(season):
    """The DaylightSavingRule row (without number) of a season, or None.

    A row needs occurrence weekdays (first to third, or last), times from 0:00 to 23:59
    and a saving of whole hours; a season over the turn of the year has its end month
    before its start month.
    """
    start_row, end_row = _row_end(season.start), _row_end(season.end)
    amount = season.dst - season.std
    if start_row is None or end_row is None or amount <= 0 or amount % 3600:
        return None
    if season.start.month == season.end.month:
        return None
    return start_row + end_row + (amount // 3600,)


class RowTable:
    """The DaylightSavingRule table: the fixed rows plus one row per recurring rule in use."""

    def __init__(self):
        self.rows = list(FIXED_ROWS)

    def number_of(self, row):
        for existing in self.rows:
            if existing[1:] == row:
                return existing[0]
        number = len(self.rows) + 1
        self.rows.append((number,) + row)
        return number


def tail_start(history):
    """UT moment from which the zone follows its recurring rule with a row for good
    (1 January, or 1 July for a season over the turn of the year), or None."""
    season = season_of(history.footer)
    if season is None or season_row(season) is None:
        return None
    month = 7 if season.wraps else 1
    periods = history.periods
    boundary = None
    for year in range(HORIZON_YEAR, 1900, -1):
        anchor = calendar.timegm((year, month, 1, 0, 0, 0)) - season.std
        next_anchor = calendar.timegm((year + 1, month, 1, 0, 0, 0)) - season.std
        inside = [p.start for p in periods[1:] if anchor <= p.start < next_anchor]
        before = [p for p in periods if p.start is None or p.start < anchor][-1]
        if inside != season.transitions(year) or before.std != season.std or before.dst != 0:
            break
        boundary = anchor
    if boundary is not None and local_time(boundary, season.std) > LAST_EXPLICIT:
        return None
    return boundary


def exact_until(history):
    """Last local date the zone's rules follow the tz database, or None when always."""
    if tail_start(history) is not None:
        return None
    late = _ut(OPEN_END)
    if any(p.start > late for p in history.periods[1:]):
        return OPEN_END.date()
    return None


def _runs(periods, key):
    """Consecutive periods grouped by a key: [[key, first index, last index]]."""
    runs = []
    for i, p in enumerate(periods):
        k = key(p)
        if runs and runs[-1][0] == k:
            runs[-1][2] = i
        else:
            runs.append([k, i, i])
    return runs


def _clock_change(before, after):
    """The local time from which the period after a transition holds: the later of the
    transition's two local times, so that the local times a forward jump skips and those
    a backward jump repeats keep the offset before it, as zoneinfo reads them (fold 0),
    and no typed time falls between two periods."""
    return local_time(after.start, max(before.utoff, after.utoff))


def _period_rules(kind, periods, cut, key):
    """Rules of one kind for runs of equal corrections in the periods before a UT cut.

    A run still in force after LAST_EXPLICIT ends at OPEN_END when nothing follows it in
    the rules (a standard offset, or the zone's last daylight-saving state); any other
    run is cut at LAST_EXPLICIT, since later dates cannot be stored.
    """
    rules = []
    for value, first, last in _runs(periods, key):
        start = periods[first]
        if first > 0:
            begin = _clock_change(periods[first - 1], start)
        else:
            begin = local_time(start.start, start.utoff)
        if (cut is not None and start.start >= cut) or begin > LAST_EXPLICIT:
            break
        following = periods[last + 1].start if last + 1 < len(periods) else None
        if cut is not None and (following is None or following > cut):
            following = cut
        if kind == 4 and value == 0:
            continue
        end = None
        if following is not None:
            # Up to the next period's start, or to the cut where the recurring rule takes over.
            if following == cut:
                next_begin = local_time(cut, periods[last].utoff)
            else:
                next_begin = _clock_change(periods[last], periods[last + 1])
            end = next_begin - datetime.timedelta(minutes=1)
        if end is None or end > LAST_EXPLICIT:
            end = OPEN_END if kind == 3 or following is None else LAST_EXPLICIT
        rules.append(Rule(kind, begin, end, -value if kind == 4 else value))
    return rules


def local_mean_time_end(change):
    """The end of local mean time, a local date: the atlas stores it without a time of day,
    so it is the midnight nearest the change to the first named time (most changes are at
    the local mean midnight, a few minutes from the new clock's)."""
    midnight = datetime.datetime(change.year, change.month, change.day)
    return midnight + datetime.timedelta(days=1) if change.hour >= 12 else midnight


def zone_rules(history, rows):
    """All rules of one zone: end of local mean time, standard and daylight-saving periods
    and, once the zone follows its recurring rule for good, that rule's row.  A named mean
    time (PMT, KMT, ...) is a standard-offset period like any other; so is an LMT period
    that follows a named time (Lagos 1908-1914), which the single end of local mean time
    cannot express."""
    periods = history.periods[leading_mean_time(history):]
    if not periods:
        return []
    cut = tail_start(history)
    change = local_time(periods[0].start, periods[0].utoff)
    lmt_end = local_mean_time_end(change)
    named_rules = (_period_rules(3, periods, None, lambda p: round_minutes(p.std))
                   + _period_rules(4, periods, cut, lambda p: round_minutes(p.utoff) - round_minutes(p.std)))
    # The first named time begins where local mean time ends, so no moment of that day
    # falls between the two.
    rules = [Rule(5, lmt_end)]
    rules += [replace(r, start=lmt_end) if r.start == change else r for r in named_rules]
    if cut is not None:
        season = season_of(history.footer)
        number = rows.number_of(season_row(season))
        rules.append(Rule(6, local_time(cut, season.std), OPEN_END, number))
    return rules


def changeover_rules(julian_last, gregorian_first):
    """Calendar changeover: the first skipped Gregorian date label and the first Gregorian date."""
    if not julian_last:
        return []
    last = datetime.date.fromisoformat(julian_last)
    first = datetime.date.fromisoformat(gregorian_first)
    skipped = last + datetime.timedelta(days=1)
    if not skipped < first:
        raise ValueError(f"changeover {julian_last} -> {gregorian_first} skips no date")
    return [Rule(1, datetime.datetime(skipped.year, skipped.month, skipped.day)),
            Rule(2, datetime.datetime(first.year, first.month, first.day))]
