#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its bundled archive.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target fortunara
exec build/app/fortunara "$@"
