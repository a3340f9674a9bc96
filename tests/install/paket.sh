#!/bin/bash
# Checks the Debian package that paketbau.sh built: the declared dependencies, the file
# list, that every link in it stays inside it, that its data root comes from the
# sources and not from the root the program runs on, and what lintian says.
# Exit status 77 (skipped) names a missing tool or package.
#   paket.sh PAKETORDNER BUILD
set -euo pipefail
ordner=$1 build=$2
for werkzeug in dpkg-deb file; do
    if ! command -v "$werkzeug" > /dev/null; then
        echo "SKIP: $werkzeug fehlt (make deps installiert dpkg-dev und file)"
        exit 77
    fi
done
paket=$(ls "$ordner"/pagora_*.deb 2> /dev/null) || { echo "SKIP: kein Paket in $ordner (paketbau.sh)"; exit 77; }
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

abh=$(dpkg-deb -f "$paket" Depends)
for d in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins; do
    echo "$abh" | grep -Eq "(^|, )$d( |,|$)" || fehler "Abhängigkeit $d fehlt: $abh"
done

[ "$(dpkg-deb -f "$paket" Recommends)" = hyphen-de ] || fehler "hyphen-de fehlt in Recommends"
dpkg-deb -c "$paket" | awk '{print $6}' | sed 's|^\./|/|' > "$arbeit/liste"
for f in /usr/bin/pagora /usr/bin/pagora-tool /usr/lib/pagora/pagora-tool-befehle.so /usr/lib/pagora/pagora-tool-pdf.so /usr/lib/pagora/Pagora.exe /usr/share/pagora/names.exe \
    /usr/share/pagora/Autor.ini /usr/share/pagora/Quarn.ini /usr/share/pagora/Quarn.exe \
    /usr/share/pagora/Quarn/Pages/Quarn.5 /usr/share/pagora/Help/Book.bmp /usr/share/pagora/Help/Projekt.dat \
    /usr/share/applications/de.pagora.Pagora.desktop /usr/share/metainfo/de.pagora.Pagora.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/de.pagora.Pagora.svg /usr/share/man/man1/pagora.1.gz \
    /usr/share/man/de/man1/pagora-tool.1.gz /usr/share/doc/pagora/copyright /usr/share/doc/pagora/changelog.gz; do
    grep -qx "$f" "$arbeit/liste" || fehler "$f fehlt im Paket"
done
! grep -Ev '^/$|^/usr(/|$)' "$arbeit/liste" || fehler "Dateien außerhalb von /usr"
! grep -Ei '\.lock$|/share/pagora/pagora-tool$|/build/' "$arbeit/liste" || fehler "Reste des Bauordners im Paket"

inhalt=$ordner/inhalt
while IFS= read -r l; do
    ziel=$(readlink -f "$l") || fehler "$l führt ins Leere"
    case "$ziel" in "$inhalt"/*) [ -e "$ziel" ] || fehler "$l führt ins Leere" ;;
        *) fehler "$l führt aus dem Paket hinaus: $(readlink "$l")" ;; esac
done < <(find "$inhalt" -type l)
for p in usr/lib/pagora/Pagora.exe usr/bin/pagora; do
    file "$inhalt/$p" | grep -q ", stripped" || fehler "$p ist nicht gestrippt"
done

# No maintainer scripts: the package puts files in place and nothing else.
! dpkg-deb --ctrl-tarfile "$paket" | tar -t | grep -E 'post|pre' || fehler "das Paket hat Betreuerskripte"
# The data root is built from the sources: a run on build/root (bookmarks, an author's
# work) must not reach the package. Only the programs themselves are built there.
aus_laufwurzel=$(grep -oE "\"$build/root/[^\"]*\"" "$build/cmake_install.cmake" |
    grep -vE '/root/(Pagora\.exe|pagora-tool|pagora-tool-befehle\.so|pagora-tool-pdf\.so)"$' || true)
[ -z "$aus_laufwurzel" ] || fehler "das Paket nimmt Dateien aus build/root: $aus_laufwurzel"

# lintian: no error and no warning; the one overridden is the Windows-1252 picture texts'.
if command -v lintian > /dev/null; then
    lintian --show-overrides "$paket" > "$arbeit/lintian" 2>&1 || { cat "$arbeit/lintian" >&2; fehler "lintian scheiterte"; }
    ! grep -E '^(E|W):' "$arbeit/lintian" >&2 || fehler "lintian meldet Fehler oder Warnungen"
    ! grep -E '^O:' "$arbeit/lintian" | grep -vE '^O: pagora: national-encoding \[usr/share/pagora/Quarn/Album/[^/]+\.Txt\]$' >&2 ||
        fehler "lintian: unerwartet übergangene Meldungen"
    grep -q '^O: pagora: national-encoding' "$arbeit/lintian" || fehler "lintian: die Bildtexte wurden nicht geprüft"
    echo "lintian: keine Fehler, keine Warnungen"
else
    echo "lintian fehlt: nicht geprüft (make deps installiert es)"
fi
echo "Paket $(basename "$paket") in Ordnung: $(wc -l < "$arbeit/liste") Einträge, $(du -k "$paket" | cut -f1) kB"
