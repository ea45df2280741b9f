#!/usr/bin/env bash
# Renders each tab of the main window into docs/screenshots/tab-N.png on the offscreen platform,
# on a 1366 x 768 screen, with a fresh program folder filled from assets/.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target fortunara-screenshots sistemi-screenshots archive-screenshots \
    archivio-screenshots metodovertibili-screenshots checks-screenshots schedine-screenshots \
    grafico-screenshots

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cat >"$work/screen.json" <<'JSON'
{ "screens": [ { "name": "schermo", "x": 0, "y": 0, "width": 1366, "height": 768,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
    "$build/tools/fortunara-screenshots" "$work/cartella" docs/screenshots
# The three tabs of the system window, with a developed system: docs/screenshots/sistemi-N.png.
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
    "$build/tools/sistemi-screenshots" "$work/cartella-sistemi" docs/screenshots
# The archive's windows: the number prompt, the web import and the download (form18, browser, form45).
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
    "$build/tools/archive-screenshots" "$work/cartella-archivio" docs/screenshots
# Both tabs of the matrix window: the library and the editor (archivio-0, archivio-1).
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
    "$build/tools/archivio-screenshots" "$work/cartella-archivio-sistemi" docs/screenshots
# The method window with the vertible method's forecasts, then with the result panel of their check:
# docs/screenshots/metodovertibili-N.png.
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
    "$build/tools/metodovertibili-screenshots" "$work/cartella-metodi" docs/screenshots
# The check windows after a check on the bundled archive: docs/screenshots/presenti.png, controllo.png.
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
    "$build/tools/checks-screenshots" "$work/cartella-controlli" docs/screenshots
# The slip window on the bundled valori.tab, and its calibration page as printed: schedine.png and
# schedine-prova.png.
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
    "$build/tools/schedine-screenshots" "$work/cartella-schedine" docs/screenshots
# The chart windows on the bundled archive: grafico-0 .. grafico-3 and grafico-sistema.
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
    "$build/tools/grafico-screenshots" "$work/cartella-grafici" docs/screenshots
