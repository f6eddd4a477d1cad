#!/usr/bin/env bash
# Runs the test files of one folder (default: the page's) one after another, so that their headless browsers never race,
# with the test runner every Node.js from 18 on has (a concurrency flag needs 20.10).
set -uo pipefail
cd "$(dirname "$0")/.."
status=0
for file in "${1:-Tests/Web}"/*.test.js; do
    node --test "$file" || status=1
done
exit "$status"
