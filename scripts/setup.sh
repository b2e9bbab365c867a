#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need (only when one is missing),
# then configures and builds into build/: the given targets, or everything.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config python3 qt6-base-dev libqt6sql6-sqlite qt6-qpa-plugins
          libsqlite3-dev libxlsxwriter-dev libgtest-dev fonts-dejavu-core python3-openpyxl
          qt6-translations-l10n mdbtools-dev mdbtools libminizip-dev sqlite3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "${missing[@]}"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build -j"$(nproc)" "${targets[@]}"
