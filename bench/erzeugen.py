#!/usr/bin/env python3
"""Test data for the whole-process benchmarks.

  erzeugen.py text QUELLE MB ZIEL
      QUELLE (UTF-8, as in data/quarn/buch.txt) repeated to MB megabytes, in
      Windows-1252 with CR LF, picture references and all.
  erzeugen.py album WURZEL NAME ANZAHL BREITE HOEHE
      A project NAME in WURZEL with ANZAHL distinct uncompressed 24-bit bitmaps of
      BREITE x HOEHE in NAME/Album (mixed-case file names) and a picture list that
      names them in upper case, with a heading every 40 pictures.
  erzeugen.py marken WURZEL NAME ANZAHL
      A project NAME in WURZEL whose Album folder holds ANZAHL small bitmaps, each
      with a mark file of six German comments (one in ten naming a "Kran").
"""
import os
import struct
import sys


def text(quelle, mb, ziel):
    roh = open(quelle, encoding="utf-8").read().replace("\r\n", "\n")
    block = roh.replace("\n", "\r\n").encode("cp1252")
    groesse = int(float(mb) * 1_000_000)
    with open(ziel, "wb") as f:
        geschrieben = 0
        while geschrieben < groesse:
            teil = block[: groesse - geschrieben]
            f.write(teil)
            geschrieben += len(teil)


def bitmap(pfad, breite, hoehe, saat):
    zeile = (breite * 3 + 3) // 4 * 4
    daten = zeile * hoehe
    kopf = b"BM" + struct.pack("<IHHI", 54 + daten, 0, 0, 54)
    kopf += struct.pack("<IiiHHIIiiII", 40, breite, hoehe, 1, 24, 0, daten, 2835, 2835, 0, 0)
    # Distinct content for every picture: random rows, so no two files share pages.
    with open(pfad, "wb") as f:
        f.write(kopf)
        f.write(os.urandom(daten))


def album(wurzel, name, anzahl, breite, hoehe):
    anzahl, breite, hoehe = int(anzahl), int(breite), int(hoehe)
    os.makedirs(os.path.join(wurzel, name, "Album"), exist_ok=True)
    os.makedirs(os.path.join(wurzel, name, "Pages"), exist_ok=True)
    os.makedirs(os.path.join(wurzel, "Help"), exist_ok=True)
    open(os.path.join(wurzel, "names.exe"), "wb").write(b"x")
    open(os.path.join(wurzel, name + ".ini"), "wb").write(b"Path=" + name.encode() + b"\\\r\n")
    bitmap(os.path.join(wurzel, "Help", "Album0.bmp"), 524, 384, 0)
    zeilen = []
    for i in range(anzahl):
        if i % 40 == 0:
            zeilen.append(":I:Abschnitt %d" % (i // 40 + 1))
        datei = "Bild%04d" % i
        bitmap(os.path.join(wurzel, name, "Album", datei + ".bmp"), breite, hoehe, i)
        zeilen.append("%s:Bild Nummer %d|Ein Bild" % (datei.upper(), i))
    with open(os.path.join(wurzel, name, "Pages", name + ".3"), "wb") as f:
        f.write("".join(z + "\r\n" for z in zeilen).encode("cp1252"))


WOERTER = ("Hafen Mole Speicher Rathaus Turm Brücke Markt Kirche Straße Ufer Boot Möwe "
           "Lagerhaus Zollamt Werft Schleuse Fähre Leuchtturm Kai Anker").split()


def marken(wurzel, name, anzahl):
    anzahl = int(anzahl)
    album = os.path.join(wurzel, name, "Album")
    os.makedirs(album, exist_ok=True)
    os.makedirs(os.path.join(wurzel, name, "Pages"), exist_ok=True)
    os.makedirs(os.path.join(wurzel, "Help"), exist_ok=True)
    open(os.path.join(wurzel, "names.exe"), "wb").write(b"x")
    open(os.path.join(wurzel, name + ".ini"), "wb").write(b"Path=" + name.encode() + b"\\\r\n")
    for i in range(anzahl):
        datei = "Foto_%05d_Hafen" % i
        bitmap(os.path.join(album, datei + ".bmp"), 8, 8, i)
        zeilen = []
        for k in range(6):
            wort = WOERTER[(i * 7 + k * 3) % len(WOERTER)]
            if k == 2 and i % 10 == 0:
                wort = "Kran"
            zeilen.append("%04d,%04d,Der %s am Ufer, Blick nach Norden (%d)" % (10 + k * 40, 20 + k * 30, wort, i))
        with open(os.path.join(album, datei + ".Txt"), "wb") as f:
            f.write("".join(z + "\r\n" for z in zeilen).encode("cp1252"))


if __name__ == "__main__":
    befehl, args = sys.argv[1], sys.argv[2:]
    {"text": text, "album": album, "marken": marken}[befehl](*args)
