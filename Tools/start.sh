#!/usr/bin/env bash
# Builds everything and runs the simulated host on the example scenario: the add-on is
# loaded, its palette opened from the menu, hidden, shown, destroyed, and the add-on
# unloaded. The transcript is everything the host saw.
set -euo pipefail
cd "$(dirname "$0")/.."
Tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" >/dev/null
echo "== build/virel-host run Examples/palette-life.scenario (add-on: build/api28/VirelPalette.apx)"
build/virel-host run Examples/palette-life.scenario
