#include "authoring/views/inhaltsbearbeitung.h"

#include "authoring/views/bearbeitungskontext.h"
#include "platform/cp1252.h"
#include "platform/fonts.h"
#include "project/core/projektdateien.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

namespace authoring {

using Art = platform::Meldungen::Art;

Inhaltsbearbeitung::Inhaltsbearbeitung(Bearbeitungskontext &kontext, QObject *eltern)
    : QObject(eltern), kontext_(kontext) {}

QPlainTextEdit *Inhaltsbearbeitung::memoMachen(const char *name, int links) {
    Buchsteuerung *buch = kontext_.buch();
    auto *memo = new QPlainTextEdit(buch ? buch->Buchflaeche() : nullptr);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setAccessibleName(tr("Inhaltsverzeichnis"));
    // The entries' 241 pixels, and beside them the scroll bar of a long contents.
    memo->setFrameShape(QFrame::NoFrame);
    memo->document()->setDocumentMargin(0);
    memo->setGeometry(links, 32, 241 + memo->verticalScrollBar()->sizeHint().width(), 378);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The entries are fitted to 237 pixels of the contents font: the memo shows them so.
    memo->setFont(platform::screenFont("MS Sans Serif", 8));
    memo->setToolTip(tr("Doppelklick speichert das Inhaltsverzeichnis"));
    memo->hide();
    memo->viewport()->installEventFilter(this);
    return memo;
}

QPlainTextEdit *Inhaltsbearbeitung::MemoInhalt() {
    if (!memo_) memo_ = memoMachen("MemoInhalt", 358);
    return memo_;
}

QPlainTextEdit *Inhaltsbearbeitung::MemoInhalt2() {
    if (!memo2_) memo2_ = memoMachen("MemoInhalt2", 56);
    return memo2_;
}

int Inhaltsbearbeitung::inhaltsseite(int teil) {
    return teil == 0 ? 1000 : teil == 1 ? 0 : 2000;
}

QString Inhaltsbearbeitung::datei(projekt::Seitendatei welche) const {
    return kontext_.zustand().ort.datei(welche);
}

bool Inhaltsbearbeitung::aktiv() const {
    // Pending, or on the book while an import fills it.
    return teil_ >= 0 || (memo_ && !memo_->isHidden()) || (memo2_ && !memo2_->isHidden());
}

void Inhaltsbearbeitung::memosZeigen(bool zeigen) {
    const bool warDa = memo_ && !memo_->isHidden();
    // The saving hint goes with the memos.
    if (!zeigen && warDa)
        if (Buchsteuerung *buch = kontext_.buch()) buch->Hinweis(QString());
    for (QPlainTextEdit *m : {memo_.data(), memo2_.data()}) {
        if (!m) continue;
        m->setVisible(zeigen && (m == memo_ || teil_ == 0));
        if (zeigen) m->raise();
    }
}

void Inhaltsbearbeitung::seiteGezeigt(int seite) {
    if (teil_ < 0) return;
    const bool hier = seite == inhaltsseite(teil_);
    memosZeigen(hier);
    Buchsteuerung *buch = kontext_.buch();
    if (!hier || !buch) return;
    // The lists are filled for the page shown: the memos alone show the contents.
    buch->InhaltListenLeeren();
    buch->Hinweis(tr("Doppelklick speichert"));
}

QStringList Inhaltsbearbeitung::zeilen(const QPlainTextEdit *memo) {
    QStringList liste;
    if (!memo || memo->document()->isEmpty()) return liste;
    // Block by block: the document's plain text would turn non-breaking spaces into blanks.
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        liste << b.text();
    return liste;
}

void Inhaltsbearbeitung::InhaltZurBearbeitung(int teil, const QStringList &memo, const QStringList &memo2) {
    projekt::Zustand &z = kontext_.zustand();
    z.Bearbeitungsteil = teil;
    MemoInhalt()->setPlainText(memo.join('\n'));
    if (teil == 0) MemoInhalt2()->setPlainText(memo2.join('\n'));
    teil_ = teil;
    memosZeigen(false);
    if (Buchsteuerung *buch = kontext_.buch()) buch->SeitenZeigen(inhaltsseite(teil));
    // Shown on the contents page, whether or not the book told of it.
    seiteGezeigt(inhaltsseite(teil));
    kontext_.verbergen();
    kontext_.inDieEcke(false);
    if (teil != 0) kontext_.Auswahl(Aufgabe::Inhalt);
}

bool Inhaltsbearbeitung::NurInhaltsverzeichnis(int teil) {
    using S = projekt::Seitendatei;
    const projekt::Zustand &z = kontext_.zustand();
    auto lesen = [&z](const QString &name, QStringList *zeilen) {
        QByteArray bytes;
        if (!z.dateien.read(name, &bytes, 16 << 20)) return false;
        *zeilen = platform::splitLines(bytes);
        return true;
    };
    QStringList memo, memo2;
    QString fehlt;
    if (teil == 0) {
        if (!lesen(datei(S::AlbumInhalt), &memo))
            fehlt = datei(S::AlbumInhalt);
        else if (!lesen(datei(S::AlbumInhalt2), &memo2))
            fehlt = datei(S::AlbumInhalt2);
    } else if (teil == 1) {
        if (!lesen(datei(S::TextInhalt), &memo)) fehlt = datei(S::TextInhalt);
    } else if (!lesen(datei(S::HilfeInhalt), &memo) && !lesen(z.HilfeVerzeichnis + "default.6", &memo)) {
        fehlt = datei(S::HilfeInhalt);
    }
    if (!fehlt.isEmpty()) {
        kontext_.meldungen().zeigen(Art::Fehler, tr("Das Inhaltsverzeichnis %1 fehlt oder kann nicht gelesen werden. "
                                                    "Es entsteht beim Textimport bzw. beim Einkleben der Bilder.")
                                                     .arg(z.dateien.native(fehlt)));
        return false;
    }
    InhaltZurBearbeitung(teil, memo, memo2);
    return true;
}

bool Inhaltsbearbeitung::PanelSaveContentsClick() {
    using S = projekt::Seitendatei;
    projekt::Zustand &z = kontext_.zustand();
    const int teil = z.Bearbeitungsteil;
    QList<platform::Files::Neu> neu;
    if (teil == 0)
        neu = {{datei(S::AlbumInhalt), platform::joinLines(zeilen(memo_))},
               {datei(S::AlbumInhalt2), platform::joinLines(zeilen(memo2_))}};
    else
        neu = {{datei(teil == 1 ? S::TextInhalt : S::HilfeInhalt), platform::joinLines(zeilen(memo_))}};
    z.dateien.makeFolder(z.ort.seitenOrdner());
    if (const int fehler = z.dateien.writeAll(neu); fehler >= 0) {
        kontext_.meldungen().zeigen(Art::Fehler, tr("Die Datei %1 kann nicht geschrieben werden. Das "
                                                    "Inhaltsverzeichnis bleibt, wie es war.")
                                                     .arg(z.dateien.native(neu[fehler].storedPath)));
        return false;
    }
    teil_ = -1;
    memosZeigen(false);
    kontext_.verbergen();
    projekt::SeitenDateienOeffnen(z);
    if (Buchsteuerung *buch = kontext_.buch()) buch->SeitenZeigen(inhaltsseite(teil));
    return true;
}

void Inhaltsbearbeitung::verbergen() {
    if (!aktiv()) return;
    teil_ = -1;
    memosZeigen(false);
    const projekt::Zustand &z = kontext_.zustand();
    // The lists were emptied for the memos: the book shows the contents as they are.
    if (Buchsteuerung *buch = kontext_.buch(); buch && z.AktuelleSeite >= 0 && z.AktuelleSeite % 1000 == 0)
        buch->SeitenZeigen(z.AktuelleSeite);
}

bool Inhaltsbearbeitung::eventFilter(QObject *obj, QEvent *event) {
    if (event->type() == QEvent::MouseButtonDblClick && teil_ >= 0 && memo_ && obj == memo_->viewport()) {
        PanelSaveContentsClick();
        return true;
    }
    return QObject::eventFilter(obj, event);
}

} // namespace authoring
