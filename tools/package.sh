#!/usr/bin/env bash
# Builds the program and its Debian package: build/fortunara_<version>_amd64.deb, to be installed
# with `sudo apt install ./build/fortunara_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
(cd build && cpack -G DEB -B "$PWD" >/dev/null)
ls build/fortunara_*.deb
