#!/usr/bin/env python3
"""House frames for swe_houses_reference: lst (s), obliquity (rad), latitude
degrees, minutes, north. A grid over the latitudes the program accepts, random
frames (fixed seed), and, given an orrery-cli binary, the frames of real charts
(their own lst, obliquity and corrected latitude)."""
import json
import random
import subprocess
import sys

OBLIQUITY_2000 = 0.40909280422232897

# Latitudes (degrees, minutes): the equator, every 5 degrees, and the polar
# circles closely (Placidus and Koch fall back to Porphyry from 66 deg 34').
LATITUDES = [(0, 0)] + [(d, 0) for d in range(5, 65, 5)] + [
    (63, 0), (65, 0), (66, 0), (66, 20), (66, 30), (66, 33), (66, 34), (66, 40),
    (67, 0), (68, 0), (70, 0), (72, 0), (75, 0), (77, 0)]
# RAMC 0, 90, 180 and 270 degrees exactly, and two others.
SIDEREAL_TIMES = [0.0, 21600.0, 43200.0, 64800.0, 9876.5, 58000.125]

# Real places, as orrery-cli chart options: the sample charts and charts at
# high latitudes north and south.
CHARTS = [
    "--date 1999-08-11 --time 13:03 --lat 45N06 --lon 24E22 --zone +2:00 --dst -1:00 --corr 7,km,WSW",
    "--date 1879-03-14 --time 11:30 --lat 48N24 --lon 10E00 --local-time",
    "--date 1929-05-04 --time 03:00 --lat 50N50 --lon 4E20 --dst -1:00",
    "--date 1869-10-02 --time 07:08 --lat 21N38 --lon 69E36 --local-time",
    "--date 1919-05-07 --time 04:17 --lat 22S18 --lon 64W41 --zone -5:00",
    "--date 1985-12-21 --time 10:15 --lat 69N39 --lon 18E57 --zone +1:00",
    "--date 2003-06-21 --time 23:40 --lat 66N33 --lon 25E43 --zone +2:00 --dst -1:00",
    "--date 1957-02-02 --time 06:00 --lat 77S00 --lon 166E40 --zone +12:00",
    "--date 2024-03-20 --time 12:00 --lat 0N00 --lon 0E00",
    "--date 1700-01-01 --time 00:00 --lat 64S50 --lon 63W30 --julian",
]


def frame(lst, obliquity, minutes_signed):
    m = abs(minutes_signed)
    return f"{lst!r} {obliquity!r} {m // 60} {m % 60} {1 if minutes_signed >= 0 else 0}"


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else ""
    print("# lst obliquity latDegrees latMinutes north, then asc mc cusp1..12 (degrees)")
    print("# for Placidus Koch Equal Vehlow Campanus Regiomontanus Porphyry")
    print("# grid")
    for degrees, minutes in LATITUDES:
        for sign in ([1] if degrees == 0 and minutes == 0 else [1, -1]):
            for lst in SIDEREAL_TIMES:
                print(frame(lst, OBLIQUITY_2000, sign * (degrees * 60 + minutes)))
    rng = random.Random(20240611)
    print("# random frames")
    for _ in range(80):
        print(frame(rng.uniform(0, 86400), rng.uniform(0.4086, 0.4095), rng.randint(-77 * 60, 77 * 60)))
    print("# random frames just inside the polar circles")
    for _ in range(40):
        print(frame(rng.uniform(0, 86400), OBLIQUITY_2000,
                    rng.choice([1, -1]) * rng.randint(65 * 60, 66 * 60 + 33)))
    if cli:
        print("# charts")
        for options in CHARTS:
            result = subprocess.run([cli, "chart", "--name", "frame", *options.split(), "--json"],
                                    check=True, capture_output=True, text=True)
            chart = json.loads(result.stdout)
            corrected = chart["corrected"]
            latitude = corrected["latDeg"] * 60 + corrected["latMin"]
            print(frame(chart["lst"], chart["obliquity"], latitude if corrected["north"] else -latitude))


main()
