#!/usr/bin/env bash
# Each command of fortunara-cli on an archive of a million draws: elapsed seconds, processor seconds
# (user and system), the most memory the process held (/usr/bin/time -v, whole process) and the
# lines it printed. Run by hand after a build; nothing here is a test. The machine's other work
# shows in the elapsed time, not in the processor time.
#   bash bench/cli_million.sh [BUILD_DIR] [DRAWS]     (defaults: build, 1000000)
set -euo pipefail

build=${1:-build}
draws=${2:-1000000}
cli="$build/app/fortunara-cli"
maker="$build/bench/million_archive"
if [ ! -x "$cli" ] || [ ! -x "$maker" ]; then
    echo "build $cli and $maker first" >&2
    exit 2
fi
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing: bash tools/install-deps.sh" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$maker" "$work/base" "$draws"
# The first run fills the folder with the bundled files (matrices, valori.tab), as at a start.
"$cli" --cartella "$work/base" matrici >/dev/null
# A text archive of 1428 entries, newest first, for `converti`; a copy of the archive for `importa`.
tail -c $((1428 * 25)) "$work/base/dati/estraz09.txt" | fold -w 25 | tac >"$work/archivio.txt"
cp "$work/base/dati/estraz09.txt" "$work/copia.txt"
newest=$("$cli" --cartella "$work/base" archivio --dal ultima --al ultima | cut -d' ' -f2)
printf '"12"\r\n"1"\r\n"6"\r\n"3"\r\n"8"\r\n"15"\r\n"22"\r\n"27"\r\n"34"\r\n' >"$work/GIOCO.SSI"

printf '%-90s %8s %8s %8s %9s %6s\n' "comando" "secondi" "cpu" "MB" "righe" "stato"
measure() {
    # A writer gets a folder of its own, so every command sees the same archive.
    local folder="$work/base"
    if [ "$1" = scrive ]; then
        folder="$work/scrive"
        rm -rf "$folder" && cp -r "$work/base" "$folder"
    fi
    shift
    local lines status
    # The output goes to a file: the figures are the command's own, not those of a reader of a pipe.
    /usr/bin/time -v -o "$work/time" "$cli" --cartella "$folder" "$@" >"$work/out" 2>/dev/null || true
    lines=$(wc -l <"$work/out")
    status=$(sed -n 's/.*Exit status: //p' "$work/time")
    local seconds cpu kilobytes
    seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time" |
        awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; printf "%.2f", s }')
    cpu=$(awk -F': ' '/User time|System time/ { s += $2 } END { printf "%.2f", s }' "$work/time")
    kilobytes=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
    printf '%-90s %8s %8s %8s %9s %6s\n' "${*//$work\//}" "$seconds" "$cpu" "$(awk -v k="$kilobytes" 'BEGIN { printf "%.1f", k / 1024 }')" \
        "$lines" "$status"
}

measure legge archivio
measure legge --csv archivio
measure legge archivio --dal 3 --al 1
measure legge ritardi --dal ultima --al 1
measure legge ritardi --dal ultima --al 1 --posizioni 1-8
measure legge pari --dal ultima --al 1
measure legge somma --dal ultima --al 1 --posizioni 1-8
measure legge interruzioni --dal ultima --al 1
measure legge ricerca --numeri 1-90 --sorte ambo --dal ultima --al 1
measure legge --csv ricerca --numeri 1-90 --sorte ambo --dal ultima --al 1
measure legge ricerca --numeri 1-45 --sorte ambo --dal ultima --al 1
measure legge ricerca --numeri 12,45 --sorte ambo --dal ultima --al 1
measure legge previsione --base ultima --quantita 90
measure legge previsione --base 2 --quantita 10
measure legge sviluppo --numeri 1-12
measure legge verifica
measure legge --csv verifica
measure legge metodo vertibili --dal ultima --al 1 --posizione 1
measure legge metodo vertibili --dal ultima --al 1 --posizione 1 --controllo
measure legge --csv metodo vertibili --dal ultima --al 1 --posizione 1 --controllo
measure legge metodo gemelli --dal 1 --al ultima --posizione 2 --controllo
measure legge controllo --matrice 10N03506.SIS --numeri 3,8,15,22,27,34,41,48,56,63 --estrazione ultima
measure legge controllo --matrice 10N03506.SIS --numeri 3,8,15,22,27,34,41,48,56,63 --dal ultima --al 1
measure legge --csv controllo --matrice 10N03506.SIS --numeri 3,8,15,22,27,34,41,48,56,63 --dal ultima --al 1
measure legge controllo --sistema "$work/GIOCO.SSI" --dal ultima --al 1
measure legge garanzia --matrice 10N03506.SIS
measure legge buchi --matrice 10N03506.SIS --escono 4 --almeno 3
measure legge matrici
measure legge schedine --prova
measure legge schedine --sistema "$work/GIOCO.SSI"
measure scrive libreria
measure scrive completa --matrice 10N03506.SIS --escono 4 --almeno 3 --salva "$work/COMPLETO.SSI"
measure scrive aggiungi --data 01GEN9999 --numeri 1,2,3,4,5,6,7,8
measure scrive aggiungi --data "$newest" --numeri 1,2,3,4,5,6,7,8 --sostituisci
measure scrive converti "$work/archivio.txt"
measure scrive importa "$work/copia.txt"
