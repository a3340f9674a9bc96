#include "tool/aufruf.h"

#include "book/core/seitensatz.h"
#include "platform/cp1252.h"
#include "project/core/exelaufwerk.h"
#include "project/core/projektdateien.h"
#include "tool/befehl_suche.h"
#include "tool/werkzeug.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

// Whole texts, NUL characters included: a page line may hold any byte.
void ausgeben(const QString &text, FILE *wohin) {
    const QByteArray b = (text + '\n').toLocal8Bit();
    std::fwrite(b.constData(), 1, size_t(b.size()), wohin);
}

int seitenZeigen(const projekt::Zustand &z, const Aufruf &a) {
    if (a.teil != "text" && a.teil != "help") return Aufruffehler;
    QByteArray b;
    if (!z.dateien.read(a.teil == "help" ? z.HilfeSeitenDateiName : z.TextSeitenDateiName, &b, qint64(1) << 31)) {
        klage(Werkzeug::tr("Die Seitendatei fehlt."));
        return Abgelehnt;
    }
    const int anzahl = int(b.size() / book::kSeitensatzGroesse);
    for (int seite = a.von; seite <= qMin(a.bis, anzahl); ++seite) {
        book::Seitensatz satz;
        book::Seitensatz::ausBytes(b.mid(qsizetype(seite - 1) * book::kSeitensatzGroesse, book::kSeitensatzGroesse),
                                   &satz);
        sag(QStringLiteral("--- Seite %1 ---").arg(seite));
        for (int i = 1; i <= 28; ++i) {
            const QByteArray t = satz.text(i);
            QString s = platform::fromCp1252(t.mid(1)).trimmed();
            switch (book::ArtDerZeile(t)) {
            case book::Zeilenart::Titel: s = "# " + s; break;
            case book::Zeilenart::Bild: s = "[Bild] " + platform::fromCp1252(t.mid(3)).trimmed(); break;
            case book::Zeilenart::Unterschrift: s = "[Unterschrift] " + s; break;
            case book::Zeilenart::Text:
                s = platform::fromCp1252(t);
                while (s.endsWith(' '))
                    s.chop(1);
                break;
            }
            sag(s);
        }
    }
    return Erfolg;
}

int inhaltZeigen(const projekt::Zustand &z, const Aufruf &a) {
    using projekt::Seitendatei;
    const QMap<QString, Seitendatei> teile{
        {"text", Seitendatei::TextInhalt}, {"album", Seitendatei::AlbumInhalt}, {"help", Seitendatei::HilfeInhalt}};
    if (!teile.contains(a.teil)) return Aufruffehler;
    QByteArray b;
    if (!z.dateien.read(z.ort.datei(teile[a.teil]), &b, 16 << 20)) {
        klage(Werkzeug::tr("Das Inhaltsverzeichnis fehlt."));
        return Abgelehnt;
    }
    for (const QString &zeile : platform::splitLines(b))
        sag(zeile);
    return Erfolg;
}

} // namespace

void sag(const QString &text) {
    ausgeben(text, stdout);
}
void klage(const QString &text) {
    ausgeben(text, stderr);
}

void stilleMeldungen(QtMsgType typ, const QMessageLogContext &, const QString &text) {
    if (typ == QtCriticalMsg || typ == QtFatalMsg) klage(text);
}

const char *const kHilfe = QT_TRANSLATE_NOOP(
    "Werkzeug", "Aufruf: pagora-tool --root ORDNER --name NAME BEFEHL [OPTIONEN]\n"
                "\n"
                "Befehle:\n"
                "  import --part text|help [--silbentrennung] [--ersetzen] DATEI\n"
                "                                  Text importieren: Seitendatei (.5/.7) und Inhalt (.1/.6)\n"
                "  bilder [--rest] [DATEI]         Fotos (JPEG, PNG) im Album-Ordner als Bitmaps übernehmen\n"
                "  album                           Albumseiten und Albuminhalt (.2 und .8) herstellen\n"
                "  pages --part text|help [--from N] [--to N]   Seiten als lesbaren Text ausgeben\n"
                "  contents --part text|album|help Inhaltsverzeichnis ausgeben\n"
                "  check                           Projekt prüfen (fehlende und nicht gelistete Bilder,\n"
                "                                  zu lange Namen, beschädigte Seitensätze)\n"
                "  suche --part text|help|album BEGRIFF   fehlertolerant suchen, ein Treffer je Zeile\n"
                "  neu NAME VERZEICHNIS            neues Projekt anlegen (--name entfällt; neu --help)\n"
                "  pdf --part text|album|help [--from N] [--to N] DATEI   einen Teil als PDF speichern\n"
                "\n"
                "BEFEHL --help zeigt die Hilfe zu einem Befehl.\n"
                "Rückgabe: 0 Erfolg, 1 Eingabe abgelehnt oder Fehler im Projekt, 2 Aufruffehler.\n");

