#!/usr/bin/env bash
# Builds and runs every test: the add-on's suites on both builds through the simulated host,
# the same again under AddressSanitizer and UndefinedBehaviorSanitizer, a short deterministic
# run of the libFuzzer targets (the "fuzz" preset, in build-fuzz/), the page's browser
# tests in headless Chromium, and the format check of the C++ sources. The builds are the
# presets of CMakePresets.json ("default" in build/, "sanitize" in build-sanitize/), with
# warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
Tools/setup.sh
jobs="$(nproc)"

echo "== build and test"
cmake --preset default >/dev/null
cmake --build --preset default -j"$jobs" >/dev/null
ctest --preset default -j"$jobs"

echo "== the host's checks of both add-on builds"
for api in 28 27; do
    build/virel-host validate --addon "build/api$api/VirelPalette.apx"
done

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs" >/dev/null
ctest --preset sanitize -j"$jobs"

echo "== the fuzz targets of the page's JSON arguments: a fixed number of runs with a fixed seed"
Tools/fuzz.sh --check

echo "== the page in headless Chromium"
npm run --silent test:web

echo "== the sandbox (virel-host serve) over HTTP and end to end in headless Chromium"
npm run --silent test:serve

echo "== the C++ sources as .clang-format lays them out"
Tools/check-format.sh
