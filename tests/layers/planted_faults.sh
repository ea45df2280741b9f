#!/usr/bin/env bash
# The layer check fails on an upward include and on an upward link: each is planted in a copy of
# the sources, and the check must name it and exit 1; the clean copy passes.
set -euo pipefail
source_root=$1
check="$source_root/tools/check-layers.sh"
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT

fresh_copy() {
    rm -rf "$copy"/*
    (cd "$source_root" && cp -r platform archive matrices state ui app statistics systems checks vertible slips \
        --parents tests/fakes "$copy")
}

expect_failure() {  # expect_failure WHAT MESSAGE
    local output
    if output=$(bash "$check" "$copy"); then
        echo "FAIL: $1 passes the layer check"
        exit 1
    fi
    grep -qF "$2" <<<"$output" || { echo "FAIL: $1 not named; the check said:"; echo "$output"; exit 1; }
    echo "ok: $1"
}

fresh_copy
bash "$check" "$copy" || { echo "FAIL: the clean copy breaks the layer check"; exit 1; }

echo 'target_link_libraries(archive_core PUBLIC app_windows)' >>"$copy/archive/CMakeLists.txt"
expect_failure "a file core linking the main window" "archive_core collega app_windows"

fresh_copy
echo 'target_link_libraries(ui_widgets PUBLIC systems_windows)' >>"$copy/ui/CMakeLists.txt"
expect_failure "the widgets linking a window" "ui_widgets collega systems_windows"

fresh_copy
echo 'add_library(stray STATIC stray.cpp)' >>"$copy/state/CMakeLists.txt"
expect_failure "a library without a row" "stray senza livello"

fresh_copy
echo '#include "ui/look.h"' >>"$copy/state/clip_text.cpp"
expect_failure "the shared state including a widget" 'state/clip_text.cpp: include "ui/look.h"'
