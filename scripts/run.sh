#!/usr/bin/env bash
# Installs what is missing, builds, creates the default system image when there is none, and starts
# the program. Without a display it starts a virtual one, saves a screenshot and keeps running.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
build="$(pwd)/${TYPESTOW_BUILD_DIR:-build}"
root="${TYPESTOW_SYSTEM:-${XDG_DATA_HOME:-$HOME/.local/share}/typestow/system}"
export TYPESTOW_SYSTEM="$root"
if [ ! -f "$root/system.ini" ]; then
  echo "Creating the default system image in $root"
  "$build/typestow-system" init
  [ -x scripts/sample-fonts.sh ] || [ -f scripts/sample-fonts.sh ] && bash scripts/sample-fonts.sh "$root"
fi
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
if [ -z "${DISPLAY:-}" ] && [ "${TYPESTOW_UI:-}" != console ]; then
  shot="${TYPESTOW_SCREENSHOT:-$(pwd)/typestow-screenshot.png}"
  echo "No display: starting a virtual display (Xvfb) for the program"
  export TYPESTOW_SCREENSHOT="$shot"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/typestow" "$@"
fi
exec "$build/typestow" "$@"
