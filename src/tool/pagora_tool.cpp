// pagora-tool: the authoring engines without the windows. Works on a data root and a
// programme name as the program does when started through "<name>.exe" there.
#include "album/core/bilderliste.h"
#include "album/core/kleinbild.h"
#include "album/core/punktproben.h"
#include "app/core/projektdateien.h"
#include "authoring/core/albumproduktion.h"
#include "authoring/core/exelaufwerk.h"
#include "authoring/core/importlauf.h"
#include "authoring/core/textimport.h"
#include "book/core/seitensatz.h"
#include "platform/cp1252.h"
#include "platform/translation.h"
#include "tool/befehl_neu.h"
#include "tool/befehl_suche.h"
#include "tool/werkzeug.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <cstdio>
#include <unistd.h>

namespace {

enum Ausgang { Erfolg = 0, Abgelehnt = 1, Aufruffehler = 2 };

// Whole texts, NUL characters included: a page line may hold any byte.
void ausgeben(const QString &text, FILE *wohin) {
    const QByteArray b = (text + '\n').toLocal8Bit();
    std::fwrite(b.constData(), 1, size_t(b.size()), wohin);
}
void sag(const QString &text) {
    ausgeben(text, stdout);
}
void klage(const QString &text) {
    ausgeben(text, stderr);
}

const char *kHilfe = QT_TRANSLATE_NOOP(
    "Werkzeug", "Aufruf: pagora-tool --root ORDNER --name NAME BEFEHL [OPTIONEN]\n"
                "\n"
                "Befehle:\n"
                "  import --part text|help [--silbentrennung] DATEI\n"
                "                                  Text importieren: Seitendatei (.5/.7) und Inhalt (.1/.6)\n"
                "  album                           Albumseiten und Albuminhalt (.2 und .8) herstellen\n"
                "  pages --part text|help [--from N] [--to N]   Seiten als lesbaren Text ausgeben\n"
                "  contents --part text|album|help Inhaltsverzeichnis ausgeben\n"
                "  check                           Projekt prüfen (fehlende und nicht gelistete Bilder,\n"
                "                                  zu lange Namen, beschädigte Seitensätze)\n"
                "  suche --part text|help|album BEGRIFF   fehlertolerant suchen, ein Treffer je Zeile\n"
                "  neu NAME VERZEICHNIS            neues Projekt anlegen (--name entfällt; neu --help)\n"
                "\n"
                "BEFEHL --help zeigt die Hilfe zu einem Befehl.\n"
                "Rückgabe: 0 Erfolg, 1 Eingabe abgelehnt oder Fehler im Projekt, 2 Aufruffehler.\n");

const QMap<QString, const char *> kBefehlsHilfe = {
    {"import",
     QT_TRANSLATE_NOOP(
         "Werkzeug", "Aufruf: pagora-tool --root ORDNER --name NAME import --part text|help [--silbentrennung] DATEI\n"
                     "Importiert die Textdatei (Windows-1252, Markierungen :I: :S: :B:) in den Leseteil (text)\n"
                     "oder die Hilfe (help) und speichert das Inhaltsverzeichnis (.1 bzw. .6).\n"
                     "--silbentrennung trennt Wörter, die nicht mehr in die Zeile passen, nach deutschen\n"
                     "Trennregeln mit Bindestrich (Paket hyphen-de).\n")},
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
    {"check", QT_TRANSLATE_NOOP("Werkzeug", "Aufruf: pagora-tool --root ORDNER --name NAME check\n"
                                            "Prüft das Projekt; Rückgabe 1, wenn etwas nicht stimmt.\n")},
};

struct Aufruf {
    QString root, name, befehl, teil, datei;
    int von = 1, bis = 1 << 30;
    bool hilfe = false;
    bool silbentrennung = false;
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

bool oeffnen(app::Zustand &z, const Aufruf &a) {
    if (!app::GueltigerProgrammName(a.name)) {
        klage(Werkzeug::tr("Ungültiger Programmname \"%1\": ohne Punkt und ohne die Zeichen \\ / : * ? \" < > |, wie "
                           "Pagora selbst Programme benennt.")
                  .arg(a.name));
        return false;
    }
    const QString wurzel = z.dateien.stored(QDir(a.root).absolutePath() + '/');
    z.programmDatei = wurzel + a.name + ".exe";
    const auto lw = authoring::ExeLaufwerk(z.dateien, z.programmDatei);
    if (lw.status != authoring::Laufwerksergebnis::Status::Gefunden) {
        klage(Werkzeug::tr("Keine Pagora-Datenwurzel: \"names.exe\" fehlt in %1.").arg(a.root));
        return false;
    }
    z.StammVerzeichnis = lw.stammVerzeichnis;
    z.TextSeitenDateiName = lw.textSeitenDateiName;
    z.HilfeSeitenDateiName = lw.hilfeSeitenDateiName;
    z.ProgrammName = a.name;
    if (!app::EinstellungsdateiLesen(z, a.name) && !z.dateien.folderExists(z.StammVerzeichnis + a.name + "\\")) {
        klage(Werkzeug::tr("Das Projekt \"%1\" gibt es in %2 nicht: weder %1.ini noch der Ordner %1.")
                  .arg(a.name, a.root));
        return false;
    }
    z.ProjektPfad = z.einstellungen.wert("Path");
    app::ProjektVerzeichnisSetzen(z);
    z.HilfeVerzeichnis = z.StammVerzeichnis + "Help\\";
    return true;
}

QString inhaltsdatei(const app::Zustand &z, const QString &endung) {
    return z.ProjektVerzeichnis + "Pages\\" + z.ProgrammName + endung;
}

int importieren(app::Zustand &z, const Aufruf &a) {
    if ((a.teil != "text" && a.teil != "help") || a.datei.isEmpty()) return Aufruffehler;
    const authoring::Importauftrag auftrag{a.datei, a.teil == "help", true, a.silbentrennung};
    const authoring::Importlauf lauf = authoring::TextImportieren(z, auftrag, klage);
    const authoring::Importergebnis &r = lauf.ergebnis;
    using S = authoring::Importlauf::Status;
    switch (lauf.status) {
    case S::TextUnlesbar:
        klage(Werkzeug::tr("Die Textdatei %1 kann nicht gelesen werden.").arg(a.datei));
        return Abgelehnt;
    case S::OhneTrennmuster:
        klage(Werkzeug::tr("Die Trennmuster %1 fehlen (Paket hyphen-de); ohne sie gibt es keine Silbentrennung.")
                  .arg(lauf.datei));
        return Abgelehnt;
    case S::NichtGeschrieben:
    case S::Abgebrochen:
        klage(
            Werkzeug::tr("Die Datei %1 kann nicht geschrieben werden. Seiten und Inhaltsverzeichnis sind unverändert.")
                .arg(lauf.datei));
        return Abgelehnt;
    case S::Fertig: break;
    }
    sag(Werkzeug::tr("%1 Seiten, %2 Einträge im Inhaltsverzeichnis.")
            .arg(r.GeschriebeneSeiten)
            .arg(r.MemoInhalt.size()));
    const QStringList warnungen = authoring::Importwarnungen(lauf, a.datei);
    for (const QString &w : warnungen)
        klage(w);
    return warnungen.isEmpty() ? Erfolg : Abgelehnt;
}

// The picture list; no list file is an empty list, an unreadable one no value.
std::optional<QStringList> listeLesen(const app::Zustand &z) {
    const QString datei = z.ProjektVerzeichnis + "Pages\\" + z.ProgrammName + ".3";
    if (!z.dateien.exists(datei)) return QStringList();
    QByteArray b;
    if (!z.dateien.read(datei, &b, qint64(1) << 30)) {
        klage(Werkzeug::tr("Die Bilderliste %1 kann nicht gelesen werden.").arg(datei));
        return std::nullopt;
    }
    return platform::splitLines(b);
}

int albumHerstellen(app::Zustand &z) {
    const auto liste = listeLesen(z);
    if (!liste) return Abgelehnt;
    const authoring::Albumauftrag auftrag{z.StammVerzeichnis, z.ProjektVerzeichnis, z.ProgrammName, *liste};
    const auto masse = authoring::Importmasse::Bildschirm();
    // On a terminal the percentage stands on one line of stderr that is rewritten as it
    // grows; piped or redirected, the tool says nothing of it.
    const bool terminal = isatty(fileno(stderr)) != 0;
    int gezeigt = -1;
    std::function<void(const authoring::Albumschritt &)> schritt;
    if (terminal) {
        schritt = [&gezeigt](const authoring::Albumschritt &s) {
            if (s.prozent == gezeigt) return;
            gezeigt = s.prozent;
            std::fprintf(stderr, "\rHerstellung der Album-Seiten: %d %%", s.prozent);
            std::fflush(stderr);
        };
    }
    const auto r = authoring::AlbumBearbeiten(z.dateien, auftrag, masse.inhalt, schritt);
    if (gezeigt >= 0) std::fputs("\n", stderr);
    using S = authoring::Albumergebnis::Status;
    if (r.status == S::OhneAlbumblatt) {
        klage(Werkzeug::tr("Help\\Album0.bmp fehlt: keine Albumseiten hergestellt."));
        return Abgelehnt;
    }
    if (r.status != S::Fertig) {
        klage(r.meldung);
        return Abgelehnt;
    }
    if (!z.dateien.write(inhaltsdatei(z, ".2"), platform::joinLines(r.MemoInhalt)) ||
        !z.dateien.write(inhaltsdatei(z, ".8"), platform::joinLines(r.MemoInhalt2))) {
        klage(Werkzeug::tr("Das Album-Inhaltsverzeichnis kann nicht geschrieben werden."));
        return Abgelehnt;
    }
    sag(Werkzeug::tr("%1 Albumseiten hergestellt.").arg(r.gespeicherteAufschlaege));
    return Erfolg;
}

int seitenZeigen(const app::Zustand &z, const Aufruf &a) {
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

int inhaltZeigen(const app::Zustand &z, const Aufruf &a) {
    const QMap<QString, QString> endungen{{"text", ".1"}, {"album", ".2"}, {"help", ".6"}};
    if (!endungen.contains(a.teil)) return Aufruffehler;
    QByteArray b;
    if (!z.dateien.read(inhaltsdatei(z, endungen[a.teil]), &b, 16 << 20)) {
        klage(Werkzeug::tr("Das Inhaltsverzeichnis fehlt."));
        return Abgelehnt;
    }
    for (const QString &zeile : platform::splitLines(b))
        sag(zeile);
    return Erfolg;
}

int pruefen(const app::Zustand &z) {
    QStringList probleme;
    const QString album = z.ProjektVerzeichnis + "Album\\";
    QSet<QString> gelistet;
    const auto gelesen = listeLesen(z);
    if (!gelesen) probleme << Werkzeug::tr("Die Bilderliste kann nicht gelesen werden.");
    const QStringList liste = gelesen.value_or(QStringList());
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const QString &zeile = liste[i];
        if (zeile.isEmpty() || zeile.startsWith(' ') || zeile.startsWith(":")) continue;
        QString rest, name;
        album::ListenzeileZerlegen(zeile, &rest, &name);
        if (name.isEmpty()) continue;
        gelistet.insert(name);
        if (name.size() > 40)
            probleme << Werkzeug::tr("Zeile %1: Bildname länger als 40 Zeichen: %2").arg(i + 1).arg(name);
        if (!authoring::GueltigerBildname(name) || !z.dateien.exists(album + name + ".bmp"))
            probleme << Werkzeug::tr("Zeile %1: Bild fehlt: %2.bmp").arg(i + 1).arg(name);
    }
    const QString hintergrund = z.einstellungen.wert("Wallpaper").toUpper();
    for (const QString &datei : z.dateien.list(album, "*.bmp")) {
        const QString name = datei.left(datei.size() - 4).toUpper();
        if (!gelistet.contains(name) && name != hintergrund)
            probleme << Werkzeug::tr("Bild nicht in der Bilderliste: %1").arg(datei);
        if (name.size() > 40) probleme << Werkzeug::tr("Bildname länger als 40 Zeichen: %1").arg(datei);
    }
    for (const auto &[teil, datei] : {std::pair{Werkzeug::tr("Leseteil"), z.TextSeitenDateiName},
                                      std::pair{Werkzeug::tr("Hilfe"), z.HilfeSeitenDateiName}}) {
        QByteArray b;
        if (!z.dateien.read(datei, &b, qint64(1) << 31)) {
            probleme << Werkzeug::tr("%1: Seitendatei fehlt oder kann nicht gelesen werden: %2").arg(teil, datei);
            continue;
        }
        if (b.size() % book::kSeitensatzGroesse != 0)
            probleme << Werkzeug::tr("%1: Seitendatei endet mit einem unvollständigen Seitensatz.").arg(teil);
        for (qsizetype s = 0; s + book::kSeitensatzGroesse <= b.size(); s += book::kSeitensatzGroesse) {
            const int seite = int(s / book::kSeitensatzGroesse) + 1;
            book::Seitensatz satz;
            book::Seitensatz::ausBytes(b.mid(s, book::kSeitensatzGroesse), &satz);
            for (int i = 0; i < book::kZeilenJeSeite; ++i) {
                const QByteArray zeile = b.mid(s + i * book::kZeilenLaenge, book::kZeilenLaenge);
                if (zeile[0] != char(52) || !zeile.endsWith("|\r\n")) {
                    probleme << Werkzeug::tr("%1, Seite %2, Zeile %3: beschädigter Seitensatz.")
                                    .arg(teil)
                                    .arg(seite)
                                    .arg(i + 1);
                    break;
                }
            }
            for (int i = 1; i <= 28; ++i) {
                const QByteArray t = satz.text(i);
                if (book::ArtDerZeile(t) != book::Zeilenart::Bild) continue;
                const QString name = platform::fromCp1252(t.mid(3)).trimmed();
                if (!z.dateien.exists(z.HilfeVerzeichnis + name + ".bmp") &&
                    !z.dateien.exists(z.ProjektVerzeichnis + "Slides\\" + name + ".bmp"))
                    probleme << Werkzeug::tr("%1, Seite %2: Bild im Text fehlt: %3").arg(teil).arg(seite).arg(name);
            }
        }
    }
    for (const QString &p : probleme)
        sag(p);
    sag(probleme.isEmpty() ? Werkzeug::tr("Keine Probleme gefunden.")
                           : Werkzeug::tr("%1 Probleme gefunden.").arg(probleme.size()));
    return probleme.isEmpty() ? Erfolg : Abgelehnt;
}

} // namespace

// The tool speaks for itself; Qt's own start-up notes would only confuse a script.
void stilleMeldungen(QtMsgType typ, const QMessageLogContext &, const QString &text) {
    if (typ == QtCriticalMsg || typ == QtFatalMsg) klage(text);
}

int main(int argc, char **argv) {
    qInstallMessageHandler(stilleMeldungen);
    // No command needs a font engine or a screen: the import measures text in widths
    // built into the program, and the album only reads and writes pictures.
    // Pictures without a resolution of their own are written at 96 dpi, as the program
    // on its offscreen or standard screen writes them, not at Qt's 100 for no screen.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QCoreApplication anwendung(argc, argv);
    platform::installTranslation(anwendung);
    if (const auto neu = befehlNeu(QCoreApplication::arguments())) return *neu;
    const auto aufruf = lesen(QCoreApplication::arguments());
    if (!aufruf) {
        klage(Werkzeug::tr(kHilfe));
        return Aufruffehler;
    }
    const Aufruf &a = *aufruf;
    if (a.hilfe) {
        sag(Werkzeug::tr(kBefehlsHilfe.value(a.befehl, kHilfe)));
        return Erfolg;
    }
    if (a.root.isEmpty() || a.name.isEmpty() || !kBefehlsHilfe.contains(a.befehl)) {
        klage(Werkzeug::tr(kHilfe));
        return Aufruffehler;
    }
    app::Zustand z;
    if (!oeffnen(z, a)) return Abgelehnt;
    int ergebnis = Aufruffehler;
    if (a.befehl == "import")
        ergebnis = importieren(z, a);
    else if (a.befehl == "album")
        ergebnis = albumHerstellen(z);
    else if (a.befehl == "pages")
        ergebnis = seitenZeigen(z, a);
    else if (a.befehl == "contents")
        ergebnis = inhaltZeigen(z, a);
    else if (a.befehl == "check")
        ergebnis = pruefen(z);
    else if (a.befehl == "suche")
        ergebnis = befehlSuche(z, a.teil, a.datei, sag, klage);
    if (ergebnis == Aufruffehler) klage(Werkzeug::tr(kBefehlsHilfe.value(a.befehl)));
    return ergebnis;
}
