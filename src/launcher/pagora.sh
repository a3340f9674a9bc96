#!/bin/sh
# pagora: starts the installed Pagora on a data root of the user's own.
#
# The installed data root (PREFIX/share/pagora) is read-only. On the first start the
# user's root (XDG data folder, ~/.local/share/pagora by default) is made from it: the
# programme files become links to the installed program, the bitmaps and the programme
# copy Help/Projekt.dat links to the installed files, and everything else (settings,
# pages, picture lists, marks, picture texts) a copy the user may change. The program
# replaces a linked file by a file of its own when it writes one, so nothing is ever
# written through a link. The root is assembled in a temporary folder beside it and
# renamed into place, so an interrupted first start leaves no half-made root.
set -eu

hier=$(dirname "$(readlink -f "$0")")
installiert=$(readlink -f "$hier/../share/pagora")
programm=$(readlink -f "$hier/../lib/pagora/Pagora.exe")

englisch() {
    case "${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}" in en*) return 0 ;; *) return 1 ;; esac
}

hilfe() {
    if englisch; then
        cat <<'TEXT'
Usage: pagora [--root DIR]

Starts Pagora on your own data root, where your bookmarks, marks, picture texts
and new projects are kept. Without --root that is $XDG_DATA_HOME/pagora
(~/.local/share/pagora); on the first start it is made from the installed books.

  --root DIR   open the data root DIR instead; an empty or missing DIR is made
               from the installed books, a folder that is not empty must already
               be a data root (it holds names.exe)
  --help       show this help

Exit status: the program's, 2 for a usage error, 1 when the data root cannot be made.
TEXT
    else
        cat <<'TEXT'
Aufruf: pagora [--root ORDNER]

Startet Pagora auf Ihrem eigenen Datenordner, in dem Ihre Lesezeichen, Marken,
Bildtexte und neuen Projekte bleiben. Ohne --root ist das $XDG_DATA_HOME/pagora
(~/.local/share/pagora); beim ersten Start wird er aus den installierten Büchern
angelegt.

  --root ORDNER   stattdessen den Datenordner ORDNER öffnen; ein leerer oder
                  fehlender ORDNER wird aus den installierten Büchern angelegt,
                  ein Ordner mit Inhalt muss schon ein Datenordner sein (mit names.exe)
  --help          diese Hilfe zeigen

Rückgabe: die des Programms, 2 bei einem Aufruffehler, 1 wenn der Datenordner nicht
angelegt werden kann.
TEXT
    fi
}

fehler() {
    echo "pagora: $1" >&2
    exit "$2"
}

wurzel=""
while [ $# -gt 0 ]; do
    case "$1" in
        --help | -h) hilfe; exit 0 ;;
        --root)
            [ $# -ge 2 ] && [ -n "$2" ] || fehler "$(englisch && echo "--root needs a folder" || echo "--root braucht einen Ordner")" 2
            wurzel=$2; shift 2 ;;
        --root=?*) wurzel=${1#--root=}; shift ;;
        *) fehler "$(englisch && echo "unknown argument: $1 (pagora --help)" || echo "unbekannte Angabe: $1 (pagora --help)")" 2 ;;
    esac
done

if [ -z "$wurzel" ]; then
    case "${XDG_DATA_HOME:-}" in
        /*) wurzel=$XDG_DATA_HOME/pagora ;;
        *) wurzel=${HOME:?}/.local/share/pagora ;;
    esac
fi
case "$wurzel" in /*) ;; *) wurzel=$(pwd)/$wurzel ;; esac

# Makes the user's data root from the installed one.
anlegen() {
    eltern=$(dirname "$wurzel")
    mkdir -p "$eltern"
    neu=$(mktemp -d "$eltern/.pagora-neu.XXXXXX")
    trap 'rm -rf "$neu"' EXIT INT TERM
    (cd "$installiert" && find . -type d) | while IFS= read -r d; do mkdir -p "$neu/$d"; done
    (cd "$installiert" && find . ! -type d) | while IFS= read -r f; do
        f=${f#./}
        case "$f" in
            names.exe | */names.exe) cp "$installiert/$f" "$neu/$f" ;;
            *.exe) ln -s "$programm" "$neu/$f" ;;
            *.[bB][mM][pP] | Help/Projekt.dat) ln -s "$(readlink -f "$installiert/$f")" "$neu/$f" ;;
            *) cp "$installiert/$f" "$neu/$f"; chmod u+w "$neu/$f" ;;
        esac
    done
    chmod 755 "$neu"
    [ -d "$wurzel" ] && rmdir "$wurzel"
    mv "$neu" "$wurzel"
    trap - EXIT INT TERM
}

if [ ! -e "$wurzel/names.exe" ]; then
    if [ -d "$wurzel" ] && [ -n "$(ls -A "$wurzel")" ]; then
        fehler "$(englisch && echo "$wurzel is not empty and not a Pagora data root (no names.exe)" ||
            echo "$wurzel ist nicht leer und kein Pagora-Datenordner (names.exe fehlt)")" 1
    fi
    anlegen || fehler "$(englisch && echo "cannot make the data root $wurzel" ||
        echo "der Datenordner $wurzel kann nicht angelegt werden")" 1
fi

# The programme file is named after a project, so the program finds its root beside it.
exec "$wurzel/Pagora.exe"
