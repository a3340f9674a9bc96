// "Buch als PDF speichern" in the view menu: the part of the book shown, as a PDF in a
// file the reader names, with a progress box for long parts.
#include "app/views/buchalspdf.h"
#include "app/views/timageform.h"

#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>

namespace app {

void TImageForm::BuchAlsPdfSpeichern() {
    using Teil = book::Buchseite::Teil;
    const book::Buchseite gezeigt{z_.AktuelleSeite};
    PdfAuftrag auftrag;
    auftrag.teil = gezeigt.teil() == Teil::Deckel ? Teil::Text : gezeigt.teil();
    auftrag.titel = z_.BuchTitel;
    const QString teilName = auftrag.teil == Teil::Album   ? tr("Album")
                             : auftrag.teil == Teil::Hilfe ? tr("Hilfe")
                                                           : tr("Text");
    const QString vorschlag = QDir::home().filePath(
        QStringLiteral("%1-%2.pdf").arg(z_.ProgrammName.isEmpty() ? "Pagora" : z_.ProgrammName, teilName));
    const QString datei = pdfZiel_ ? pdfZiel_(vorschlag)
                                   : QFileDialog::getSaveFileName(this, tr("Buch als PDF speichern"), vorschlag,
                                                                  tr("PDF-Dateien (*.pdf)"));
    if (datei.isEmpty()) return;
    const int anzahl = int(PdfAufschlaege(z_, auftrag).size());
    // Long parts show their progress and can be stopped; short ones are done at once.
    std::unique_ptr<QProgressDialog> fortschritt;
    if (anzahl > 20) {
        fortschritt = std::make_unique<QProgressDialog>(tr("Das Buch wird als PDF gespeichert …"), tr("Abbrechen"), 0,
                                                        anzahl, this);
        fortschritt->setObjectName("PdfFortschritt");
        fortschritt->setWindowModality(Qt::WindowModal);
        fortschritt->setMinimumDuration(0);
    }
    const auto pdf = BuchAlsPdf(*buchlenkung_, *buch_, z_, auftrag, [&](int fertig, int alle) {
        if (!fortschritt) return true;
        fortschritt->setMaximum(alle);
        fortschritt->setValue(fertig);
        return !fortschritt->wasCanceled();
    });
    fortschritt.reset();
    if (!pdf) return;
    if (!z_.dateien.write(z_.dateien.stored(QDir::cleanPath(QDir::current().absoluteFilePath(datei))), *pdf)) {
        meldungen_.zeigen(Meldungen::Art::Fehler, tr("Die Datei %1 kann nicht geschrieben werden.").arg(datei));
        return;
    }
    Hinweis(tr("Das Buch wurde als PDF in die Datei %1 gespeichert.").arg(datei));
}

} // namespace app
