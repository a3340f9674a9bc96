#!/bin/bash
# Start-up on an X server at 1920 x 1080 (the default view, "Passend"), against the bare
# Qt window: the same pairs as offscreen, on a virtual X screen when Xvfb is installed.
#   start_x.sh ROOT BARE_WINDOW START_BENCH [PAIRS]
set -euo pipefail
root=$1 bare=$2 messung=$3 paare=${4:-31}
if ! command -v Xvfb > /dev/null; then
    echo "Start auf X (1920 x 1080): nicht gemessen, Xvfb ist nicht installiert (Paket xvfb)."
    exit 0
fi
arbeit=$(mktemp -d)
nummer=$arbeit/anzeige
mkfifo "$nummer"
# -displayfd takes the first free display and names it on the descriptor.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3> "$nummer" 2> /dev/null &
xvfb=$!
trap 'kill "$xvfb" 2> /dev/null; wait "$xvfb" 2> /dev/null; rm -rf "$arbeit"' EXIT
read -r anzeige < "$nummer"
# A settings folder of its own: the default view, whatever the user chose.
mkdir -m 700 "$arbeit/laufzeit"
echo "Start auf X (Xvfb 1920 x 1080, Ansicht \"Passend\"):"
env -u QT_QPA_PLATFORM DISPLAY=":$anzeige" XDG_CONFIG_HOME="$arbeit/konfig" XDG_RUNTIME_DIR="$arbeit/laufzeit" \
    "$messung" "$root" "$bare" "$paare"
