#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need (and, with the word
# "pacchetto", the tools that make the icons and check the package; with "fuzz", clang and libFuzzer
# for tools/fuzz.sh).
# Packages already present are skipped, so a second run costs nothing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
    libfluidsynth-dev timgm6mb-soundfont
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core poppler-utils clang-format clang-tidy ccache time xvfb xauth
    desktop-file-utils appstream
)
# By hand, for whoever makes the icons or checks the package (lintian, a clean Debian in a folder):
# tools/install-deps.sh pacchetto
if [ "${1:-}" = pacchetto ]; then
    packages+=(lintian librsvg2-bin debootstrap)
fi
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libfuzzer-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
echo "Installazione dei pacchetti mancanti: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
