#include "authoring/views/importablauf.h"

#include "authoring/core/importlauf.h"
#include "authoring/views/bearbeitungskontext.h"
#include "authoring/views/inhaltsbearbeitung.h"
#include "book/core/buchseite.h"
#include "project/core/projektdateien.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <memory>

namespace authoring {

using Art = platform::Meldungen::Art;

bool Buchmachen(Bearbeitungskontext &kontext, const QString &importdatei, bool silbentrennung) {
    projekt::Zustand &z = kontext.zustand();
    platform::Meldungen &meldungen = kontext.meldungen();
    Buchsteuerung *buch = kontext.buch();
    Inhaltsbearbeitung &inhalt = kontext.inhaltsbearbeitung();
    if (z.Bearbeitungsteil < 1 || z.Bearbeitungsteil > 3) z.Bearbeitungsteil = 1;
    const int teil = z.Bearbeitungsteil;
    const bool hilfe = teil != 1;

    // The book on the contents page of the part, its lists empty, the memo empty and shown.
    if (buch) {
        buch->SeitenZeigen(
            book::Buchseite::anfang(hilfe ? book::Buchseite::Teil::Hilfe : book::Buchseite::Teil::Text).zahl);
        buch->InhaltListenLeeren();
    }
    inhalt.MemoInhalt2()->hide();
    inhalt.MemoInhalt()->clear();
    inhalt.MemoInhalt()->show();
    inhalt.MemoInhalt()->raise();
    // The page files are closed while their pages are made.
    z.textDatei.close();
    z.hilfeDatei.close();
    z.TextDateiOffen = false;
    z.HilfeDateiOffen = false;

    // A long text shows its progress; the program paints and answers meanwhile, but no
    // other window takes input until the import is done or cancelled.
    const QString nativ = z.dateien.native(importdatei);
    std::unique_ptr<QProgressDialog> fortschritt;
    QElapsedTimer uhr;
    if (QFileInfo(nativ).size() >= kFortschrittAb) {
        QWidget *eltern = buch && buch->Buchflaeche() ? buch->Buchflaeche()->window() : nullptr;
        fortschritt = std::make_unique<QProgressDialog>(QObject::tr("Der Text wird importiert …"),
                                                        QObject::tr("Abbrechen"), 0, 1000, eltern);
        fortschritt->setObjectName("Importfortschritt");
        fortschritt->setWindowTitle(QObject::tr("Text importieren"));
        fortschritt->setWindowModality(Qt::ApplicationModal);
        fortschritt->setMinimumDuration(0);
        fortschritt->setAutoClose(false);
        fortschritt->setAutoReset(false);
        fortschritt->setValue(0);
        fortschritt->show();
    }
    auto melden = [&](qint64 gelesen, qint64 gesamt) {
        if (!fortschritt) return true;
        // The box is painted at once, then a tenth of a second between paints keeps the import fast.
        if (!uhr.isValid() || uhr.elapsed() >= 100) {
            uhr.restart();
            fortschritt->setValue(gesamt > 0 ? int(gelesen * 1000 / gesamt) : 0);
            QApplication::processEvents();
        }
        return !fortschritt->wasCanceled();
    };
    // The contents go to disk with the pages, so that the book on disk always has the
    // contents of its pages; the author's edit on the book then rewrites them.
    Importauftrag auftrag{nativ, hilfe, true, silbentrennung};
    auto importieren = [&] {
        return TextImportieren(
            z, auftrag, Bildwerkzeuge::mitGui(),
            [&meldungen](const QString &text) { meldungen.zeigen(Art::Fehler, text); }, melden);
    };
    Importlauf lauf = importieren();
    // A UTF-8 text with characters the pages cannot hold: the author decides.
    if (lauf.status == Importlauf::Status::Fremdzeichen) {
        if (fortschritt) fortschritt->hide();
        const QString frage = FremdzeichenMeldung(nativ, lauf.fremdzeichen, lauf.fremdeStellen) + "\n\n" +
                              QObject::tr("Ohne diese Zeichen importieren?");
        if (meldungen.okAbbrechen(frage)) {
            if (fortschritt) fortschritt->show();
            auftrag.ohneFremdzeichen = true;
            lauf = importieren();
        }
    }
    fortschritt.reset();
    projekt::SeitenDateienOeffnen(z);

    using S = Importlauf::Status;
    QString fehler;
    switch (lauf.status) {
    case S::TextUnlesbar: fehler = QObject::tr("Die Textdatei %1 kann nicht gelesen werden.").arg(nativ); break;
    case S::KeineTextdatei:
        fehler = QObject::tr("%1 ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Ordner) und wird nicht "
                             "importiert.")
                     .arg(nativ);
        break;
    case S::TextZuGross:
        fehler = QObject::tr("Die Textdatei %1 ist größer als 1 GiB und wird nicht importiert.").arg(nativ);
        break;
    case S::Fremdzeichen: fehler = QObject::tr("Der Text wurde nicht importiert. Die Seiten sind unverändert."); break;
    case S::OhneTrennmuster:
        fehler = QObject::tr("Die Trennmuster %1 fehlen (Paket hyphen-de). Importieren Sie ohne Silbentrennung.")
                     .arg(lauf.datei);
        break;
    case S::NichtGeschrieben:
        fehler = QObject::tr("Die Datei %1 kann nicht geschrieben werden. Die Seiten sind unverändert.")
                     .arg(z.dateien.native(lauf.datei));
        break;
    case S::Abgebrochen: fehler = QObject::tr("Der Import wurde abgebrochen. Die Seiten sind unverändert."); break;
    case S::Fertig: break;
    }
    if (!fehler.isEmpty()) {
        inhalt.verbergen();
        const bool gewollt = lauf.status == S::Abgebrochen || lauf.status == S::Fremdzeichen;
        meldungen.zeigen(gewollt ? Art::Information : Art::Fehler, fehler);
        return false;
    }
    inhalt.InhaltZurBearbeitung(teil, lauf.ergebnis.MemoInhalt, {});
    for (const QString &warnung : Importwarnungen(lauf, nativ))
        meldungen.zeigen(Art::Warnung, warnung);
    return true;
}

} // namespace authoring
