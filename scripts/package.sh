#!/usr/bin/env bash
# Builds the Debian package build/soccer_<version>_<arch>.deb and lets lintian judge it.
# Install it with: sudo apt install ./build/soccer_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
(cd build && cpack -G DEB)
lintian --display-info --fail-on error,warning build/soccer_*.deb
