#!/usr/bin/env bash
# Sets up, builds and starts Stavor. The program folder is run/ in the checkout unless --home is
# given; further arguments (for example --demo) go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh stavor
args=("$@")
[[ " ${args[*]-} " == *" --home "* ]] || args=(--home "$PWD/run" "${args[@]}")
exec build/src/stavor "${args[@]}"
