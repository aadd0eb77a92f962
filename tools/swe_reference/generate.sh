#!/usr/bin/env bash
# Rebuilds tests/data/astro/swiss_ephemeris_reference.csv from the Swiss
# Ephemeris (Debian libswe-dev + swe-standard-data). Not part of the build:
# the tests read the committed file.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cc -O2 -Wall -Wextra -o "$work/swe_reference" "$root/tools/swe_reference/swe_reference.c" \
  $(pkg-config --cflags --libs swe) -lm
"$work/swe_reference" > "$root/tests/data/astro/swiss_ephemeris_reference.csv"
echo "wrote tests/data/astro/swiss_ephemeris_reference.csv"
