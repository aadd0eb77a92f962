#!/usr/bin/env bash
# Rewrites the screenshots the golden tests compare with (tests/data/shell/*.png)
# from the current build. Run it on purpose, after a deliberate change of how
# the views look, and review the new pictures before committing them.
set -euo pipefail
cd "$(dirname "$0")/../../.."
build=${BUILD:-build}
cmake --build "$build" -j2 --target test_shell
rm -f tests/data/shell/sample*.png
ORRERY_REGENERATE_GOLDENS=1 "$build/bin/test_shell" --gtest_filter='TextViews/GoldenTest.*'
ls tests/data/shell/*.png | wc -l
