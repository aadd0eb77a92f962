"""Time-zone history of one IANA zone, read from its compiled TZif file.

A zone's history becomes a list of Periods (UT start, total offset, standard offset,
daylight-saving amount).  The explicit transitions of the TZif file are extended by the
footer's recurring rule up to the atlas horizon.  Standard offset and daylight-saving
amount are split so that the amount is never negative: where the tz database keeps a
negative saving (Irish winter time, Moroccan Ramadan time, Namibian winter time), the
lower offset is taken as standard and the higher one as daylight saving, which gives the
same clock time.

Only the periods the tz database names LMT are the place's own local mean time. A mean
time under its own name (Paris Mean Time "PMT", Kyiv's "KMT", ...) was the legal time of
a whole country or region and stays a period of its own, even where its offset equals
the LMT before it.
"""
import calendar
import re
import struct
import time
from dataclasses import dataclass

ZONEINFO = "/usr/share/zoneinfo"
HORIZON_YEAR = 2129          # last year the atlas describes
# Abbreviations of periods without a legal time of their own: the place's local mean time.
LOCAL_MEAN_TIME = ("LMT", "-00")
_EXTEND_YEARS = HORIZON_YEAR + 2


@dataclass
class Period:
    start: int          # UT seconds since 1970 (None for the period before the first transition)
    utoff: int          # total offset, seconds
    isdst: bool
    abbreviation: str = ""
    std: int = 0        # standard offset, seconds
    dst: int = 0        # daylight-saving amount, seconds (>= 0)


@dataclass
class PosixRule:
    """One end of a POSIX TZ daylight-saving rule: Mmonth.week.weekday/time."""
    month: int
    week: int           # 1..4, 5 = last
    weekday: int        # 0 = Sunday .. 6 = Saturday
    seconds: int        # local time of day, may be negative or above 24 h

    def day_in(self, year):
        first_weekday = (calendar.weekday(year, self.month, 1) + 1) % 7  # 0 = Sunday
        day = 1 + (self.weekday - first_weekday) % 7 + 7 * (self.week - 1)
        last = calendar.monthrange(year, self.month)[1]
        while day > last:
            day -= 7
        return day

    def ut(self, year, offset):
        """UT seconds of this rule's moment in a year, for the local offset in force before it."""
        day = self.day_in(year)
        return calendar.timegm((year, self.month, day, 0, 0, 0)) + self.seconds - offset


@dataclass
class Footer:
    std: int                    # standard offset east of UT, seconds
    dst: int = None             # daylight offset, seconds (None: no daylight saving)
    start: PosixRule = None
    end: PosixRule = None


def _parse_offset(text):
    sign = -1 if text.startswith("-") else 1
    parts = [int(p) for p in text.lstrip("+-").split(":")]
    while len(parts) < 3:
        parts.append(0)
    return sign * (parts[0] * 3600 + parts[1] * 60 + parts[2])


_NAME = r"(?:<[^>]*>|[A-Za-z]{3,})"
_OFFSET = r"[+-]?\d+(?::\d+){0,2}"
_FOOTER = re.compile(rf"{_NAME}({_OFFSET})(?:{_NAME}({_OFFSET})?(?:,(M[^,]+),(M[^,]+))?)?")
_RULE = re.compile(rf"M(\d+)\.(\d)\.(\d)(?:/({_OFFSET}))?")


def _parse_rule(text):
    m = _RULE.fullmatch(text)
    if not m:
        raise ValueError(f"unsupported TZ rule {text}")
    seconds = _parse_offset(m.group(4)) if m.group(4) else 7200
    return PosixRule(int(m.group(1)), int(m.group(2)), int(m.group(3)), seconds)


def parse_footer(text):
    """The recurring rule of a TZ string (POSIX offsets count west of UT, so they flip sign)."""
    m = _FOOTER.fullmatch(text)
    if not m:
        raise ValueError(f"unsupported TZ string {text!r}")
    std = -_parse_offset(m.group(1))
    if m.group(3) is None:
        if re.search(rf"{_OFFSET}{_NAME}", text):
            raise ValueError(f"TZ string without rule {text!r}")
        return Footer(std)
    dst = -_parse_offset(m.group(2)) if m.group(2) else std + 3600
    return Footer(std, dst, _parse_rule(m.group(3)), _parse_rule(m.group(4)))


