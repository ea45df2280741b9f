#!/usr/bin/env bash
# Makes the sound files of the program folder in assets/ and keeps the manual in its file format.
# The results are committed, so a build needs none of the tools used here; run this by hand
# after changing a text or the tune:
#
#   tools/make-assets.sh [suoni|musica|manuale|matrici|tutto]    (default: tutto)
#
#   suoni    POP.WAV (the click, also as SUONI/pop.WAV) and PARLATO1.wav to PARLATO8.wav (the greeting, the tab names)
#   musica   SONG.mid, from tools/make_song.py
#   manuale  manuale.txt: line ends made CR LF, checked to be plain Windows-1252 text
#   matrici  the starter library matrion/*.SIS and matrion/SISTEMI.TXT, developed by the program's
#            own code (tools/starter_library.cpp, built in $BUILD_DIR, default build), then the
#            optimized matrices for 7 to 20 numbers (tools/optimized_library.cpp: a fixed seed and
#            count of moves, so the same files on every machine; about 3 minutes of CPU)
#
# Needs espeak-ng, sox and python3; when one is missing it is installed with apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."
assets=assets
what=${1:-tutto}

# What the voice says: the greeting, then the names of tabs 0 to 6 of the main window.
spoken=(
    "Benvenuti in Fortunara"
    "Archivio estrazioni"
    "Ricerca numeri"
    "Statistiche"
    "Tabella combinazioni"
    "Sistemi e metodi"
    "Previsione"
    "Aggiornamento archivio"
)

need_tools() {
    local missing=()
    command -v espeak-ng >/dev/null || missing+=(espeak-ng)
    command -v sox >/dev/null || missing+=(sox)
    command -v python3 >/dev/null || missing+=(python3)
    [ ${#missing[@]} -eq 0 ] && return
    local as_root=()
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

make_sounds() {
    local work
    work=$(mktemp -d)
    trap 'rm -rf "$work"' RETURN

    # The click: a short falling tone with a fast attack and decay, mono 22 kHz.
    sox -D -R -n -r 22050 -c 1 -b 16 "$assets/POP.WAV" synth 0.06 sine 1400:500 fade q 0.002 0.06 0.05 gain -4
    echo "$assets/POP.WAV"
    # The method window's check plays the same click from its own folder.
    mkdir -p "$assets/SUONI"
    cp "$assets/POP.WAV" "$assets/SUONI/pop.WAV"
    echo "$assets/SUONI/pop.WAV"

    # Speech: espeak-ng's Italian voice, a little slow and clear, trimmed, normalised, mono 16 kHz.
    local i
    for i in "${!spoken[@]}"; do
        local out="$assets/PARLATO$((i + 1)).wav"
        espeak-ng -v it -s 145 -p 45 -w "$work/raw.wav" "${spoken[$i]}"
        sox -D -R "$work/raw.wav" -r 16000 -c 1 -b 16 "$out" silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse \
            pad 0.05 0.1 norm -2
        echo "$out  \"${spoken[$i]}\""
    done
}

make_music() {
    python3 tools/make_song.py "$assets/SONG.mid"
    echo "$assets/SONG.mid"
}

# The manual is written by hand (each window's part adds its own section). This only makes sure
# the file keeps the program's text format: Windows-1252, CR LF at every line end.
check_manual() {
    python3 - "$assets/manuale.txt" <<'PY'
import sys
path = sys.argv[1]
data = open(path, "rb").read()
text = data.decode("cp1252")  # fails on bytes Windows-1252 does not define
lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
if lines and lines[-1] == "":
    lines.pop()
fixed = "".join(line.rstrip() + "\r\n" for line in lines).encode("cp1252")
if fixed != data:
    open(path, "wb").write(fixed)
    print(path + ": fine riga CR LF ripristinate")
print(path + ": %d righe" % len(lines))
PY
}

make_matrices() {
    local build="${BUILD_DIR:-build}"
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build "$build" --target starter-library optimized-library
    "$build/tools/starter-library" "$assets"
    "$build/tools/optimized-library" "$assets" --passi 2000000 --seme 1 --fino 20
}

case "$what" in
    suoni) need_tools; make_sounds ;;
    musica) need_tools; make_music ;;
    manuale) need_tools; check_manual ;;
    matrici) make_matrices ;;
    tutto) need_tools; make_sounds; make_music; check_manual; make_matrices ;;
    *) echo "uso: $0 [suoni|musica|manuale|matrici|tutto]" >&2; exit 2 ;;
esac
