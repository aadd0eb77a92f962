#!/usr/bin/env python3
"""Unit tests of the atlas builder's parts (no npm sources needed):
    python3 -m unittest discover -s tools/atlas
"""
import datetime
import os
import sys
import unittest
import zoneinfo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from atlaslib.cities import _distinct_alternates, _is_latin_name, build_records, fit_name, whole_minutes  # noqa: E402
from atlaslib.geography import Country, assign_provinces  # noqa: E402
from atlaslib.sources import Place  # noqa: E402
from atlaslib.names import normalise_name, typed_readings  # noqa: E402
from atlaslib.pack import UnitStream, correction_bits, write_rule_block  # noqa: E402
from atlaslib.tzhistory import parse_footer, utoff_at, zone_history  # noqa: E402
from atlaslib.zonerules import (OPEN_END, RowTable, Rule, changeover_rules, season_of,  # noqa: E402
                                season_row, zone_rules)
from check import Stream, load_entry, read_rule_block  # noqa: E402


class NormaliseNameTest(unittest.TestCase):
    def test_saint_and_sankt_abbreviate(self):
        self.assertEqual(normalise_name("Sankt Gallen"), "st gallen")
        self.assertEqual(normalise_name("St. Gallen"), "st gallen")
        self.assertEqual(normalise_name("Saint-Étienne"), "st etienne")

    def test_diacritics_and_ligatures_fold(self):
        self.assertEqual(normalise_name("São Paulo"), normalise_name("Sao Paulo"))
        self.assertEqual(normalise_name("Straße"), "strasse")
        self.assertEqual(normalise_name("Łódź"), "lodz")
        self.assertEqual(normalise_name("Ħamrun"), "hamrun")

    def test_marks_vanish_and_other_units_become_spaces(self):
        for apostrophe in "'’‘ʼʻ`´":
            self.assertEqual(normalise_name(f"Lower Prince{apostrophe}s Quarter"), "lower princes quarter")
        self.assertEqual(normalise_name("S̲h̲ēwah Ǧ x"), "shewah g x")
        self.assertEqual(normalise_name("Αθήνα (Athens) 東京"), "athens")

    def test_cyrillic_schwa_and_han_fold_to_latin(self):
        self.assertEqual(normalise_name("Октябрьский"), "oktyabrskiy")
        self.assertEqual(normalise_name("Əhmədbəyli"), "ahmadbayli")
        self.assertEqual(normalise_name("城郊"), "cheng jiao")

    def test_typed_umlaut_pairs_are_read_shortened(self):
        self.assertEqual(typed_readings("berlin"), ["berlin"])
        self.assertEqual(typed_readings("kankaanpaeae"), ["kankaanpaeae", "kankaanpaa", "kankaanpaea", "kankaanpaae"])
        self.assertEqual(typed_readings("oe ue ae oe ue"), ["oe ue ae oe ue", "o u a o u"])

    def test_only_48_characters_count(self):
        long_name = "a" * 47 + "ß" + "b"
        self.assertEqual(normalise_name(long_name), "a" * 47 + "s")
        self.assertEqual(normalise_name("x" * 60), "x" * 48)


class StreamTest(unittest.TestCase):
    TABLE = [chr(c) for c in range(0x20, 0x20 + 267)]

    def decode(self, stream):
        return Stream(stream.to_bytes(), self.TABLE)

    def test_one_two_and_three_unit_codes_round_trip(self):
        s = UnitStream(self.TABLE)
        s.number(0, 1)
        text = self.TABLE[0] + self.TABLE[45] + self.TABLE[266] + self.TABLE[62]
        at = s.string(text)
        self.assertEqual(self.decode(s).string(at), (text, 1 + 1 + 2 + 3 + 3))

    def test_long_string_has_three_unit_header(self):
        s = UnitStream(self.TABLE)
        text = self.TABLE[1] * 35
        at = s.string(text)
        self.assertEqual(s.units[:3], [31, 0, 5])
        self.assertEqual(self.decode(s).string(at), (text, 38))

    def test_repeated_string_becomes_back_reference(self):
        s = UnitStream(self.TABLE)
        first = s.string("Springfield")
        s.number(7, 3)
        second = s.string("Springfield")
        self.assertEqual(s.position - second, 4)
        self.assertEqual(s.units[second:second + 2], [31, 31])
        self.assertEqual(self.decode(s).string(second), ("Springfield", 4))
        self.assertEqual(self.decode(s).number(second + 2, 2), second - first)

    def test_short_repeat_stays_literal(self):
        s = UnitStream(self.TABLE)
        short = self.TABLE[0] + self.TABLE[1] + self.TABLE[2]
        s.string(short)
        at = s.string(short)
        self.assertEqual(s.units[at:], [3, 0, 1, 2])

    def test_stream_end_padding_is_below_one_unit(self):
        for end in range(100, 140):
            s = UnitStream(self.TABLE)
            s.number(0, s.padding_for_exact_end(end))
            s.units.extend([1] * end)
            self.assertLess(len(s.to_bytes()) * 8 - 5 * len(s.units), 5)


