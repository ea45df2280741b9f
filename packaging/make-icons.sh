#!/usr/bin/env bash
# Makes the PNG sizes of the program's icon from icons/fortunara.svg (tools/install-deps.sh
# pacchetto installs rsvg-convert). The PNGs are committed, so the build does not need it.
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" fortunara.svg -o "fortunara-$size.png"
done
