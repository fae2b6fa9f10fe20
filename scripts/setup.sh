#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tavelão
# need, when any is missing. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsqlite3-dev sqlite3 libssl-dev
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev libxkbcommon-dev
  qt6-httpserver-dev qt6-websockets-dev libqrencode-dev chromium
  libespeak-ng-dev espeak-ng-data sox
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation2
  xvfb xauth imagemagick poppler-utils zbar-tools strace
  help2man librsvg2-bin lintian desktop-file-utils appstream
  libpq-dev postgresql
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instalando: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
