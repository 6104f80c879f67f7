#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
build="${TYPESTOW_BUILD_DIR:-build}"
if command -v clang-format >/dev/null; then
  unformatted=$(git ls-files '*.cpp' '*.h' 2>/dev/null | xargs -r clang-format --dry-run 2>&1 | grep -c 'warning:' || true)
  if [ "$unformatted" != 0 ]; then
    echo "clang-format would change $unformatted places: run clang-format -i on the files it names" >&2
    exit 1
  fi
fi
cd "$build"
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" --timeout 300
