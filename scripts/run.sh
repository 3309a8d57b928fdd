#!/usr/bin/env bash
# Builds soccer and starts it in its program folder (build/bin/), where option.dat, help.html
# and a sample table lie beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build/bin
exec ./soccer "$@"
