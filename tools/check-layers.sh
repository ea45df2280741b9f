#!/usr/bin/env bash
# Checks the layers of docs/architecture.md: every include of the program's code points to its own
# folder or to a folder of a layer below, and every library links only libraries of its own folder
# or of those layers. Prints each include or link that breaks the rule; exits 1 if any does.
# Usage: check-layers.sh [SOURCE_ROOT]  (default: the checkout this script belongs to)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

text="platform/text"
api="platform/api $text"
files="archive/core matrices/core"
state="state $api $files"
cores="app/core statistics/core systems/core checks/core vertible/core slips/core archive/core matrices/core"
widgets="ui $state"
windows="app/windows archive/windows statistics/windows systems/windows matrices/windows checks/windows"
windows="$windows vertible/windows slips/windows"

# The one table of the layers. Each row: a folder | the libraries and programs built from it | the
# folders whose headers it may include and whose libraries it may link (besides its own).
table="
platform/text      | fortunara_text                       |
platform/api       | platform_api                         | $text
platform/qt        | platform_qt                          | $api
archive/core       | archive_core                         | $api
matrices/core      | matrices_core                        | $text
state              | state_core                           | $api $files
app/core           | app_core                             | $state
statistics/core    | statistics_core                      | $state
systems/core       | systems_core                         | $state
checks/core        | checks_core                          | $state
vertible/core      | vertible_core                        | $state
slips/core         | slips_core                           | $state
ui                 | ui_widgets                           | $state
app/windows        | app_windows                          | $widgets $cores
archive/windows    | archive_windows                      | $widgets $cores
statistics/windows | statistics_windows                   | $widgets $cores
systems/windows    | systems_windows                      | $widgets $cores
matrices/windows   | matrices_windows                     | $widgets $cores
checks/windows     | checks_windows                       | $widgets $cores
vertible/windows   | vertible_windows                     | $widgets $cores
slips/windows      | slips_windows                        | $widgets $cores
app/program        | app_startup app_program_hooks fortunara | $windows platform/qt $widgets $cores
app/cli            | cli_commands fortunara-cli           | app/program platform/qt $state $cores
tests/fakes        | platform_fakes                       | $api
"

declare -A allowed=()  # folder -> the folders it may use
declare -A home=()     # library -> its folder
while IFS='|' read -r folder libraries uses; do
    folder=$(echo $folder)
    [[ -z "$folder" ]] && continue
    allowed[$folder]=$(echo $uses)
    for library in $libraries; do home[$library]=$folder; done
done <<<"$table"

may_use() {  # may_use FOLDER TARGET_FOLDER
    [[ "$2" == "$1" ]] && return 0
    local permitted
    for permitted in ${allowed[$1]}; do [[ "$2" == "$permitted" ]] && return 0; done
    return 1
}

status=0
checked_folders="platform archive matrices state ui app statistics systems checks vertible slips tests/fakes"

# Includes.
while IFS= read -r file; do
    [[ -v "allowed[${file%/*}]" ]] || { echo "$file: cartella senza livello in tools/check-layers.sh"; status=1; }
done < <(find $checked_folders \( -name '*.h' -o -name '*.cpp' \) | sort)
while IFS=: read -r file included; do
    folder=${file%/*}
    [[ -v "allowed[$folder]" ]] || continue
    may_use "$folder" "${included%/*}" && continue
    echo "$file: include \"$included\" da un livello che non gli spetta"
    status=1
done < <(find $checked_folders \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z |
             xargs -0 sed -n 's/^#include "\([^"]*\)".*/\1/; T; F; p' | paste -d: - -)

# Link lines: every library or program made in these folders has its row, and links only what its
# folder may use. Libraries from outside the program (Qt, fluidsynth) and the build settings every
# layer shares (the warning set, the version) are free.
while IFS= read -r cmake; do
    # One statement a line, comments dropped.
    statements=$(sed 's/#.*//' "$cmake" | tr '\n' ' ' | sed 's/)/)\n/g')
    while IFS= read -r made; do
        [[ -v "home[$made]" ]] || { echo "$cmake: $made senza livello in tools/check-layers.sh"; status=1; }
    done < <(sed -n 's/^ *\(fortunara_core_library\|fortunara_qt_library\|add_library\|add_executable\) *( *\([^ )]*\).*/\2/p' \
                 <<<"$statements")
    while read -r target linked; do
        [[ -v "home[$target]" ]] || continue
        for library in $linked; do
            case "$library" in PUBLIC | PRIVATE | INTERFACE) continue ;; esac
            if [[ -v "home[$library]" ]]; then
                may_use "${home[$target]}" "${home[$library]}" && continue
                echo "$cmake: $target collega $library, da un livello che non gli spetta"
                status=1
            elif [[ "$library" != Qt6::* && "$library" != PkgConfig::* && "$library" != fortunara_warnings && "$library" != fortunara_version ]]; then
                echo "$cmake: $target collega $library, libreria senza livello in tools/check-layers.sh"
                status=1
            fi
        done
    done < <(sed -n 's/^ *target_link_libraries *( *\([^)]*\)).*/\1/p' <<<"$statements")
done < <(find $checked_folders -name CMakeLists.txt | sort)
exit $status
