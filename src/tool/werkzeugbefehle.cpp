// The commands of pagora-tool that make pictures or measure them (import, album, check,
// neu), and the whole command line: a module the tool loads only for them, so that the
// commands that only read start without the picture libraries.
#include "album/core/bilderliste.h"
#include "album/core/fotouebernahme.h"
#include "album/core/kleinbild.h"
#include "authoring/core/albumproduktion.h"
#include "authoring/core/textimport.h"
#include "book/core/seitensatz.h"
#include "platform/bitmapfile.h"
#include "platform/cp1252.h"
#include "project/core/projektdateien.h"
#include "tool/aufruf.h"
#include "tool/befehl_neu.h"
#include "tool/werkzeug.h"
#include "tool/werkzeugsperre.h"

#include <QCoreApplication>
#include <QSet>
#include <cstdio>
#include <tuple>
#include <unistd.h>

namespace {

int albumHerstellen(projekt::Zustand &z) {
    const auto liste = listeLesen(z);
    if (!liste) return Abgelehnt;
    const authoring::Albumauftrag auftrag{z.ort, *liste};
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
    sag(Werkzeug::tr("%1 Albumseiten hergestellt.").arg(r.gespeicherteAufschlaege));
    return Erfolg;
}

// Contents and pages made by one import belong together: every entry's page exists and
// starts a chapter there (holds a heading). A page file replaced without its contents,
// or the other way round, shows here.
QStringList inhaltPruefen(const projekt::Zustand &z) {
    QStringList probleme;
    using projekt::Seitendatei;
    for (const auto &[teil, inhalt, seiten] :
         {std::tuple{Werkzeug::tr("Leseteil"), Seitendatei::TextInhalt, z.TextSeitenDateiName},
          std::tuple{Werkzeug::tr("Hilfe"), Seitendatei::HilfeInhalt, z.HilfeSeitenDateiName}}) {
        QByteArray zeilen, b;
        if (!z.dateien.read(z.ort.datei(inhalt), &zeilen, 16 << 20) || !z.dateien.read(seiten, &b, qint64(1) << 31))
            continue;
        const int anzahl = int(b.size() / book::kSeitensatzGroesse);
        for (const QString &zeile : platform::splitLines(zeilen)) {
            qsizetype ziffern = zeile.size();
            while (ziffern > 0 && zeile.at(ziffern - 1).isDigit() && zeile.at(ziffern - 1) <= '9')
                --ziffern;
            if (ziffern == zeile.size()) continue; // a heading continued on the next line
            const int seite = zeile.mid(ziffern).toInt();
            bool ueberschrift = false;
            if (seite >= 1 && seite <= anzahl) {
                book::Seitensatz satz;
                book::Seitensatz::ausBytes(
                    b.mid(qsizetype(seite - 1) * book::kSeitensatzGroesse, book::kSeitensatzGroesse), &satz);
                for (int i = 1; i <= 28 && !ueberschrift; ++i)
                    ueberschrift = book::ArtDerZeile(satz.text(i)) == book::Zeilenart::Titel;
            }
            if (!ueberschrift) {
                probleme << Werkzeug::tr("%1: Das Inhaltsverzeichnis passt nicht zu den Seiten: \"%2\" verweist auf "
                                         "Seite %3, die %4.")
                                .arg(teil, zeile.left(ziffern).trimmed())
                                .arg(seite)
                                .arg(seite > anzahl ? Werkzeug::tr("es nicht gibt")
                                                    : Werkzeug::tr("keine Überschrift hat"));
                break;
            }
        }
    }
    return probleme;
}

// Photos of the album folder made bitmaps, each named on stdout as it is done.
int bilderUebernehmen(const projekt::Zustand &z, const Aufruf &a) {
    const QStringList fotos =
        a.datei.isEmpty() ? album::FotosOhneBitmap(z.dateien, z.ProjektVerzeichnis) : QStringList{a.datei};
    const bool terminal = isatty(fileno(stderr)) != 0;
    int fehler = 0;
    for (qsizetype i = 0; i < fotos.size(); ++i) {
        if (terminal && fotos.size() > 1) {
            std::fprintf(stderr, "\r%s", qPrintable(Werkzeug::tr("Fotos: %1 von %2").arg(i + 1).arg(fotos.size())));
            std::fflush(stderr);
        }
        const album::Fotoergebnis r = album::FotoUebernehmen(z.dateien, z.ProjektVerzeichnis, fotos[i], a.rest, false);
        if (terminal && fotos.size() > 1 && !r.meldung.isEmpty()) std::fputs("\n", stderr);
        if (!r.meldung.isEmpty()) {
            klage(r.meldung);
            ++fehler;
        }
        if (!r.bitmap.isEmpty() && r.status != album::Fotoergebnis::Status::NichtGeschrieben &&
            r.status != album::Fotoergebnis::Status::Unlesbar)
            sag(QStringLiteral("%1 -> %2").arg(fotos[i], r.bitmap));
    }
    if (terminal && fotos.size() > 1) std::fputs("\n", stderr);
    // One sync for all the bitmaps.
    if (!fotos.isEmpty() && !z.dateien.syncFolder(z.ProjektVerzeichnis + "Album\\")) {
        klage(Werkzeug::tr("Die Bitmaps können nicht sicher gespeichert werden."));
        return Abgelehnt;
    }
    sag(Werkzeug::tr("%1 Fotos übernommen.").arg(fotos.size() - fehler));
    return fehler > 0 ? Abgelehnt : Erfolg;
}

int pruefen(const projekt::Zustand &z) {
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
    for (const QString &rest : projekt::AenderungsReste(z))
        probleme << Werkzeug::tr("Rest einer unterbrochenen Änderung: %1 (der nächste schreibende Aufruf oder der "
                                 "Start von Pagora räumt ihn auf)")
                        .arg(rest);
    probleme << inhaltPruefen(z);
    for (const QString &p : probleme)
        sag(p);
    sag(probleme.isEmpty() ? Werkzeug::tr("Keine Probleme gefunden.")
                           : Werkzeug::tr("%1 Probleme gefunden.").arg(probleme.size()));
    return probleme.isEmpty() ? Erfolg : Abgelehnt;
}

} // namespace