const QMap<QString, const char *> kBefehlsHilfe = {
    {"import",
     QT_TRANSLATE_NOOP(
         "Werkzeug",
         "Aufruf: pagora-tool --root ORDNER --name NAME import --part text|help [--silbentrennung] [--ersetzen] DATEI\n"
         "Importiert die Textdatei (Windows-1252 oder UTF-8, Markierungen :I: :S: :B:) in den Leseteil (text)\n"
         "oder die Hilfe (help) und speichert das Inhaltsverzeichnis (.1 bzw. .6).\n"
         "--silbentrennung trennt Wörter, die nicht mehr in die Zeile passen, nach deutschen\n"
         "Trennregeln mit Bindestrich (Paket hyphen-de).\n"
         "Ein UTF-8-Text wird nach Windows-1252 umgewandelt; enthält er Zeichen, die Windows-1252 nicht\n"
         "kennt, nennt der Import sie und bricht ab. --ersetzen importiert ihn dann ohne diese Zeichen.\n")},
    {"bilder", QT_TRANSLATE_NOOP(
                   "Werkzeug",
                   "Aufruf: pagora-tool --root ORDNER --name NAME bilder [--rest] [DATEI]\n"
                   "Übernimmt Fotos (*.jpg, *.jpeg, *.png) aus dem Album-Ordner als 24-Bit-Bitmaps daneben, aufrecht\n"
                   "gedreht, wie die Kamera es vermerkt hat; ohne DATEI alle Fotos, die noch kein Bitmap ihres Namens\n"
                   "haben. Ein vorhandenes Bitmap wird nie ersetzt: das neue heißt dann \"Name (2).bmp\".\n"
                   "--rest verschiebt die Fotos danach in den Ordner Rest.\n")},
    {"album",
     QT_TRANSLATE_NOOP("Werkzeug",
                       "Aufruf: pagora-tool --root ORDNER --name NAME album\n"
                       "Stellt die Albumseiten aus der Bilderliste her und speichert den Albuminhalt (.2 und .8).\n")},
    {"pages",
     QT_TRANSLATE_NOOP(
         "Werkzeug",
         "Aufruf: pagora-tool --root ORDNER --name NAME pages --part text|help [--from N] [--to N]\n"
         "Gibt Seiten aus: \"# \" Überschrift, \"[Bild] \" Bildzeile, \"[Unterschrift] \" Bildunterschrift.\n")},
    {"contents",
     QT_TRANSLATE_NOOP("Werkzeug", "Aufruf: pagora-tool --root ORDNER --name NAME contents --part text|album|help\n"
                                   "Gibt das Inhaltsverzeichnis des Teils aus.\n")},
    {"suche",
     QT_TRANSLATE_NOOP("Werkzeug",
                       "Aufruf: pagora-tool --root ORDNER --name NAME suche --part text|help|album BEGRIFF\n"
                       "Sucht wie Pagora fehlertolerant im Leseteil, in der Hilfe oder in den Bildmarken und gibt\n"
                       "jeden Treffer auf einer Zeile aus. Rückgabe 0 mit Treffern, 1 ohne.\n")},
    {"pdf", QT_TRANSLATE_NOOP(
                "Werkzeug",
                "Aufruf: pagora-tool --root ORDNER --name NAME pdf --part text|album|help [--from N] [--to N] DATEI\n"
                "Speichert die Doppelseiten eines Teils (Seiten N bis N) als PDF, eine Doppelseite je Blatt, wie\n"
                "Pagora sie zeigt und druckt; der Text bleibt durchsuchbar, das Inhaltsverzeichnis wird zu\n"
                "Lesezeichen des PDF.\n")},
    {"check", QT_TRANSLATE_NOOP("Werkzeug", "Aufruf: pagora-tool --root ORDNER --name NAME check\n"
                                            "Prüft das Projekt; Rückgabe 1, wenn etwas nicht stimmt.\n")},
};

