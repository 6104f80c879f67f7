#!/usr/bin/env bash
# Configures and builds into build/ (or $TYPESTOW_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TYPESTOW_BUILD_DIR:-build}"
jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${TYPESTOW_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build" -j "$jobs"
