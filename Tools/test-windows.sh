#!/usr/bin/env bash
# The Windows build (preset "windows", build-windows/): builds it, shows what the add-on files
# export and import and the types of their resources, and runs its tests under Wine with one wineserver for the whole stage.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs" >/dev/null

for api in 28 27; do
    echo "build-windows/api$api/VirelPalette.apx:"
    x86_64-w64-mingw32-objdump -p "build-windows/api$api/VirelPalette.apx" |
        sed -n -e 's/^\tDLL Name: /  imports /p' -e '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *[0-9]*\] /  exports /p' \
            -e 's/^[0-9a-f]\{3\}   Entry: name: \[[^]]*\]: \([A-Z]*\),.*/  resources of type \1/p' \
            -e 's/^[0-9a-f]\{3\}   Entry: ID: 0x000003,.*/  resources of type RT_ICON/p' \
            -e 's/^[0-9a-f]\{3\}   Entry: ID: 0x00000e,.*/  resources of type RT_GROUP_ICON/p'
done

export WINEPREFIX="$PWD/build-windows/wine"
export LC_ALL=C.UTF-8   # Wine's Unix file names in UTF-8, whatever the machine's locale (see wine-run.sh)
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
export WINEARCH=win64
# the first start makes the prefix; then one server serves every program of the stage (it
# needs the prefix's folder, which a fresh machine has only after that start)
Tools/wine-run.sh cmd /c exit >/dev/null 2>&1 || true
wineserver -p || true   # (a server of this prefix may already be running)
trap 'wineserver -k || true' EXIT
ctest --preset windows

# validate passes on both add-on builds under Wine (a child process per check, as on Linux)
for api in 28 27; do
    if ! report="$(Tools/wine-run.sh build-windows/virel-host.exe validate --addon "Z:$PWD/build-windows/api$api/VirelPalette.apx" | tr -d '\r')"; then
        echo "$report" >&2
        echo "test-windows: validate fails the API $api add-on under Wine" >&2
        exit 1
    fi
    echo "validate build-windows/api$api/VirelPalette.apx under Wine: ${report##*$'\n'}"
done

# the Examples' transcripts under Wine equal the Linux build's (build/, made by the stage
# before), the page's address aside, which names the build folder
if [ -x build/virel-host ]; then
    url='s#"file://[^"]*/api[0-9]*/web/index.html"#"PAGE"#'
    for scenario in Examples/*.scenario; do
        for api in 28 27; do
            if ! diff <(build/virel-host run --addon "build/api$api/VirelPalette.apx" "$scenario" | sed "$url") \
                      <(Tools/wine-run.sh build-windows/virel-host.exe run --addon "build-windows/api$api/VirelPalette.apx" "$scenario" | sed "$url"); then
                echo "test-windows: the transcript of $scenario (API $api) under Wine differs from Linux's" >&2
                exit 1
            fi
        done
    done
    echo "the Examples' transcripts under Wine equal Linux's (both add-on builds)"
fi

# the Windows sandbox (virel-host.exe serve under Wine) answered by headless Chromium on Linux:
# the user opens the palette, imports colours and paints a wall (needs the page's node_modules,
# installed by the stages before)
if [ -d node_modules/playwright-core ]; then
    VIREL_SANDBOX=wine VIREL_BUILD=build-windows node --test --test-reporter=dot \
        --test-name-pattern 'paints a wall with an imported colour' Tests/Serve/sandbox-e2e.test.js
    echo "the Windows sandbox under Wine passes the end-to-end test in headless Chromium (both add-on builds)"
fi
