#!/usr/bin/env bash
# Checks that every include of the program's code points to its own folder or to a layer below it,
# as docs/architecture.md draws them. Prints each include that breaks the rule; exits 1 if any does.
set -euo pipefail
cd "$(dirname "$0")/.."

text="platform/text"
api="platform/api $text"
files="archive/core matrices/core"
state="state $api $files"
cores="app/core statistics/core systems/core checks/core vertible/core slips/core archive/core matrices/core"
widgets="ui $state"

# folder: the folders its files may include (besides its own)
declare -A allowed=(
    [platform/text]=""
    [platform/api]="$text"
    [platform/qt]="$api"
    [archive/core]="$api"
    [matrices/core]="$text"
    [state]="$api $files"
    [app/core]="$state"
    [statistics/core]="$state"
    [systems/core]="$state"
    [checks/core]="$state"
    [vertible/core]="$state"
    [slips/core]="$state"
    [ui]="$state"
    [app/windows]="$widgets $cores"
    [archive/windows]="$widgets $cores"
    [statistics/windows]="$widgets $cores"
    [systems/windows]="$widgets $cores"
    [matrices/windows]="$widgets $cores"
    [checks/windows]="$widgets $cores"
    [vertible/windows]="$widgets $cores"
    [slips/windows]="$widgets $cores"
    [app/program]="app/windows archive/windows statistics/windows systems/windows matrices/windows checks/windows
                   vertible/windows slips/windows platform/qt $widgets $cores"
    [app/cli]="app/program platform/qt $state $cores"
    [tests/fakes]="$api"
)

status=0
while IFS= read -r file; do
    folder=$(dirname "$file")
    [[ -v "allowed[$folder]" ]] || { echo "$file: cartella senza livello in tools/check-layers.sh"; status=1; continue; }
    while IFS= read -r included; do
        target=$(dirname "$included")
        [[ "$target" == "$folder" ]] && continue
        ok=0
        for permitted in ${allowed[$folder]}; do [[ "$target" == "$permitted" ]] && ok=1 && break; done
        if [[ $ok -eq 0 ]]; then
            echo "$file: include \"$included\" da un livello che non gli spetta"
            status=1
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find platform archive matrices state ui app statistics systems checks vertible slips tests/fakes \
             \( -name '*.h' -o -name '*.cpp' \) | sort)
exit $status
