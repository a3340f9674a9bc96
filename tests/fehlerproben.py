#!/usr/bin/env python3
"""Puts small slips into the code one at a time, the kind developers make (a bound
moved by one, a constant changed, a statement dropped, a direct write in place of a
safe one), rebuilds and runs the suite: how many of them the tests catch.

    tests/fehlerproben.py SOURCE_DIR BUILD_DIR [NUMBER ...]

With numbers, only those slips (counted from 1) are tried.

Runs for a long time (one build and one test run per slip); the source tree is put
back after each slip, also when interrupted."""
import pathlib
import subprocess
import sys

# (file, exact text, replacement); the text occurs once in the file.
FEHLER = [
    ("src/book/core/blaettern.cpp", "if (m == 998) m = umfang.TextSeitenZahl;", "if (m == 996) m = umfang.TextSeitenZahl;"),
    ("src/book/core/blaettern.cpp", "if (n >= umfang.HilfeSeitenZahl + 2001) return {};", "if (n >= umfang.HilfeSeitenZahl + 2002) return {};"),
    ("src/book/core/blaettern.cpp", "umfang.BilderAnzahl / 16 + 501", "umfang.BilderAnzahl / 16 + 502"),
    ("src/book/core/blaettern.cpp", "        --stand[std::size_t(t)].Aktuell;\n", "\n"),
    ("src/book/core/seitensatz.cpp", "    if (nummer < 1 || nummer > kZeilenJeSeite) return;", "    if (nummer < 1 || nummer >= kZeilenJeSeite) return;"),
    ("src/book/core/seitenanzeige.cpp", "for (int i = 1; i <= 28; ++i)", "for (int i = 1; i < 28; ++i)"),
    ("src/book/core/seitenanzeige.cpp", "if (e.size() > 24) {", "if (e.size() > 25) {"),
    ("src/book/core/seitenanzeige.cpp", "const qsizetype ende = qsizetype(a - 1) * 54 + 25;", "const qsizetype ende = qsizetype(a - 1) * 54 + 24;"),
    ("src/search/core/suche.cpp", "if (treffer <= 12) return m;", "if (treffer < 12) return m;"),
    ("src/search/core/suche.cpp", "i >= 1 && !gefunden; --i)", "i > 1 && !gefunden; --i)"),
    ("src/project/core/einstellungen.cpp", "if (gleich <= 0) continue;", "if (gleich < 0) continue;"),
    ("src/app/core/startlogik.cpp", "if (ppi <= 96) return s;", "if (ppi < 96) return s;"),
    ("src/app/core/startlogik.cpp", "s.warnen = a > 6 ||", "s.warnen = a > 7 ||"),
    ("src/album/core/bilderliste.cpp", "    if (leer(index) && index > 0) --index;\n", "\n"),
    ("src/album/core/listenregeln.cpp", "const bool rechteSeite = zelle >= 8;", "const bool rechteSeite = zelle > 8;"),
    ("src/album/core/marken.cpp", "if (xs >= 0 && xs <= 53)", "if (xs >= 0 && xs <= 52)"),
    ("src/album/core/marken.cpp", "else if (xs >= 208)", "else if (xs > 208)"),
    ("src/album/core/marken.cpp", "if (zeile < 1 || zeile > grenzen.size()) return std::nullopt;", "if (zeile < 1 || zeile >= grenzen.size()) return std::nullopt;"),
    ("src/album/core/marken.cpp", "if (schwebend && xs > 255) return 0;", "if (schwebend && xs > 256) return 0;"),
    ("src/app/core/ansicht.cpp", "f >= 1.0 && f <= kGroessterFaktor", "f >= 1.0 && f < kGroessterFaktor"),
    ("src/album/core/albumraster.h", "{5, 101, 197, 293}", "{5, 101, 196, 293}"),
    ("src/authoring/core/albumproduktion.cpp", "qint64(w) * 10 / d > 1080", "qint64(w) * 10 / d >= 1080"),
    ("src/album/core/kleinbild.cpp", "while (w / d > 240 || h / d > 150)", "while (w / d > 240 || h / d > 151)"),
    ("src/platform/files.cpp", "    return writeAll({{storedPath, bytes}}) < 0;",
     "    QFile f(native(storedPath));\n    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();"),
    ("src/platform/files.cpp", "    return out->size() <= maxBytes && f.error() == QFileDevice::NoError;",
     "    return out->size() <= maxBytes + 1 && f.error() == QFileDevice::NoError;"),
    ("src/authoring/core/textimport.cpp", "constexpr int kMaxBreite = 230;", "constexpr int kMaxBreite = 231;"),
    ("src/authoring/core/textimport.cpp", "breite >= kZuBreit || testzeile_.size() >= 50)", "breite >= kZuBreit || testzeile_.size() > 50)"),
    ("src/project/core/projektdateien.cpp", "QStringView(u\"\\\\/:*?\\\"<>|.\")", "QStringView(u\"\\\\/:*?\\\"<>|\")"),
    ("src/search/core/falten.cpp", "    ErstesErsetzen(QStringLiteral(\"ae\"), QStringLiteral(\"e\"), s);\n", "\n"),
    ("src/project/core/einstellungen.cpp", "eintraege_[size_t(i)].wert = zeile.mid(gleich + 1).left(kMaxWertLaenge);",
     "eintraege_[size_t(i)].wert = zeile.mid(gleich + 1);"),
    ("src/platform/files.cpp", " &&\n                     ::fchmod(f.handle(), modusFuer(ziel)) == 0;", ";"),
    ("src/authoring/views/inhaltsbearbeitung.cpp", "writeAll(neu); fehler >= 0) {", "writeAll(neu); fehler > 0) {"),
    ("src/authoring/core/textimport.cpp", "|| zeilennummer_ >= kVoll) {", "|| zeilennummer_ > kVoll) {"),
    ("src/authoring/core/textimport.cpp", "bildhoehe + kommentarhoehe < kVoll) {", "bildhoehe + kommentarhoehe <= kVoll) {"),
    ("src/app/views/ansichtmenue.cpp", "if (groesse == werte_.buchgroesse) return;",
     "if (groesse.art == werte_.buchgroesse.art) return;"),
    ("src/search/views/fundmarken.cpp", "for (int z = 0; z < zeilen.size(); ++z)", "for (int z = 0; z < zeilen.size() - 1; ++z)"),
    ("src/launcher/benutzerwurzel.cpp", "return ::lstat(wurzel_.c_str(), &st) == 0 ? anOrtFuellen",
     "return ::lstat(wurzel_.c_str(), &st) == 9 ? anOrtFuellen"),
    ("src/search/core/suche.cpp", "frei = ~quint64(0) << (stelle + 1);", "frei = ~quint64(0) << (stelle + 2);"),
    ("src/search/core/falten.cpp", "if (a.ue || a.ae || a.oi) alleErsetzen", "if (a.ue || a.ae) alleErsetzen"),
    ("src/platform/recordfile.cpp", "    pufferAnfang_ += stelle_;\n", "\n"),
    ("src/platform/entwurf.cpp", "ok_ = leeren() && datei_.flush()", "ok_ = ok_ && datei_.flush()"),
    ("src/platform/mappedfile.cpp", "if (von && adresse >= von && adresse < w.bis) siglongjmp",
     "if (von && adresse >= von && adresse < w.bis && !von) siglongjmp"),
    ("src/book/views/griffbeschriftung.cpp", "    QFrame::focusInEvent(event);", "    QLabel::focusInEvent(event);"),
    ("src/platform/fonts.cpp",
     "  <alias><family>Sans Serif</family><prefer><family>Liberation Sans</family><family>DejaVu Sans</family></prefer></alias>\n",
     ""),
    ("src/authoring/core/textimport.cpp", "                if (c == kUeberschriftende) mitEnde_ = true;\n", "\n"),
    ("src/authoring/core/textimport.cpp", "            mitEnde_ = std::any_of(testzeile_.begin()", "            mitEnde_ = std::none_of(testzeile_.begin()"),
    ("src/authoring/core/textimport.cpp", "const size_t vorn = qMin<size_t>(testzeile_.size(), 50);", "const size_t vorn = testzeile_.size();"),
    ("src/platform/entwurf.cpp", "    if (!stueck.data_ptr().d_ptr()) stueck", "    if (!stueck.data_ptr().d_ptr() && false) stueck"),
    ("src/authoring/core/importlauf.cpp", "if (fehlgeschlagen_.contains(name)) {", "if (fehlgeschlagen_.contains(name) && false) {"),
    ("src/tool/befehl_import.cpp", "    if (const auto kopf = platform::bitmapHeaderSize(nativePath)) return kopf;",
     "    return platform::bitmapHeaderSize(nativePath);"),
]