def read_tzif(zone):
    """Transitions [(UT, utoff, isdst, abbreviation)], the initial (utoff, isdst,
    abbreviation) and the footer of a zone."""
    with open(f"{ZONEINFO}/{zone}", "rb") as f:
        data = f.read()
    if data[:4] != b"TZif" or data[4] < ord("2"):
        raise ValueError(f"{zone}: not a version 2+ TZif file")

    def header(at):
        return struct.unpack(">6l", data[at + 20:at + 44])

    isutc, isstd, leap, timecnt, typecnt, charcnt = header(0)
    skip = 44 + timecnt * 5 + typecnt * 6 + charcnt + leap * 8 + isstd + isutc
    isutc, isstd, leap, timecnt, typecnt, charcnt = header(skip)
    at = skip + 44
    times = struct.unpack(f">{timecnt}q", data[at:at + 8 * timecnt])
    at += 8 * timecnt
    indices = data[at:at + timecnt]
    at += timecnt
    raw_types = [struct.unpack(">lBB", data[at + 6 * i:at + 6 * i + 6]) for i in range(typecnt)]
    at += 6 * typecnt
    chars = data[at:at + charcnt]
    at += charcnt + leap * 12 + isstd + isutc
    footer = data[at:].strip(b"\n").decode("ascii")
    types = [(utoff, bool(isdst), chars[a:chars.index(b"\0", a)].decode("ascii")) for utoff, isdst, a in raw_types]
    transitions = [(t,) + types[i] for t, i in zip(times, indices)]
    return transitions, types[0], footer


def _footer_transitions(footer, after, until_year):
    """Transitions generated by the footer rule for the years after a UT moment."""
    if footer.dst is None:
        return []
    out = []
    first_year = max(1970, _year_of(after))
    for year in range(first_year, until_year + 1):
        start = footer.start.ut(year, footer.std)
        end = footer.end.ut(year, footer.dst)
        for t, off, dst in sorted([(start, footer.dst, True), (end, footer.std, False)]):
            if t > after:
                out.append((t, off, dst, ""))
    return out


def _year_of(ut):
    return time.gmtime(ut).tm_year if ut > -2**40 else 1970


def _split_standard(periods):
    """Fill std and dst of each period, keeping every daylight-saving amount >= 0."""
    last_std = None
    for p in periods:
        if not p.isdst:
            last_std = p.utoff
        p.std = p.utoff if not p.isdst else last_std
    next_std = None
    for p in reversed(periods):
        if not p.isdst:
            next_std = p.utoff
        elif p.std is None:
            p.std = next_std if next_std is not None else p.utoff
    negative = [p.isdst and p.utoff < p.std for p in periods]
    for i, p in enumerate(periods):
        if negative[i]:
            p.std = p.utoff
        elif not p.isdst:
            lower = [periods[j].utoff for j in (i - 1, i + 1)
                     if 0 <= j < len(periods) and negative[j] and periods[j].utoff < p.utoff]
            if lower:
                p.std = max(lower)
        p.dst = p.utoff - p.std
    # a daylight period between two flipped ones takes the standard offset of its neighbour
    for i, p in enumerate(periods):
        if p.dst < 0:
            p.std, p.dst = p.utoff, 0


@dataclass
class ZoneHistory:
    zone: str
    periods: list           # Period list, periods[0] has start None (before the first transition)
    footer: Footer
    explicit_count: int     # number of periods that come from explicit transitions


def zone_history(zone):
    transitions, initial, footer_text = read_tzif(zone)
    footer = parse_footer(footer_text)
    last = transitions[-1][0] if transitions else None
    generated = _footer_transitions(footer, last if last is not None else -2**62, _EXTEND_YEARS)
    periods = [Period(None, *initial)]
    for t, off, dst, abbreviation in transitions + generated:
        last_period = periods[-1]
        if off == last_period.utoff and dst == last_period.isdst and \
                (abbreviation == "LMT") == (last_period.abbreviation == "LMT"):
            continue
        periods.append(Period(t, off, dst, abbreviation))
    if not transitions and footer.dst is None:
        periods[0] = Period(None, footer.std, False)
    _split_standard(periods)
    explicit = 1 + sum(1 for p in periods[1:] if last is not None and p.start <= last)
    return ZoneHistory(zone, periods, footer, explicit)


def leading_mean_time(history):
    """Number of periods from the start that keep the place's own local mean time: the
    periods named LMT (or "-00", no time kept) before the first named time; at least the
    one before the first transition."""
    count = 1
    while count < len(history.periods) and history.periods[count].abbreviation in LOCAL_MEAN_TIME:
        count += 1
    return count


def utoff_at(history, ut):
    """Total offset of a zone at a UT moment (seconds)."""
    current = history.periods[0]
    for p in history.periods[1:]:
        if p.start > ut:
            break
        current = p
    return current.utoff
