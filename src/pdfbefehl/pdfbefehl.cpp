// pagora-tool pdf: a part of the book as a PDF, drawn by the reader itself. The tool
// loads this module before it makes an application of its own: the command needs the
// windows' one (on a screen nobody sees), which it makes and ends itself.
#include "app/core/zustand.h"
#include "app/views/buchalspdf.h"
#include "app/views/meldungen.h"
#include "app/views/timageform.h"
#include "platform/fonts.h"
#include "platform/screen.h"
#include "platform/translation.h"
#include "tool/aufruf.h"
#include "tool/werkzeug.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>
#include <unistd.h>

namespace {

// The reader's boxes as lines on stderr; what only informs a reader at the screen
// (a second instance, a small background picture) is no news for a script.
class Klagen : public app::Meldungen {
public:
    void zeigen(Art art, const QString &text) override {
        if (art != Art::Information) klage(text);
    }
    bool okAbbrechen(const QString &text) override {
        klage(text);
        return false;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT int pagora_werkzeug_pdf(int argc, char **argv) {
    // The book is laid out and drawn on a screen of its own, never shown: the command
    // runs without a display, in a terminal or a script alike.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(stilleMeldungen);
    platform::useOwnFontConfiguration();
    QApplication anwendung(argc, argv);
    platform::registerBundledFonts();
    platform::installTranslation(anwendung);
    const auto aufruf = lesen(QCoreApplication::arguments());
    using Teil = book::Buchseite::Teil;
    const QMap<QString, Teil> teile{{"text", Teil::Text}, {"album", Teil::Album}, {"help", Teil::Hilfe}};
    if (!aufruf || aufruf->root.isEmpty() || aufruf->name.isEmpty() || aufruf->datei.isEmpty() ||
        !teile.contains(aufruf->teil) || aufruf->von > aufruf->bis) {
        klage(Werkzeug::tr(kBefehlsHilfe.value("pdf")));
        return Aufruffehler;
    }
    const Aufruf &a = *aufruf;
    app::Zustand z;
    if (!oeffnen(z, a)) return Abgelehnt;
    platform::SimulatedScreen bildschirm({800, 600, 96});
    Klagen meldungen;
    app::TImageForm form(z, bildschirm, meldungen);
    if (form.startAbgebrochen()) return Abgelehnt;
    // The book the command names, whatever Autor.ini chose to open.
    if (z.ProgrammName != a.name) form.IniDateiLesen(a.name);
    form.eroeffnungBeenden();
    form.show();

    app::PdfAuftrag auftrag;
    auftrag.teil = teile.value(a.teil);
    auftrag.von = a.von;
    auftrag.bis = a.bis;
    auftrag.titel = z.BuchTitel;
    const int anzahl = int(app::PdfAufschlaege(z, auftrag).size());
    if (anzahl == 0) {
        klage(Werkzeug::tr("Dieser Teil des Buches hat keine Seiten von %1 bis %2.").arg(a.von).arg(a.bis));
        return Abgelehnt;
    }
    const bool terminal = isatty(fileno(stderr)) != 0;
    const auto pdf =
        app::BuchAlsPdf(*form.buchlenkung(), *form.PanelBuch(), z, auftrag, [terminal](int fertig, int alle) {
            if (terminal) {
                std::fprintf(stderr, "\rPDF: %d / %d", fertig, alle);
                if (fertig == alle) std::fputs("\n", stderr);
                std::fflush(stderr);
            }
            return true;
        });
    const QString ziel = QDir::cleanPath(QDir::current().absoluteFilePath(a.datei));
    if (!pdf || !z.dateien.write(z.dateien.stored(ziel), *pdf)) {
        klage(Werkzeug::tr("Die Datei %1 kann nicht geschrieben werden.").arg(a.datei));
        return Abgelehnt;
    }
    sag(Werkzeug::tr("%1 Doppelseiten in %2 gespeichert.").arg(anzahl).arg(a.datei));
    return Erfolg;
}
