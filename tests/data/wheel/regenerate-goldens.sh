#!/usr/bin/env bash
# Rewrites the wheel screenshots the golden tests compare with
# (tests/data/wheel/*.png) from the current build. Run it on purpose, after
# a deliberate change of how the wheel looks, and look at the new pictures
# before committing them.
set -euo pipefail
cd "$(dirname "$0")/../../.."
build=${BUILD:-build}
cmake --build "$build" -j2 --target test_wheel
rm -f tests/data/wheel/*.png
ORRERY_REGENERATE_GOLDENS=1 "$build/bin/test_wheel" --gtest_filter='*WheelGolden*'
ls tests/data/wheel/*.png | wc -l
