#!/bin/sh
# Rebuild data/atlas/ and tests/data/atlas/tz_truth.tsv from the pinned sources.
# Needs Node.js/npm (to fetch the pinned packages), Python 3.11 and Debian's tzdata.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
npm ci --ignore-scripts --no-audit --no-fund >/dev/null
python3 build.py
if [ "${1:-}" = "--check" ]; then
    python3 -m unittest discover -s . -q
    python3 check.py
fi
