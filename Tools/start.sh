#!/usr/bin/env bash
# Builds everything and starts the sandbox: the real add-on and its page in a browser, beside a
# 3D view of a demo house, at http://127.0.0.1:8080/ (Ctrl-C stops it).
#   Tools/start.sh [--port N]     the sandbox (virel-host serve)
#   Tools/start.sh --example      instead, the transcript of Examples/palette-life.scenario
set -euo pipefail
cd "$(dirname "$0")/.."
Tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" >/dev/null
if [ "${1:-}" = "--example" ]; then
    echo "== build/virel-host run Examples/palette-life.scenario (add-on: build/api28/VirelPalette.apx)"
    exec build/virel-host run Examples/palette-life.scenario
fi
echo "== build/virel-host serve $* (add-on: build/api28/VirelPalette.apx, project: Examples/demo-house.scenario)"
echo "== the sandbox answers at the URL below; its transcript follows. Ctrl-C stops it."
exec build/virel-host serve "$@"