class RuleBlockTest(unittest.TestCase):
    def test_block_round_trip_with_signs(self):
        s = UnitStream([chr(0x41 + i) for i in range(267)])
        s.number(0, 1)
        rules = [Rule(1, datetime.datetime(1752, 9, 3)), Rule(2, datetime.datetime(1752, 9, 14)),
                 Rule(5, datetime.datetime(1883, 11, 18)),
                 Rule(3, datetime.datetime(1883, 11, 18, 12, 0), OPEN_END, -300),
                 Rule(4, datetime.datetime(1918, 3, 31, 3, 0), datetime.datetime(1918, 10, 27, 1, 59), -60),
                 Rule(6, datetime.datetime(2007, 1, 1), OPEN_END, 7)]
        at = write_rule_block(s, rules)
        decoded = read_rule_block(Stream(s.to_bytes(), []), at)
        self.assertEqual(decoded[0], (1, (1752, 9, 3)))
        self.assertEqual(decoded[3], (3, (1883, 11, 18, 12, 0), (2047, 12, 31, 23, 59), -300))
        self.assertEqual(decoded[4][3], -60)
        self.assertEqual(decoded[5][3], 7)
        self.assertEqual(correction_bits(-90), 0x4000 | (1 << 6) | 30)


class ZoneRulesTest(unittest.TestCase):
    def check_zone(self, zone, moments):
        rows = RowTable()
        rules = [tuple(self.as_tuple(r)) for r in zone_rules(zone_history(zone), rows)]
        table = {r[0]: list(r) for r in rows.rows}
        info = zoneinfo.ZoneInfo(zone)
        for moment in moments:
            zone_min, dst, lmt = load_entry([rules], table, moment)
            self.assertFalse(lmt)
            expected = moment.replace(tzinfo=info).utcoffset().total_seconds() / 60
            self.assertEqual(zone_min - dst, round(expected), f"{zone} {moment}")

    @staticmethod
    def as_tuple(rule):
        if rule.kind in (1, 2, 5):
            return (rule.kind, (rule.start.year, rule.start.month, rule.start.day))
        return (rule.kind, (rule.start.year, rule.start.month, rule.start.day, rule.start.hour, rule.start.minute),
                (rule.end.year, rule.end.month, rule.end.day, rule.end.hour, rule.end.minute), rule.value)

    def test_northern_rule_after_2047(self):
        self.check_zone("Europe/Berlin", [datetime.datetime(y, m, 15, 12) for y in (1944, 1980, 2030, 2100) for m in (1, 7)])

    def test_southern_season_covers_january(self):
        self.check_zone("Australia/Sydney", [datetime.datetime(y, m, 15, 12) for y in (2010, 2050, 2129) for m in (1, 3, 7, 11)])

    def test_negative_saving_becomes_positive_summer_time(self):
        history = zone_history("Europe/Dublin")
        self.assertTrue(all(p.dst >= 0 for p in history.periods))
        self.check_zone("Europe/Dublin", [datetime.datetime(2020, m, 15, 12) for m in (1, 7)])

    def test_rows_only_for_expressible_rules(self):
        self.assertEqual(season_row(season_of(parse_footer("EST5EDT,M3.2.0,M11.1.0"))), (2, 7, 3, 2, 0, 1, 7, 11, 2, 0, 1))
        self.assertEqual(season_row(season_of(parse_footer("IST-1GMT0,M10.5.0,M3.5.0/1"))), (4, 7, 3, 1, 0, 4, 7, 10, 2, 0, 1))
        self.assertIsNone(season_row(season_of(parse_footer("IST-2IDT,M3.4.4/26,M10.5.0"))))
        self.assertIsNone(season_row(season_of(parse_footer("<-02>2<-01>,M3.5.0/-1,M10.5.0/0"))))
        self.assertIsNone(season_of(parse_footer("<+03>-3")))

    def test_only_lmt_is_local_mean_time(self):
        # Paris Mean Time 1891-1911, Kyiv Mean Time 1880-1924: legal time of the whole
        # country, not the place's own mean time (same offset as the LMT before it);
        # Lagos kept its mean time again 1908-1914 after GMT.
        for zone, moment, expected in [("Europe/Paris", datetime.datetime(1890, 6, 1, 12), "LMT"),
                                       ("Europe/Paris", datetime.datetime(1902, 6, 1, 12), 9),
                                       ("Europe/Kyiv", datetime.datetime(1907, 6, 1, 12), 122),
                                       ("Europe/Warsaw", datetime.datetime(1912, 6, 1, 12), 84),
                                       ("Africa/Lagos", datetime.datetime(1910, 6, 1, 12), 14),
                                       ("Africa/Lagos", datetime.datetime(1904, 6, 1, 12), "LMT")]:
            rows = RowTable()
            rules = [tuple(self.as_tuple(r)) for r in zone_rules(zone_history(zone), rows)]
            zone_min, dst, lmt = load_entry([rules], {r[0]: list(r) for r in rows.rows}, moment)
            self.assertEqual("LMT" if lmt else zone_min - dst, expected, f"{zone} {moment}")

    def test_history_matches_zoneinfo(self):
        history = zone_history("America/New_York")
        for ut in (-2_000_000_000, 0, 1_700_000_000, 4_000_000_000):
            moment = datetime.datetime(1970, 1, 1, tzinfo=datetime.timezone.utc) + datetime.timedelta(seconds=ut)
            expected = moment.astimezone(zoneinfo.ZoneInfo("America/New_York")).utcoffset().total_seconds()
            self.assertEqual(utoff_at(history, ut), expected)


