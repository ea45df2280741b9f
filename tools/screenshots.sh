#!/usr/bin/env bash
# Renders every window into docs/screenshots/ on a 1366 x 768 screen, with a fresh program folder
# filled from assets/. The windows are drawn on a real X server (Xvfb, through xvfb-run, which
# tools/install-deps.sh installs) as a user sees them; without xvfb-run on the offscreen platform,
# whose fonts measure a little narrower.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target fortunara-screenshots sistemi-screenshots archive-screenshots \
    archivio-screenshots metodovertibili-screenshots checks-screenshots schedine-screenshots

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cat >"$work/screen.json" <<'JSON'
{ "screens": [ { "name": "schermo", "x": 0, "y": 0, "width": 1366, "height": 768,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
render() {
    if command -v xvfb-run >/dev/null; then
        xvfb-run -a -s "-screen 0 1366x768x24" "$@"
    else
        QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" "$@"
    fi
}
render "$build/tools/fortunara-screenshots" "$work/cartella" docs/screenshots
# The tabs of the system window with a developed system and its guarantees: sistemi-N.png and the
# other pages of "Garanzie", garanzie-N.png.
render "$build/tools/sistemi-screenshots" "$work/cartella-sistemi" docs/screenshots
# The archive's windows: the number prompt, the web import and the download (form18, browser, form45).
render "$build/tools/archive-screenshots" "$work/cartella-archivio" docs/screenshots
# Both tabs of the matrix window: the library and the editor (archivio-0, archivio-1).
render "$build/tools/archivio-screenshots" "$work/cartella-archivio-sistemi" docs/screenshots
# The method window with the vertible method's forecasts, then with the result panel of their check:
# docs/screenshots/metodovertibili-N.png.
render "$build/tools/metodovertibili-screenshots" "$work/cartella-metodi" docs/screenshots
# The check windows after a check on the bundled archive: docs/screenshots/presenti.png, controllo.png.
render "$build/tools/checks-screenshots" "$work/cartella-controlli" docs/screenshots
# The slip window on the bundled valori.tab, and its calibration page as printed: schedine.png and
# schedine-prova.png.
render "$build/tools/schedine-screenshots" "$work/cartella-schedine" docs/screenshots
