#!/bin/sh
# Turns a UTF-8 text source into the Windows-1252 CR LF text the program reads.
set -e
iconv -f UTF-8 -t CP1252 "$1" | sed 's/\r*$/\r/' > "$2.tmp"
mv "$2.tmp" "$2"