// What an import run by pagora-tool's front asks of pictures with Qt's GUI library.
extern "C" Q_DECL_EXPORT album::Kleinbildergebnis
pagora_werkzeug_kleinbild(const platform::Files &dateien, const QString &projektVerzeichnis, const QString &name) {
    return album::Kleinbild(dateien, projektVerzeichnis, name);
}
extern "C" Q_DECL_EXPORT std::optional<QSize> pagora_werkzeug_bildgroesse(const QString &nativePath) {
    return platform::bitmapSize(nativePath);
}

// Called by pagora-tool with its application made and its translation installed.
extern "C" Q_DECL_EXPORT int pagora_werkzeug_befehl() {
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
    projekt::Zustand z;
    if (!oeffnen(z, a)) return Abgelehnt;
    // Commands that write take the data root from the program (and from each other);
    // reading ones need no lock.
    std::unique_ptr<platform::Sperrdatei> sperre;
    if (a.befehl == "album" || a.befehl == "bilder") {
        sperre = werkzeugSperre(z);
        if (!sperre) return Abgelehnt;
    }
    int ergebnis = Aufruffehler;
    if (a.befehl == "album")
        ergebnis = albumHerstellen(z);
    else if (a.befehl == "bilder")
        ergebnis = bilderUebernehmen(z, a);
    else if (a.befehl == "check")
        ergebnis = pruefen(z);
    else if (const auto gelesen = lesendAusfuehren(z, a))
        ergebnis = *gelesen;
    if (ergebnis == Aufruffehler) klage(Werkzeug::tr(kBefehlsHilfe.value(a.befehl)));
    return ergebnis;
}
