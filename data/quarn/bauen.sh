#!/bin/bash
# Builds the demo project Quarn into a data root with the project's own tools:
# renders the pictures, converts the texts, imports the book and the help, makes the
# album, and takes the standard help from the imported help.
#   bauen.sh ROOT SOURCES HELP_TEXT WORK RENDERER TOOL PROGRAM CP1252
set -euo pipefail
root=$1 src=$2 hilfe=$3 work=$4 render=$5 tool=$6 program=$7 cp1252=$8
projekt=$root/Quarn
mkdir -p "$projekt"/{Album,Slides,Huge,Pages,Rest} "$work"

jobs=()
for svg in "$src"/bilder/*.svg; do
    name=$(basename "$svg" .svg)
    if [ "$name" = Tisch ]; then jobs+=("$svg:Quarn/Album/$name.bmp:1920:1080")
    else jobs+=("$svg:Quarn/Album/$name.bmp:800:600"); fi
done
for name in Mahlgang Windmuel Backofen; do jobs+=("$src/bilder/$name.svg:Quarn/Huge/$name.bmp:1600:1200"); done
QT_QPA_PLATFORM=offscreen "$render" "$root" "${jobs[@]}"

for f in "$src"/Album/*; do "$cp1252" "$f" "$projekt/Album/$(basename "$f")"; done
"$cp1252" "$src/liste.txt" "$projekt/Pages/Quarn.3"
"$cp1252" "$src/copyright.txt" "$projekt/Pages/Quarn.4"
"$cp1252" "$src/buch.txt" "$work/buch.txt"
"$cp1252" "$hilfe" "$work/hilfe.txt"
# The texts as the import reads them, for authors who import them again in the program.
mkdir -p "$projekt/Texte"
cp "$work/buch.txt" "$work/hilfe.txt" "$projekt/Texte/"
"$cp1252" "$src/Quarn.ini" "$work/Quarn.ini"
cp "$work/Quarn.ini" "$root/Quarn.ini"
install -m 755 "$program" "$root/Quarn.exe"

"$tool" --root "$root" --name Quarn import --part text "$work/buch.txt"
"$tool" --root "$root" --name Quarn import --part help "$work/hilfe.txt"
"$tool" --root "$root" --name Quarn album
cp "$projekt/Pages/Quarn.6" "$root/Help/default.6"
cp "$projekt/Pages/Quarn.7" "$root/Help/default.7"

# The register tabs "Mühle" and "Brot" lead to chapters 3 and 7.
# A chapter sharing its page with the next heading has its number on that heading's line.
kapitelseite() {
    tr -d '\r' < "$projekt/Pages/Quarn.1" |
        awk -v k="^$1\\. " '$0 ~ k { f = 1 } f && /[0-9]$/ { sub(/.*[^0-9]/, ""); print; exit }'
}
muehle=$(kapitelseite 3) brot=$(kapitelseite 7)
sed -e "s/@MUEHLE@/${muehle:-0}/" -e "s/@BROT@/${brot:-0}/" "$work/Quarn.ini" > "$root/Quarn.ini.neu"
mv "$root/Quarn.ini.neu" "$root/Quarn.ini"

"$tool" --root "$root" --name Quarn check
