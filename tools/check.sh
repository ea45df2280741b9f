#!/usr/bin/env bash
# The checks beyond the tests, which CI runs after tools/test.sh: the format of every source file,
# clang-tidy with the checked-in .clang-tidy (no finding allowed), and the whole suite built and run
# again under AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails its test.
# Usage: tools/check.sh [format] [asan] [tidy]   (no word: all three, in this order; clang-tidy
# reads the compile commands of the sanitizer build, with its generated sources in place)
set -euo pipefail
cd "$(dirname "$0")/.."
steps=("$@")
[ ${#steps[@]} -eq 0 ] && steps=(format asan tidy)
tools/install-deps.sh

sources() { git ls-files '*.cpp' '*.h'; }

for step in "${steps[@]}"; do
    case "$step" in
    format)
        echo "== formato (clang-format)"
        sources | xargs clang-format --dry-run -Werror
        ;;
    tidy)
        echo "== clang-tidy"
        # The compile commands of the sanitizer build; the program's own sources, not the tests.
        cmake --preset asan >/dev/null
        git ls-files '*.cpp' | grep -v '^tests/\|^bench/\|^tools/' |
            xargs -P "$(nproc)" -n 4 clang-tidy -p build-asan --quiet 2> >(grep -v 'warnings generated' >&2)
        ;;
    asan)
        echo "== test con AddressSanitizer e UndefinedBehaviorSanitizer"
        cmake --preset asan >/dev/null
        cmake --build --preset asan
        ctest --preset asan
        ;;
    *)
        echo "uso: tools/check.sh [format] [asan] [tidy]" >&2
        exit 2
        ;;
    esac
done
