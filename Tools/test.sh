#!/usr/bin/env bash
# Builds and runs every test: the add-on's suites on both builds through the simulated host,
# the same again under AddressSanitizer and UndefinedBehaviorSanitizer, and the page's
# browser tests in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
Tools/setup.sh
jobs="$(nproc)"

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs" >/dev/null
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVIREL_SANITIZE=ON -DVIREL_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$jobs" >/dev/null
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

echo "== the page in headless Chromium"
npm run --silent test:web

echo "== the sandbox (virel-host serve) over HTTP and end to end in headless Chromium"
npm run --silent test:serve
