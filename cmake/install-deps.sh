#!/bin/sh
# Installs the Debian packages named as arguments that are not installed yet.
set -e
missing=""
if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "This set-up installs its tools with apt-get (Debian or Ubuntu)." >&2
    echo "On other systems install CMake, a C++20 compiler, Qt 6 (Core, Gui, Widgets," >&2
    echo "PrintSupport, Svg, Test) and the Liberation fonts, then run cmake yourself." >&2
    exit 1
fi
for p in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in *"install ok installed"*) ;; *) missing="$missing $p" ;; esac
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
