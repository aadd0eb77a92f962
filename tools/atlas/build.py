#!/usr/bin/env python3
"""Build data/atlas/ (atlas.bin, char_table.inc, dst_rules.inc, manifest.txt, NOTICE) and the
time-zone truth fixture tests/data/atlas/tz_truth.tsv from the pinned public sources.

Usage: tools/atlas/build.sh (installs the npm sources, then runs this script).
"""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from atlaslib import sources  # noqa: E402
from atlaslib.cities import alternate_candidates, build_records, choose_char_table, fit_name, main_name  # noqa: E402
from atlaslib.fixture import write_fixture  # noqa: E402
from atlaslib.geography import (COUNTRY_NAME_LIMIT, FOLDED, PROVINCE_NAME_LIMIT, assign_provinces,  # noqa: E402
                                build_countries)
from atlaslib.pack import EMPTY_LIST, Heap, UnitStream, immediate, write_rule_block, IMMEDIATE_LIMIT, RAW_LIMIT  # noqa: E402
from atlaslib.outputs import write_outputs  # noqa: E402
from atlaslib.tzhistory import zone_history  # noqa: E402
from atlaslib.zonerules import RowTable, changeover_rules, zone_rules  # noqa: E402

ROOT_SIZE = 243
INDEX_STEP = 10
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def read_geography(places):
    """Countries by code, the province of every place (by geonameid) and the sovereign
    states in number order, from the places and the committed tables."""
    countries_tsv = sources.read_countries()
    country_names = sources.read_country_names()
    countries = build_countries(places, countries_tsv, country_names)
    territory_names = {code: country_names.get(code, countries_tsv[code]["name"]) for code in FOLDED}
    provinces = assign_provinces(places, countries, sources.read_admin1_names(), territory_names,
                                 sources.read_slovenia_regions())
    states = sorted({id(c): c for c in countries.values()}.values(), key=lambda c: c.number)
    return countries, provinces, states


def fit_area_names(states, table_set):
    """Country and province names in their stored form (table characters, length limits)."""
    for country in states:
        country.name = fit_name(country.name, table_set)[:COUNTRY_NAME_LIMIT]
        for province in country.provinces:
            province.name = fit_name(province.name, table_set)[:PROVINCE_NAME_LIMIT]


def country_blocks(country, zone_rule_lists):
    """(country rules, {province number: zone}) following the single/multi-zone layout."""
    calendar = changeover_rules(country.julian_last, country.gregorian_first)
    if not country.multi_zone:
        (zone,) = country.zones
        return calendar + zone_rule_lists[zone], {}
    return calendar, {pr.number: pr.zone for pr in country.provinces}


def write_header_part(stream, states, zone_rule_lists):
    """Names and rule blocks of every country and province; returns their positions."""
    stream.number(0, 1)                         # position 0 means "none"
    layout = {}
    for country in states:
        name_at = stream.string(country.name)
        province_names = [stream.string(pr.name) for pr in country.provinces]
        layout[country.number] = [name_at, province_names]
    zone_block_at = {}
    for country in states:
        rules, province_zones = country_blocks(country, zone_rule_lists)
        block_at = write_rule_block(stream, rules) if rules else 0
        province_blocks = []
        for pr in country.provinces:
            zone = province_zones.get(pr.number)
            if zone is not None and zone not in zone_block_at:
                zone_block_at[zone] = write_rule_block(stream, zone_rule_lists[zone])
            province_blocks.append(zone_block_at[zone] if zone is not None else 0)
        layout[country.number] += [block_at, province_blocks]
    if stream.position > IMMEDIATE_LIMIT:
        raise ValueError("names and rule blocks exceed immediate-integer positions")
    return layout


def write_cities(stream, records):
    """All city records back to back; returns the CityIndex (position of every 10th)."""
    index = []
    stream.forget_literals()
    for i, r in enumerate(records):
        if i % INDEX_STEP == 0:
            index.append(stream.position)
        stream.number((r.province << 8) | r.country, 3)
        for degrees, minutes, negative in (r.latitude, r.longitude):
            stream.number((degrees << 6) | minutes | (0x4000 if negative else 0), 3)
        stream.string(r.name)
    if stream.position > RAW_LIMIT:
        raise ValueError("city records exceed 24-bit positions")
    return index


def record_units(stream, records):
    """Units the city records will occupy (dry run on a scratch stream)."""
    scratch = UnitStream([])
    scratch.code_of = stream.code_of
    write_cities(scratch, records)
    return scratch.position


def build_heap(stream, states, layout, index):
    heap = Heap()
    root = heap.reserve_vector(ROOT_SIZE)
    for country in states:
        name_at, province_names, block_at, province_blocks = layout[country.number]
        entries = [EMPTY_LIST] + [heap.vector([immediate(n), immediate(b)])
                                  for n, b in zip(province_names, province_blocks)]
        entry = heap.vector([immediate(country.region), immediate(name_at), heap.vector(entries), immediate(block_at)])
        heap.set_element(root, country.number, entry)
    heap.set_element(root, 242, heap.vector(index))
    heap.set_element(root, 0, heap.string_bytes(stream.to_bytes()))
    return heap.finish()


def main():
    started = time.time()
    places = sources.read_places()
    countries, provinces, states = read_geography(places)

    names = [main_name(p) for p in places] + [a for p in places for a in alternate_candidates(p)]
    names += [c.name for c in states] + [pr.name for c in states for pr in c.provinces]
    char_table = choose_char_table(names)
    fit_area_names(states, set(char_table))
    records = build_records(places, provinces, countries, set(char_table))

    rows = RowTable()
    histories = {zone: zone_history(zone) for zone in sorted({p.zone for p in places})}
    zone_rule_lists = {zone: zone_rules(h, rows) for zone, h in histories.items()}

    stream = UnitStream(char_table)
    layout = write_header_part(stream, states, zone_rule_lists)
    end = stream.position + record_units(stream, records)
    stream.number(0, stream.padding_for_exact_end(end))
    index = write_cities(stream, records)
    blob = build_heap(stream, states, layout, index)

    data_date = max(p.modified for p in places)
    summary = write_outputs(REPO, blob, char_table, rows, states, records, index, histories, data_date)
    split = {(c.number, pr.number) for c in states for pr in c.provinces if pr.split}
    pairs = write_fixture(REPO, records, histories, split)
    print(f"{summary} truth_pairs={pairs} build_seconds={time.time() - started:.0f}")


if __name__ == "__main__":
    main()
