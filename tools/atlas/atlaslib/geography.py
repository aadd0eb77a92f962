"""Countries (numbered 1 to 239 in 9 regions) and their provinces (1 to 127 each).

- 246 GeoNames country codes do not fit 239 numbers: the smallest dependent territories
  (FOLDED) become provinces of their sovereign state.
- A GeoNames admin1 area whose places lie in several time zones becomes one province per
  zone: the part where most of its people live keeps the area's plain name, the others
  are named "Area (Zone city)" ("Baden-Württemberg (Büsingen)").
- Slovenia's 212 municipalities are grouped into its 12 statistical regions by the
  committed table slovenia_regions.tsv.
- Places without a known admin1 name belong to no province in a single-zone country and
  to the province "Other places" in a country with several zones (every place there
  needs a province, which carries its zone's history).
"""
from dataclasses import dataclass, field

from .names import normalise_name

MAX_COUNTRIES = 239
MAX_PROVINCES = 127
COUNTRY_NAME_LIMIT = 30
PROVINCE_NAME_LIMIT = 44

# Territories with one place each whose calendar history is their sovereign's.
FOLDED = {"CC": "AU", "CX": "AU", "NF": "AU", "CK": "NZ", "NU": "NZ", "GS": "GB", "GI": "GB"}

OTHER_PLACES = "Other places"


@dataclass
class Province:
    name: str
    zone: str
    split: bool = False         # one of several provinces made from one area by zone
    number: int = 0


@dataclass
class Country:
    codes: list                 # GeoNames codes, the state's own first
    name: str
    region: int
    julian_last: str
    gregorian_first: str
    zones: set = field(default_factory=set)
    provinces: list = field(default_factory=list)
    number: int = 0

    @property
    def multi_zone(self):
        return len(self.zones) > 1


def zone_label(zone, zone_places):
    """The city a zone is named after, spelt as its place in the gazetteer ("Büsingen" for
    Europe/Busingen, from "Büsingen am Hochrhein"), else as in the zone's name."""
    label = zone.rsplit("/", 1)[-1].replace("_", " ")
    key, words = normalise_name(label), len(label.split())
    for p in zone_places:
        start = " ".join(p.name.split()[:words])
        if normalise_name(start) == key and start != label:
            return start
    return label


def _fit(name, limit):
    return name if len(name) <= limit else name[:limit].rstrip(" -,")


def build_countries(places, countries_tsv, country_names):
    """Countries by GeoNames code (a folded territory maps to its sovereign's Country)."""
    by_code = {}
    for code, row in countries_tsv.items():
        if code in FOLDED:
            continue
        name = _fit(country_names.get(code, row["name"]), COUNTRY_NAME_LIMIT)
        by_code[code] = Country([code], name, int(row["region"]), row["julian_last"], row["gregorian_first"])
    for code, sovereign in FOLDED.items():
        by_code[sovereign].codes.append(code)
        by_code[code] = by_code[sovereign]
    states = sorted({id(c): c for c in by_code.values()}.values(), key=lambda c: (c.region, normalise_name(c.name), c.name))
    if len(states) > MAX_COUNTRIES:
        raise ValueError(f"{len(states)} countries do not fit {MAX_COUNTRIES} numbers")
    for number, country in enumerate(states, 1):
        country.number = number
    for p in places:
        by_code[p.country].zones.add(p.zone)
    return by_code


def _province_base(place, country, admin1_names, territory_names, si_regions):
    """Name of the province a place belongs to before the split by zone (None: no province)."""
    if place.country != country.codes[0]:
        return territory_names[place.country]
    if place.country == "SI":
        return si_regions[place.admin1]
    name = admin1_names.get(f"{place.country}.{place.admin1}")
    if name:
        return name
    return OTHER_PLACES if country.multi_zone else None


def assign_provinces(places, countries, admin1_names, territory_names, si_regions):
    """Province of each place (by geonameid): the Province, or None for no province."""
    base_of = {p.geonameid: _province_base(p, countries[p.country], admin1_names, territory_names, si_regions)
               for p in places}
    people = {}         # (country number, area): {zone: inhabitants}
    places_in = {}
    for p in places:
        places_in.setdefault(p.zone, []).append(p)
        zones = people.setdefault((countries[p.country].number, base_of[p.geonameid]), {})
        zones[p.zone] = zones.get(p.zone, 0) + p.population
    provinces = {}
    for (number, base), zones in people.items():
        if base is None:
            continue
        main = min(zones, key=lambda z: (-zones[z], z))
        for zone in zones:
            if zone == main:
                name = _fit(base, PROVINCE_NAME_LIMIT)
            else:
                suffix = f" ({zone_label(zone, places_in[zone])})"
                name = _fit(base, PROVINCE_NAME_LIMIT - len(suffix)) + suffix
            provinces[(number, base, zone)] = Province(name, zone, len(zones) > 1)
    for country in {id(c): c for c in countries.values()}.values():
        own = sorted((pr for (n, _, _), pr in provinces.items() if n == country.number),
                     key=lambda pr: (normalise_name(pr.name), pr.name, pr.zone))
        if len(own) > MAX_PROVINCES:
            raise ValueError(f"{country.name}: {len(own)} provinces")
        for k, province in enumerate(own, 1):
            province.number = k
        country.provinces = own
    return {p.geonameid: (provinces[(countries[p.country].number, base_of[p.geonameid], p.zone)]
                          if base_of[p.geonameid] is not None else None)
            for p in places}
