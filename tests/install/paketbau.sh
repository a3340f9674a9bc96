#!/bin/bash
# Builds the Debian package once for the tests that check it or start what it installs:
# ZIEL/pagora_*.deb, and its files unpacked below ZIEL/inhalt (a prefix: ZIEL/inhalt/usr).
# Exit status 77 (skipped) names a missing tool.
#   paketbau.sh BUILD ZIEL
set -euo pipefail
build=$1 ziel=$2
for werkzeug in dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$werkzeug" > /dev/null; then
        echo "SKIP: $werkzeug fehlt (make deps installiert dpkg-dev)"
        exit 77
    fi
done
rm -rf "$ziel"
mkdir -p "$ziel"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$ziel" > "$ziel/cpack.log" || { cat "$ziel/cpack.log" >&2; exit 1; }
rm -rf "$ziel/_CPack_Packages"
dpkg-deb -x "$ziel"/pagora_*.deb "$ziel/inhalt"
echo "Paket $(basename "$ziel"/pagora_*.deb) gebaut und ausgepackt"
