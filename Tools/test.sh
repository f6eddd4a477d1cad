#!/usr/bin/env bash
# Builds and runs every test: the add-on's suites on both builds through the simulated host,
# the same again under AddressSanitizer and UndefinedBehaviorSanitizer, a short deterministic
# run of the libFuzzer targets (the "fuzz" preset, in build-fuzz/), the add-on's suites built
# with clang and libc++ (the "libcxx" preset, in build-libcxx/), the page's browser
# tests in headless Chromium, the format check of the C++ sources, and the Windows build's
# suites under Wine ("windows" preset, build-windows/). The builds are the presets of
# CMakePresets.json, with warnings as errors.
# Each stage prints its time.
#
#   Tools/test.sh           everything
#   Tools/test.sh --quick   the default build's tests and the page's lint, for the inner loop
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
[ "${1:-}" = "--quick" ] && quick=true
jobs="$(nproc)"
started=$SECONDS
stage_started=$SECONDS
stage_name=""

# stage NAME: ends the running stage (printing its time) and starts the next
stage () {
    [ -z "$stage_name" ] || echo "== ($stage_name: $((SECONDS - stage_started)) s)"
    stage_name="$1"
    stage_started=$SECONDS
    [ -z "$stage_name" ] || echo "== $stage_name"
}

if $quick; then
    stage "build and test"
    cmake --preset default >/dev/null
    cmake --build --preset default -j"$jobs" >/dev/null
    ctest --preset default -j"$jobs"
    stage "the page's lint"
    npm run --silent lint
    stage ""
    echo "== all in $((SECONDS - started)) s"
    exit 0
fi

Tools/setup.sh

stage "build and test"
cmake --preset default >/dev/null
cmake --build --preset default -j"$jobs" >/dev/null
ctest --preset default -j"$jobs"

stage "the host's checks of both add-on builds"
for api in 28 27; do
    build/virel-host validate --addon "build/api$api/VirelPalette.apx"
done

stage "build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs" >/dev/null
ctest --preset sanitize -j"$jobs"

stage "the fuzz targets of the page's JSON arguments: a fixed number of runs with a fixed seed"
Tools/fuzz.sh --check

stage "the add-on's suites built with clang 14 and libc++"
cmake --preset libcxx >/dev/null
cmake --build --preset libcxx -j"$jobs" --target virel-tests >/dev/null
build-libcxx/virel-tests --gtest_brief=1

stage "the page in headless Chromium"
npm run --silent test:web

stage "the sandbox (virel-host serve) over HTTP and end to end in headless Chromium"
npm run --silent test:serve

stage "the Windows build (MinGW-w64) and its tests under Wine"
Tools/test-windows.sh

stage "the C++ sources as .clang-format lays them out"
Tools/check-format.sh

stage ""
echo "== all in $((SECONDS - started)) s"
