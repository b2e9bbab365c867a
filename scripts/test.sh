#!/usr/bin/env bash
# Sets up, builds and runs every test (windows offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd build
QT_QPA_PLATFORM=offscreen STAVOR_NO_OPEN=1 ctest --output-on-failure -j"$(nproc)"
