#!/usr/bin/env bash
# Checks that every C++ source tracked by git is formatted as .clang-format says; prints what
# differs and fails if anything does. Fix a file with: clang-format -i FILE
set -euo pipefail
cd "$(dirname "$0")/.."
formatter="${CLANG_FORMAT:-clang-format}"
if ! git ls-files -z '*.cpp' '*.hpp' '*.h' '*.c' | xargs -0 -r "$formatter" --style=file --dry-run --Werror; then
    echo "check-format: the files above differ from .clang-format ($("$formatter" --version))" >&2
    exit 1
fi
