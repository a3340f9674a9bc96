#!/bin/bash
# Builds the Debian package into a temporary folder and checks what it holds: the
# declared dependencies, the file list, and that every link in it stays inside it.
# Exit status 77 (skipped) names a missing tool.
#   paket.sh BUILD
set -euo pipefail
build=$1
for werkzeug in dpkg-deb dpkg-shlibdeps file; do
    if ! command -v "$werkzeug" > /dev/null; then
        echo "SKIP: $werkzeug fehlt (make deps installiert dpkg-dev und file)"
        exit 77
    fi
done
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$arbeit" > "$arbeit/cpack.log" || { cat "$arbeit/cpack.log" >&2; exit 1; }
paket=$(ls "$arbeit"/pagora_*.deb)

abh=$(dpkg-deb -f "$paket" Depends)
for d in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins; do
    echo "$abh" | grep -Eq "(^|, )$d( |,|$)" || fehler "Abhängigkeit $d fehlt: $abh"
done

[ "$(dpkg-deb -f "$paket" Recommends)" = hyphen-de ] || fehler "hyphen-de fehlt in Recommends"
dpkg-deb -c "$paket" | awk '{print $6}' | sed 's|^\./|/|' > "$arbeit/liste"
for f in /usr/bin/pagora /usr/bin/pagora-tool /usr/lib/pagora/pagora-tool-befehle.so /usr/lib/pagora/Pagora.exe /usr/share/pagora/names.exe \
    /usr/share/pagora/Autor.ini /usr/share/pagora/Quarn.ini /usr/share/pagora/Quarn.exe \
    /usr/share/pagora/Quarn/Pages/Quarn.5 /usr/share/pagora/Help/Book.bmp /usr/share/pagora/Help/Projekt.dat \
    /usr/share/applications/de.pagora.Pagora.desktop /usr/share/metainfo/de.pagora.Pagora.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/de.pagora.Pagora.svg /usr/share/man/man1/pagora.1.gz \
    /usr/share/man/de/man1/pagora-tool.1.gz; do
    grep -qx "$f" "$arbeit/liste" || fehler "$f fehlt im Paket"
done
! grep -Ev '^/$|^/usr(/|$)' "$arbeit/liste" || fehler "Dateien außerhalb von /usr"
! grep -Ei '\.lock$|/share/pagora/pagora-tool$|/build/' "$arbeit/liste" || fehler "Reste des Bauordners im Paket"

dpkg-deb -x "$paket" "$arbeit/inhalt"
while IFS= read -r l; do
    ziel=$(readlink -f "$l") || fehler "$l führt ins Leere"
    case "$ziel" in "$arbeit/inhalt"/*) [ -e "$ziel" ] || fehler "$l führt ins Leere" ;;
        *) fehler "$l führt aus dem Paket hinaus: $(readlink "$l")" ;; esac
done < <(find "$arbeit/inhalt" -type l)
file "$arbeit/inhalt/usr/lib/pagora/Pagora.exe" | grep -q ", stripped" || fehler "das Programm ist nicht gestrippt"
echo "Paket $(basename "$paket") in Ordnung: $(wc -l < "$arbeit/liste") Einträge, $(du -k "$paket" | cut -f1) kB"
