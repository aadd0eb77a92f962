#!/usr/bin/env bash
# Regenerates tests/data/chart/swe_houses.txt: house frames over the whole
# latitude range the program accepts (77 S to 77 N, with the polar circles
# and their fallbacks and turns), plus the frames of real charts when
# orrery-cli is built, run through Swiss Ephemeris' swe_houses_armc.
#
# Needs libswe-dev (scripts/install-deps.sh installs it); run from anywhere:
#   tools/swe_houses/generate.sh [path/to/orrery-cli]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$root/tests/data/chart/swe_houses.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cc -O2 -o "$work/swe_houses_reference" "$here/swe_houses_reference.c" $(pkg-config --cflags --libs swe)

python3 "$here/frames.py" "${1:-}" > "$work/frames.txt"
"$work/swe_houses_reference" < "$work/frames.txt" > "$out"
echo "wrote $(grep -vc '^#' "$out") frames to $out"
