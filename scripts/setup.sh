#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the sample image need, when missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libfreetype-dev
  googletest libgtest-dev
  xvfb xauth imagemagick
  fontforge-nox fonts-urw-base35 fonts-liberation fonts-dejavu-core fonts-dejavu-extra fonts-noto-core fontconfig
  liblnk-utils poppler-utils
)
[ "${TYPESTOW_EXTRA_PACKAGES:-}" ] && read -r -a extra <<<"$TYPESTOW_EXTRA_PACKAGES" && packages+=("${extra[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
