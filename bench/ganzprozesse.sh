#!/bin/bash
# Whole processes against standard tools, alternating, on generated data: the demo's
# reading part as a PDF, the import against fold, the hyphenated import against the
# plain one, a photo taken in against ImageMagick's convert, album production against
# ImageMagick's point sampling (on one thread and with its default threads), the text
# search against grep; then how album production and the check grow with ten times the
# pictures. Prints min/median/max of the paired time ratios
# (below 1: faster than the reference).
#   ganzprozesse.sh ROOT SOURCES [ROUNDS] [PICTURES]
# ROOT is the built data root with the demo project Quarn, SOURCES the source tree.
set -euo pipefail
root=$1 quellen=$2 runden=${3:-7} bilder=${4:-200}
hier=$(cd "$(dirname "$0")" && pwd)
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cp -r "$root" "$arbeit/wurzel"
tool=$arbeit/wurzel/pagora-tool
paare() { python3 "$hier/paarweise.py" "$runden" "$@"; }
erzeugen() { python3 "$hier/erzeugen.py" "$@"; }

# The demo's reading part (126 pages, 63 spreads) as a PDF, against listing the same
# pages as text: what drawing and writing the spreads costs beyond reading them.
paare "pdf text (126 Seiten) / pages --part text" -- "$tool" --root "$arbeit/wurzel" --name Quarn pdf --part text \
    "$arbeit/text.pdf" -- "$tool" --root "$arbeit/wurzel" --name Quarn pages --part text

for mb in 0.5 5 50; do
    erzeugen text "$quellen/data/quarn/buch.txt" "$mb" "$arbeit/text.txt"
    paare "import $mb MB / fold -s -w 49" -- "$tool" --root "$arbeit/wurzel" --name Quarn import --part text \
        "$arbeit/text.txt" -- fold -s -w 49 "$arbeit/text.txt"
done

# Hyphenation against the same import without it: a one-line text and 5 MB. The first
# hyphenated import makes the patterns' cache (in the user's cache folder); the pairs
# then measure what every later import pays.
printf 'Ein einziger Satz.\r\n' > "$arbeit/eins.txt"
erzeugen text "$quellen/data/quarn/buch.txt" 5 "$arbeit/fuenf.txt"
"$tool" --root "$arbeit/wurzel" --name Quarn import --part text --silbentrennung "$arbeit/eins.txt" > /dev/null
for text in eins fuenf; do
    paare "import --silbentrennung $text / ohne" -- "$tool" --root "$arbeit/wurzel" --name Quarn import --part text \
        --silbentrennung "$arbeit/$text.txt" -- "$tool" --root "$arbeit/wurzel" --name Quarn import --part text \
        "$arbeit/$text.txt"
done

# A 24-megapixel photo taken in as a bitmap, against ImageMagick writing the same bitmap.
convert=/usr/bin/convert
mkdir -p "$arbeit/foto"
"$convert" -size 6000x4000 gradient:red-blue -attenuate 0.3 +noise Gaussian -quality 90 "$arbeit/foto/x.jpg"
cp "$arbeit/foto/x.jpg" "$arbeit/wurzel/Quarn/Album/Foto.jpg"
paare "bilder 24 MP / convert BMP3" -- sh -c "rm -f '$arbeit/wurzel/Quarn/Album/Foto.bmp'; '$tool' --root \
    '$arbeit/wurzel' --name Quarn bilder Foto.jpg" -- sh -c "rm -f '$arbeit/foto/x.bmp'; '$convert' \
    '$arbeit/foto/x.jpg' BMP3:'$arbeit/foto/x.bmp'"
rm -rf "$arbeit/foto" "$arbeit/wurzel/Quarn/Album/Foto.jpg" "$arbeit/wurzel/Quarn/Album/Foto.bmp"

