#!/bin/bash
# Validates the desktop entry, the AppStream metadata and the manual pages with the
# distribution's own checkers. Exit status 77 (skipped) names a missing checker.
#   desktop.sh SOURCE
set -euo pipefail
quelle=$1
for werkzeug in desktop-file-validate appstreamcli groff; do
    if ! command -v "$werkzeug" > /dev/null; then
        echo "SKIP: $werkzeug fehlt (make deps installiert desktop-file-utils, appstream, groff-base)"
        exit 77
    fi
done
meldungen=$(desktop-file-validate "$quelle/data/desktop/de.pagora.Pagora.desktop" 2>&1) || true
if echo "$meldungen" | grep -Eq "error|warning"; then echo "$meldungen" >&2; exit 1; fi
appstreamcli validate --no-net --explain "$quelle/data/desktop/de.pagora.Pagora.metainfo.xml"
for seite in "$quelle"/data/man/*.1; do
    warnungen=$(LC_ALL=C.UTF-8 groff -K utf8 -man -ww -z "$seite" 2>&1)
    [ -z "$warnungen" ] || { echo "$seite: $warnungen" >&2; exit 1; }
done
echo "Desktop-Eintrag, Metadaten und Handbuchseiten in Ordnung"