std::optional<Aufruf> lesen(const QStringList &args) {
    Aufruf a;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &x = args[i];
        auto wert = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (x == "--help" || x == "-h")
            a.hilfe = true;
        else if (x == "--silbentrennung")
            a.silbentrennung = true;
        else if (x == "--ersetzen")
            a.ersetzen = true;
        else if (x == "--rest")
            a.rest = true;
        else if (x == "--root" || x == "--name" || x == "--part" || x == "--from" || x == "--to") {
            const auto w = wert();
            if (!w) return std::nullopt;
            if (x == "--root")
                a.root = *w;
            else if (x == "--name")
                a.name = *w;
            else if (x == "--part")
                a.teil = *w;
            else {
                bool ok = false;
                const int n = w->toInt(&ok);
                if (!ok || n < 1) return std::nullopt;
                (x == "--from" ? a.von : a.bis) = n;
            }
        } else if (x.startsWith("--"))
            return std::nullopt;
        else if (a.befehl.isEmpty())
            a.befehl = x;
        else if (a.datei.isEmpty())
            a.datei = x;
        else
            return std::nullopt;
    }
    return a;
}

bool oeffnen(projekt::Zustand &z, const Aufruf &a) {
    if (projekt::VorbehaltenerName(a.name)) {
        klage(Werkzeug::tr("\"%1\" ist der Name einer Datei oder eines Ordners von Pagora selbst, kein Projekt.")
                  .arg(a.name));
        return false;
    }
    if (!projekt::GueltigerProgrammName(a.name)) {
        klage(Werkzeug::tr("Ungültiger Programmname \"%1\": ohne Punkt und ohne die Zeichen \\ / : * ? \" < > |, wie "
                           "Pagora selbst Programme benennt.")
                  .arg(a.name));
        return false;
    }
    const QString wurzel = z.dateien.stored(QDir(a.root).absolutePath() + '/');
    z.programmDatei = wurzel + a.name + ".exe";
    const auto lw = projekt::ExeLaufwerk(z.dateien, z.programmDatei);
    if (lw.status != projekt::Laufwerksergebnis::Status::Gefunden) {
        klage(Werkzeug::tr("Keine Pagora-Datenwurzel: \"names.exe\" fehlt in %1.").arg(a.root));
        return false;
    }
    // Without settings the project is its folder of the same name, and nothing else.
    z.programmOrt = lw.ort;
    z.ortSetzen(lw.ort);
    if (!projekt::EinstellungsdateiLesen(z, a.name) && !z.dateien.folderExists(z.ort.ordner())) {
        klage(Werkzeug::tr("Das Projekt \"%1\" gibt es in %2 nicht: weder %1.ini noch der Ordner %1.")
                  .arg(a.name, a.root));
        return false;
    }
    return true;
}

std::optional<QStringList> listeLesen(const projekt::Zustand &z) {
    const QString datei = z.ort.datei(projekt::Seitendatei::Bilderliste);
    // Only a list that is not there is empty; anything in its place that cannot be
    // read as a list would empty the album.
    const QString nativ = z.dateien.native(datei);
    if (!nativ.isEmpty() && !QFileInfo::exists(nativ)) return QStringList();
    QByteArray b;
    if (!z.dateien.read(datei, &b, qint64(1) << 30)) {
        klage(Werkzeug::tr("Die Bilderliste %1 kann nicht gelesen werden.").arg(datei));
        return std::nullopt;
    }
    return platform::splitLines(b);
}

bool nurLesend(const Aufruf &a) {
    return a.befehl == "pages" || a.befehl == "contents" || a.befehl == "suche";
}

std::optional<int> lesendAusfuehren(const projekt::Zustand &z, const Aufruf &a) {
    if (a.befehl == "pages") return seitenZeigen(z, a);
    if (a.befehl == "contents") return inhaltZeigen(z, a);
    if (a.befehl == "suche") return befehlSuche(z, a.teil, a.datei, sag, klage);
    return std::nullopt;
}
