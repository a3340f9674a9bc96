#!/bin/bash
# Starts the installed program through its launcher, headless, on fresh per-user data
# roots, from the package's files unpacked under a prefix of their own (paketbau.sh): the
# layout under the prefix, the first-start copy, a second start that keeps the user's
# changes, the launcher's own arguments, and that nothing the program or the tool writes
# reaches the installed files. Exit status 77 (skipped) when there is no package.
#   installation.sh PREFIX
set -euo pipefail
prefix=$1
[ -x "$prefix/bin/pagora" ] || { echo "SKIP: nichts installiert unter $prefix (paketbau.sh)"; exit 77; }
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

for f in bin/pagora bin/pagora-tool lib/pagora/pagora-tool-befehle.so lib/pagora/pagora-tool-pdf.so lib/pagora/Pagora.exe share/pagora/names.exe share/pagora/Autor.ini \
    share/pagora/Pagora.ini share/pagora/Quarn.ini share/pagora/Quarn/Pages/Quarn.5 share/pagora/Help/Book.bmp \
    share/pagora/Help/default.7 share/applications/de.pagora.Pagora.desktop \
    share/metainfo/de.pagora.Pagora.metainfo.xml share/icons/hicolor/scalable/apps/de.pagora.Pagora.svg \
    share/man/man1/pagora.1.gz share/man/de/man1/pagora.1.gz share/man/man1/pagora-tool.1.gz \
    share/man/de/man1/pagora-tool.1.gz; do
    [ -e "$prefix/$f" ] || fehler "$f fehlt in der Installation"
done
programm=$(readlink -f "$prefix/lib/pagora/Pagora.exe")
for l in Pagora.exe Quarn.exe Help/Projekt.dat; do
    ziel=$(readlink "$prefix/share/pagora/$l") || fehler "$l ist kein Verweis"
    case "$ziel" in /*) fehler "$l verweist absolut auf $ziel" ;; esac
    [ "$(readlink -f "$prefix/share/pagora/$l")" = "$programm" ] || fehler "$l verweist nicht auf das Programm"
done
if (cd "$prefix/share/pagora" && find . -iname '*.lock' -o -name pagora-tool | grep -q .); then
    fehler "Reste des Bauordners in share/pagora"
fi
gzip -t "$prefix"/share/man/man1/*.gz "$prefix"/share/man/de/man1/*.gz

# A fingerprint of the installed files, to prove that nothing below is written.
stand() { (cd "$prefix" && find . -printf '%p %y %l %s %m\n' | sort && find . -type f -exec md5sum {} + | sort); }
stand > "$arbeit/vorher"

starte() {
    env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 HOME="$arbeit/home" XDG_DATA_HOME="$arbeit/xdg" \
        PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=offscreen PAGORA_BENCH_ERSTES_BILD=1 timeout 120 pagora "$@"
}

# The launcher's own arguments.
starte --help | grep -q -- "--root ORDNER" || fehler "pagora --help erklärt --root nicht"
LANG=en_GB.UTF-8 env -u LC_ALL "$prefix/bin/pagora" --help | grep -q "^Usage: pagora" ||
    fehler "pagora --help unter englischer Sprache nicht englisch"
LC_ALL=en_US.UTF-8 "$prefix/bin/pagora-tool" --help | grep -q "^Usage: pagora-tool" ||
    fehler "pagora-tool --help unter englischer Sprache nicht englisch"
LC_ALL=C.UTF-8 "$prefix/bin/pagora-tool" --help | grep -q "^Aufruf: pagora-tool" ||
    fehler "pagora-tool --help ohne Sprache nicht deutsch"
status=0; starte --unbekannt 2> /dev/null || status=$?
[ "$status" = 2 ] || fehler "unbekannte Angabe: Rückgabe $status statt 2"
mkdir -p "$arbeit/fremd" && echo Brief > "$arbeit/fremd/brief.txt"
status=0; starte --root "$arbeit/fremd" 2> /dev/null || status=$?
[ "$status" = 1 ] || fehler "fremder Ordner mit Inhalt: Rückgabe $status statt 1"
[ "$(ls -A "$arbeit/fremd")" = brief.txt ] || fehler "der fremde Ordner wurde verändert"

# First start: the user's root is made from the installed one, and the demo opens.
[ "$(starte)" = erstes-bild ] || fehler "der erste Start zeigt kein Bild"
wurzel=$arbeit/xdg/pagora
[ -f "$wurzel/names.exe" ] && [ ! -L "$wurzel/names.exe" ] || fehler "names.exe fehlt im eigenen Datenordner"
for f in Autor.ini Quarn.ini Pagora.ini Quarn/Pages/Quarn.3 Quarn/Pages/Quarn.5 Help/default.7; do
    [ -f "$wurzel/$f" ] && [ ! -L "$wurzel/$f" ] && [ -w "$wurzel/$f" ] || fehler "$f ist keine eigene, schreibbare Kopie"
done
for f in Help/Book.bmp Help/Projekt.dat Quarn/Huge/Mahlgang.bmp; do
    [ "$(readlink "$wurzel/$f")" = "$(readlink -f "$prefix/share/pagora/$f")" ] || fehler "$f verweist nicht ins Installierte"
done
for f in Pagora.exe Quarn.exe; do
    [ "$(readlink "$wurzel/$f")" = "$programm" ] || fehler "$f verweist nicht auf das Programm"
done
[ -z "$(find "$arbeit/xdg" -maxdepth 1 -name '.pagora-neu*')" ] || fehler "ein Zwischenordner blieb liegen"
cmp -s "$prefix/share/pagora/Quarn.ini" "$wurzel/Quarn.ini" || fehler "Quarn.ini wurde nicht unverändert kopiert"

# The user's changes: a bookmark in the settings, the album remade over linked
# pictures, a new project whose programme file is copied from the linked Help/Projekt.dat.
printf 'Mark4=12\r\n' >> "$wurzel/Quarn.ini"
cp "$wurzel/Quarn.ini" "$arbeit/Quarn.ini.geaendert"
pagora-tool() { "$prefix/bin/pagora-tool" "$@" > /dev/null; }
pagora-tool --root "$wurzel" --name Quarn album || fehler "album im eigenen Datenordner"
pagora-tool --root "$wurzel" --name Quarn check || fehler "check im eigenen Datenordner"
pagora-tool --root "$wurzel" neu Garten Garten || fehler "neu im eigenen Datenordner"
[ -f "$wurzel/Garten.exe" ] && [ -x "$wurzel/Garten.exe" ] || fehler "Garten.exe fehlt"

# Second start: nothing is made again, the changes stay.
[ "$(starte)" = erstes-bild ] || fehler "der zweite Start zeigt kein Bild"
cmp -s "$arbeit/Quarn.ini.geaendert" "$wurzel/Quarn.ini" || fehler "die Änderung an Quarn.ini ging verloren"
[ -f "$wurzel/Garten.ini" ] && [ -d "$wurzel/Garten/Pages" ] || fehler "das neue Projekt ging verloren"

# Another root named on the command line is made the same way.
[ "$(starte --root "$arbeit/zweite")" = erstes-bild ] || fehler "--root zeigt kein Bild"
[ -L "$arbeit/zweite/Help/Book.bmp" ] || fehler "--root: der Datenordner wurde nicht angelegt"

stand > "$arbeit/nachher"
diff "$arbeit/vorher" "$arbeit/nachher" >&2 || fehler "die installierten Dateien wurden verändert"
echo "Installation und Starts in Ordnung"