# About 7,000 pages to search.
erzeugen text "$quellen/data/quarn/buch.txt" 5 "$arbeit/text.txt"
"$tool" --root "$arbeit/wurzel" --name Quarn import --part text "$arbeit/text.txt" > /dev/null || true
# A word the text holds: the tool finds "Mühle" written "Muehle"; grep looks for the
# word as the page file holds it (Windows-1252), so both find the same lines.
muehle=$(printf 'm\xfchle')
test "$(LC_ALL=C grep -c -i "$muehle" "$arbeit/wurzel/Quarn/Pages/Quarn.5")" -gt 0
paare "suche text (7.000 Seiten) / grep -c -i" -- "$tool" --root "$arbeit/wurzel" --name Quarn suche --part text Muehle \
    -- env LC_ALL=C grep -c -i "$muehle" "$arbeit/wurzel/Quarn/Pages/Quarn.5"

# The album search over the mark files, at 500 and 5,000 pictures.
for anzahl in 500 5000; do
    erzeugen marken "$arbeit/marken" Proj "$anzahl"
    paare "suche album ($anzahl Markendateien) / grep -ri" -- "$tool" --root "$arbeit/marken" --name Proj suche \
        --part album Kran -- grep -ri kran "$arbeit/marken/Proj/Album"
    rm -rf "$arbeit/marken"
done

for groesse in 800x600 1600x1200; do
    b=${groesse%x*} h=${groesse#*x}
    # The reduction album production uses: thumbnails of at most 108 x 76 pixels.
    d1=$(( (b * 10 + 1079) / 1080 )) d2=$(( (h * 10 + 759) / 760 ))
    d=$(( d1 > d2 ? d1 : d2 ))
    erzeugen album "$arbeit/album" Proj "$bilder" "$b" "$h"
    mkdir -p "$arbeit/proben"
    # mogrify on one thread (as the tool works) and with its default threads.
    paare "album $bilder x $groesse / mogrify 1 Faden" -- "$tool" --root "$arbeit/album" --name Proj album \
        -- mogrify -limit thread 1 -path "$arbeit/proben" -sample $((b / d))x$((h / d)) \
        "$arbeit"/album/Proj/Album/*.bmp
    paare "album $bilder x $groesse / mogrify" -- "$tool" --root "$arbeit/album" --name Proj album \
        -- mogrify -path "$arbeit/proben" -sample $((b / d))x$((h / d)) "$arbeit"/album/Proj/Album/*.bmp
    rm -rf "$arbeit/album" "$arbeit/proben"
done

# How the cost grows: ten times the pictures, album production and the project check
# (smaller pictures, so that 2,000 of them fit any disk).
erzeugen album "$arbeit/a200" Proj 200 400 300
erzeugen album "$arbeit/a2000" Proj 2000 400 300
paare "album 2.000 / 200 Bilder (400x300)" -- "$tool" --root "$arbeit/a2000" --name Proj album \
    -- "$tool" --root "$arbeit/a200" --name Proj album
paare "check 2.000 / 200 Bilder" -- "$tool" --root "$arbeit/a2000" --name Proj check \
    -- "$tool" --root "$arbeit/a200" --name Proj check
rm -rf "$arbeit/a200" "$arbeit/a2000"

# Start-up to the first frame on a simulated 1920 x 1080 screen: the book drawn at the
# factor "Passend" gives there against the exact pixel layout.
echo '{"screens":[{"name":"s","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"dpr":1}]}' > "$arbeit/schirm.json"
for groesse in Passend Original; do
    mkdir -p "$arbeit/konfig-$groesse/Pagora"
    printf '[Ansicht]\nBuchgroesse=%s\n' "$groesse" > "$arbeit/konfig-$groesse/Pagora/Pagora.conf"
done
start() { echo env XDG_CONFIG_HOME="$arbeit/konfig-$1" QT_QPA_PLATFORM=offscreen:configfile="$arbeit/schirm.json" \
    PAGORA_BENCH_ERSTES_BILD=1 "$arbeit/wurzel/Pagora.exe"; }
paare "Start Passend / Original (1920 x 1080)" -- $(start Passend) -- $(start Original)
