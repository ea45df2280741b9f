#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and runs the installed programs from
# there: both must find the files they install in share/fortunara. Skipped (status 77) where
# dpkg-deb is missing.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
if ! command -v dpkg-deb >/dev/null; then
    echo "SALTATO: dpkg-deb non c'e', il pacchetto non si puo' fare qui"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log") ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/fortunara_*_*.deb)
echo "pacchetto: $(basename "$deb")"
# Read once: grep -q on a pipe would stop dpkg-deb early, and pipefail would call that a failure.
info=$(dpkg-deb --info "$deb")
grep -E '^ (Package|Version|Architecture|Depends):' <<<"$info"
grep -q '^ Depends:.*libqt6widgets6' <<<"$info" || { echo "FAIL: Depends senza le librerie di Qt"; exit 1; }
dpkg -x "$deb" "$work/root"
usr="$work/root/usr"
mkdir "$work/cli"

expect() {  # expect WHAT COMMAND...: the command must succeed
    local what=$1
    shift
    "$@" || { echo "FAIL: $what"; exit 1; }
}
expect "the installed command line prints record 1 from its own files" \
    bash -c "[ \"\$('$usr/bin/fortunara-cli' --cartella '$work/cli' archivio --dal 1 --al 1)\" = \
'1 03DIC1997 76 41 20 72 36 39 88 0' ]"
expect "the installed program starts and leaves" \
    env QT_QPA_PLATFORM=offscreen "$usr/bin/fortunara" --cartella "$work/gui" --esci-dopo-avvio
expect "the program folder filled from share/fortunara" \
    cmp "$usr/share/fortunara/dati/estraz09.txt" "$work/gui/dati/estraz09.txt"
expect "the version of both programs" \
    bash -c "'$usr/bin/fortunara' --version | grep -qx 'Fortunara [0-9.]*' &&
             '$usr/bin/fortunara-cli' --version | grep -qx 'fortunara-cli (Fortunara) [0-9.]*'"
expect "the menu entry" desktop-file-validate "$usr/share/applications/fortunara.desktop"
expect "the AppStream data" appstreamcli validate --no-net "$usr/share/metainfo/org.fortunara.Fortunara.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
    expect "icon $size" test -s "$usr/share/icons/hicolor/${size}x$size/apps/fortunara.png"
done
expect "the manual pages" bash -c "zcat '$usr/share/man/man1/fortunara-cli.1.gz' | grep -q '^\\.SS completa\\|^\\.SS archivio'"
echo "ok: il pacchetto si installa e i programmi trovano i loro file"
