#!/usr/bin/env bash
# Builds and runs swe_chart_bench: Swiss Ephemeris computing one chart's bodies
# (with speeds) and houses, per chart, in one process. Needs libswe-dev and
# swe-standard-data (scripts/install-deps.sh installs both).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/swe_chart_bench" "$here/swe_chart_bench.c" $(pkg-config --cflags --libs swe)
"$work/swe_chart_bench"