class CalendarAndPlacesTest(unittest.TestCase):
    def test_changeover_gap_is_the_skipped_dates(self):
        first, gregorian = changeover_rules("1752-09-02", "1752-09-14")
        self.assertEqual((first.kind, first.start.date()), (1, datetime.date(1752, 9, 3)))
        self.assertEqual((gregorian.kind, gregorian.start.date()), (2, datetime.date(1752, 9, 14)))
        self.assertEqual(changeover_rules("", "2016-10-01"), [])

    def test_coordinates_round_to_whole_minutes(self):
        self.assertEqual(whole_minutes(48.1374), (48, 8, False))
        self.assertEqual(whole_minutes(-0.004), (0, 0, False))
        self.assertEqual(whole_minutes(-33.99999), (34, 0, True))

    def test_alternates_keep_the_native_spelling_once(self):
        place = Place(1, "Munich", "Munich", ["Munchen", "München", "MUC", "Munich", "Monaco di Baviera"],
                      48.1, 11.6, "DE", "02", 1_500_000, "Europe/Berlin", "2023-01-01")
        table = set("MunichöüeodBavra ")
        self.assertEqual(_distinct_alternates(place, "munich", table), ["München", "Monaco di Baviera"])
        place.population = 99_999
        self.assertEqual(_distinct_alternates(place, "munich", table), [])

    def test_every_spelling_finds_the_place(self):
        # Stored by the ASCII spelling when the table lacks a letter; the native name and
        # GeoNames' ASCII spelling each find a record (by a reading or an extra record).
        table = set("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz '-öäá")
        cases = [("Kankaanpää", "Kankaanpaeae", ["Kankaanpää"]),
                 ("Žďár", "Zgar", ["Zdár", "Zgar"]),
                 ("Mýto pod Ďumbierom", "Myto pod DZumbierom", ["Myto pod Dumbierom", "Myto pod DZumbierom"]),
                 ("Октябрьский", "Oktjabr'skij", ["Oktjabr'skij", "Oktyabrskiy"]),
                 ("Ak”yar", "", ["Akyar"])]
        self.assertEqual(fit_name("Gǝncǝ Ŏtâr", table), "Ganca Otar")     # no letter dropped
        for name, ascii_name, stored in cases:
            place = Place(1, name, ascii_name, [], 50.0, 10.0, "DE", "01", 500, "Europe/Berlin", "2023-01-01")
            records = build_records([place], {1: None}, {"DE": Country(["DE"], "Germany", 6, "", "")}, table)
            self.assertEqual([r.name for r in records], stored)
            keys = {r.key for r in records}
            for typed in (name, ascii_name or name):
                self.assertTrue(any(k in keys for k in typed_readings(normalise_name(typed))), typed)

    def test_split_province_keeps_its_name_where_most_live(self):
        germany = Country(["DE"], "Germany", 6, "", "", {"Europe/Berlin", "Europe/Busingen"})

        def place(i, name, zone, people):
            return Place(i, name, name, [], 48.0, 9.0, "DE", "01", people, zone, "2023-01-01")
        places = [place(1, "Ulm", "Europe/Berlin", 126_000), place(2, "Büsingen", "Europe/Busingen", 1_500),
                  place(3, "Stuttgart", "Europe/Berlin", 630_000)]
        provinces = assign_provinces(places, {"DE": germany}, {"DE.01": "Baden-Württemberg"}, {}, {})
        self.assertEqual([provinces[i].name for i in (1, 2, 3)],
                         ["Baden-Württemberg", "Baden-Württemberg (Büsingen)", "Baden-Württemberg"])

    def test_alternate_name_filter(self):
        self.assertTrue(_is_latin_name("München"))
        self.assertTrue(_is_latin_name("Saint-Étienne"))
        for junk in ("MUC", "muenchen", "Moskva 2", "Москва", "www.wien.at", "X"):
            self.assertFalse(_is_latin_name(junk), junk)


if __name__ == "__main__":
    unittest.main()