def lauf(befehl, **kw):
    return subprocess.run(befehl, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw).returncode


def main():
    quelle, bau = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    auswahl = {int(a) for a in sys.argv[3:]}
    gefangen = []
    for nr, (datei, alt, neu) in enumerate(FEHLER, 1):
        if auswahl and nr not in auswahl:
            continue
        pfad = quelle / datei
        text = pfad.read_text()
        if text.count(alt) != 1:
            print(f"{nr:2} {datei}: Stelle nicht eindeutig gefunden", flush=True)
            continue
        try:
            pfad.write_text(text.replace(alt, neu))
            if lauf(["cmake", "--build", str(bau), "-j2"]) != 0:
                ergebnis = "Bau scheitert"
                gefangen.append(True)
            else:
                rot = lauf(["ctest", "--stop-on-failure", "-j2", "--timeout", "300"], cwd=bau,
                           env={**__import__("os").environ, "QT_QPA_PLATFORM": "offscreen"}) != 0
                ergebnis = "gefangen" if rot else "ÜBERSEHEN"
                gefangen.append(rot)
        finally:
            pfad.write_text(text)
        print(f"{nr:2} {ergebnis:12} {datei}: {alt.strip()[:60]}", flush=True)
    lauf(["cmake", "--build", str(bau), "-j2"])
    print(f"gefangen {sum(gefangen)} von {len(gefangen)} ({100 * sum(gefangen) // max(len(gefangen), 1)} %)")


if __name__ == "__main__":
    main()
