#!/usr/bin/env bash
# Installs what building and testing VirelPalette needs on Debian 12, from a bare system up:
# the compiler, CMake, the libraries, clang-format for the format check, clang and its
# libFuzzer and sanitizer runtimes for the fuzz targets, Chromium for the
# page's tests, Node.js and the page's npm packages; MinGW-w64 and Wine for the Windows build,
# GoogleTest's sources, and libc++ for the libc++ build. Safe to run again; it installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ make cmake pkg-config nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev libboost1.81-dev
          libpng-dev zlib1g-dev chromium ca-certificates clang-format clang-14 libclang-rt-14-dev
          g++-mingw-w64-x86-64-posix wine wine64 googletest libc++-14-dev libc++abi-14-dev)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# the page's tools and its colour range (generated, not kept in the repository)
if [ ! -d node_modules ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
    npm ci --no-audit --no-fund --loglevel=error
fi
node Tools/Range/make-range.js --if-missing
