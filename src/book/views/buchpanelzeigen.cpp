// What the book panel shows: its pictures, pages, titles, contents lists, tabs,
// ribbons, pictures in the text, arrows and the cover's parts.
#include "book/views/bildlader.h"
#include "book/views/buchpanel.h"
#include "platform/keycontrols.h"

#include <QTextEdit>

namespace book {

void BuchPanel::Buchzeigen(const QString &hilfeVerzeichnis) {
    if (auto bild = BitmapLaden(dateien_, hilfeVerzeichnis + "Book.bmp"))
        ImageBuch->setPixmap(Bildschirmbild(*bild, "Book"));
    buchbildGeladen_ = true;
}

bool BuchPanel::CoverZeigen(const QString &hilfeVerzeichnis) {
    buchbildGeladen_ = false;
    auto bild = BitmapLaden(dateien_, hilfeVerzeichnis + "CBT0.bmp");
    if (!bild) return false;
    ImageBuch->setPixmap(Bildschirmbild(*bild, "CBT0"));
    return true;
}

bool BuchPanel::CBT(const QString &hilfeVerzeichnis, int x, int y, const QString &name) {
    auto bild = BitmapLaden(dateien_, hilfeVerzeichnis + name + ".bmp");
    if (!bild) return false;
    ImageCBT->move(x, y);
    ImageCBT->setPixmap(Bildschirmbild(*bild, name, true));
    ImageCBT->resize(bild->size());
    return true;
}

namespace {

// A label's own text, without the marks laid over it.
void klartextSetzen(QLabel *l, const QString &text) {
    l->setProperty("klartext", QVariant());
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
}

QString klartext(const QLabel *l) {
    const QVariant k = l->property("klartext");
    return k.isValid() ? k.toString() : l->text();
}

} // namespace

void BuchPanel::beschriftungenMarkieren(const Fundsucher &finden) {
    QList<QLabel *> beschriftungen{TitelLinks, TitelRechts};
    for (QLabel *u : Unterschrift)
        beschriftungen << u;
    for (QLabel *l : beschriftungen) {
        const QString text = klartext(l);
        klartextSetzen(l, text);
        if (!finden || text.isEmpty()) continue;
        const QList<std::pair<int, int>> stellen = finden(text);
        if (stellen.isEmpty()) continue;
        // The same light yellow as on the page lines, behind the found characters only.
        QString html = QStringLiteral("<span style=\"white-space:pre-wrap\">");
        int bis = 0;
        auto roh = [&](int von, int laenge) {
            return text.mid(von, laenge).toHtmlEscaped().replace('\n', QStringLiteral("<br/>"));
        };
        for (const auto &[anfang, laenge] : stellen) {
            if (anfang < bis || anfang + laenge > text.size()) continue;
            html += roh(bis, anfang - bis) + QStringLiteral("<span style=\"background-color:#ffe69a\">") +
                    roh(anfang, laenge) + QStringLiteral("</span>");
            bis = anfang + laenge;
        }
        html += roh(bis, int(text.size()) - bis) + QStringLiteral("</span>");
        l->setTextFormat(Qt::RichText);
        l->setText(html);
        l->setProperty("klartext", text);
    }
}

void BuchPanel::TitelSetzen(bool links, const Seitenbild &seite) {
    if (seite.titelzeilen == 0) return;
    QWidget *panel = links ? PanelLinks : PanelRechts;
    QLabel *titel = links ? TitelLinks : TitelRechts;
    klartextSetzen(titel, seite.titel);
    titel->resize(241, seite.titelzeilen * 13);
    panel->resize(241, titel->height());
    panel->move(panel->x(), 13 * seite.ersteTitelzeile + 15);
    panel->show();
    panel->raise();
}

void BuchPanel::TitelZuruecksetzen() {
    for (QLabel *t : {TitelLinks, TitelRechts})
        klartextSetzen(t, QString());
    PanelLinks->hide();
    PanelRechts->hide();
}

void BuchPanel::InhaltSetzen(const Inhaltsseite &seite, bool erste, const QString &titel) {
    inhaltslistenMachen();
    PanelInhalt->setText(titel);
    Inhalt1->setAccessibleName(titel);
    Inhalt2->setAccessibleName(titel);
    PanelInhalt->setVisible(erste);
    Inhalt1->clear();
    Inhalt2->clear();
    Inhalt1->addItems(seite.inhalt1);
    Inhalt2->addItems(seite.inhalt2);
    Inhalt1->show();
    Inhalt1->raise();
    if (erste) {
        Inhalt2->hide();
        Inhalt2->clear();
        Inhalt1->setGeometry(358, 72, 241, 329);
    } else {
        // The list covers the left page: what that page held (the copyright text) goes.
        MemoTextLinks->hide();
        Inhalt2->show();
        Inhalt2->raise();
        Inhalt1->setGeometry(358, 32, 241, 378);
    }
}

void BuchPanel::InhaltVerbergen() {
    // A hidden list keeps no entries: screen readers would read them as shown.
    for (QListWidget *liste : {Inhalt1, Inhalt2})
        if (liste) {
            liste->hide();
            liste->clear();
        }
    PanelInhalt->hide();
}

void BuchPanel::GriffeBeschriften(const QStringList &texte) {
    for (int n = 0; n < 5; ++n) {
        LabelGriffL[size_t(n)]->beschriften(texte.value(n));
        LabelGriffR[size_t(n)]->beschriften(texte.value(n));
    }
}

void BuchPanel::Griffregistersetzen(int n, const std::array<int, 5> &ziele) {
    for (size_t i = 0; i < 5; ++i) {
        if (LabelGriffL[i]->text().isEmpty()) {
            GriffL[i]->hide();
            GriffR[i]->hide();
            continue;
        }
        const bool links = n >= ziele[i];
        GriffL[i]->setVisible(links);
        GriffR[i]->setVisible(!links);
        (links ? GriffL : GriffR)[i]->raise();
    }
}

bool BuchPanel::griffTextPasst(const QString &text) const {
    const QLabel *l = LabelGriffL[0]; // the narrower of the two
    const QRect feld = l->contentsRect();
    const QRect noetig =
        l->fontMetrics().boundingRect(QRect(0, 0, feld.width(), 10000), Qt::AlignHCenter | Qt::TextWordWrap, text);
    return noetig.width() <= feld.width() && noetig.height() <= feld.height();
}

void BuchPanel::Registerweg() {
    for (size_t i = 0; i < 5; ++i) {
        GriffL[i]->hide();
        GriffR[i]->hide();
    }
    for (size_t i = 0; i < 4; ++i) {
        LesezeichenL[i]->hide();
        LesezeichenR[i]->hide();
    }
}

void BuchPanel::LesezeichenKontrollieren(int n, const std::array<int, 4> &seiten) {
    for (size_t i = 0; i < 4; ++i) {
        // A bookmark in the box has no ribbon on the book.
        if (seiten[i] <= 0) {
            LesezeichenVerbergen(int(i) + 1);
            continue;
        }
        LesezeichenL[i]->setVisible(seiten[i] < n);
        LesezeichenR[i]->setVisible(seiten[i] >= n);
        LesezeichenL[i]->raise();
        LesezeichenR[i]->raise();
    }
}

void BuchPanel::LesezeichenVerbergen(int nummer) {
    LesezeichenL[size_t(nummer - 1)]->hide();
    LesezeichenR[size_t(nummer - 1)]->hide();
}

void BuchPanel::TextBilderWeg() {
    for (QWidget *p : PanelTextBild)
        p->hide();
}

void BuchPanel::BildImBuch(int platz, const Textbild &bild) {
    if (platz < 1 || platz > 4) return;
    const size_t i = size_t(platz - 1);
    const int h = (bild.letzteZeile - bild.bildzeile) * 12;
    Unterschrift[i]->resize(236, h);
    const auto geladen = BitmapLaden(dateien_, bild.datei);
    const QSize groesse = geladen ? geladen->size() : QSize();
    ImageTextBild[i]->setPixmap(geladen ? QPixmap::fromImage(*geladen) : QPixmap());
    ImageTextBild[i]->resize(groesse);
    QString name = bild.datei;
    name = name.mid(name.lastIndexOf('\\') + 1);
    name = name.left(name.lastIndexOf('.') < 0 ? name.size() : name.lastIndexOf('.')).left(100);
    TextbildNamen[i] = name;
    QWidget *panel = PanelTextBild[i];
    panel->setGeometry(bild.links ? 53 : 357, bild.bildzeile * 13 + 32, 236, h + groesse.height());
    ImageTextBild[i]->move((236 - groesse.width()) / 2, 0);
    panel->show();
    panel->raise();
    klartextSetzen(Unterschrift[i], bild.unterschrift);
    ImageTextBild[i]->setAccessibleName(bild.unterschrift.trimmed().isEmpty() ? name : bild.unterschrift);
    for (size_t k = 0; k < 4; ++k) {
        Unterschrift[k]->move(0, PanelTextBild[k]->height() - Unterschrift[k]->height());
        Unterschrift[k]->setVisible(!klartext(Unterschrift[k]).isEmpty());
    }
}

void BuchPanel::deckblattZeigen(bool an) {
    for (QWidget *w :
         {PanelNoCBT, static_cast<QWidget *>(LabelProjekttitel3), static_cast<QWidget *>(LabelProjektUnterTitel)})
        w->setVisible(an);
}

void BuchPanel::deckblattTitel(const QString &titel) {
    LabelProjekttitel3->setText(titel);
}

void BuchPanel::tourFigurZeigen(bool an) {
    ImageCBT->setVisible(an);
}

int BuchPanel::tourFigurOben() const {
    return ImageCBT->y();
}

void BuchPanel::anleitungBeschriften(const QString &text) {
    LabelNoCBT->setText(text);
    PanelNoCBT->setAccessibleName(text);
    for (QLabel *haken : {ImageNoCBT, ImageYesCBT})
        haken->setAccessibleName(text);
}

void BuchPanel::anleitungAnkreuzen(bool tourZeigen) {
    (tourZeigen ? ImageYesCBT : ImageNoCBT)->raise();
    platform::KeyControls::setChecked(PanelNoCBT, !tourZeigen);
}

void BuchPanel::anleitungVerbergen() {
    for (QWidget *w :
         {static_cast<QWidget *>(ImageNoCBT), static_cast<QWidget *>(ImageYesCBT), static_cast<QWidget *>(LabelNoCBT)})
        w->hide();
    // Without a tour there is nothing to tick: no stop for the keys, nothing to read.
    PanelNoCBT->setFocusPolicy(Qt::NoFocus);
    PanelNoCBT->setProperty(platform::KeyControls::kHiddenProperty, true);
}

void BuchPanel::seitenZeigen(bool links, bool rechts) {
    MemoTextLinks->setVisible(links);
    MemoTextRechts->setVisible(rechts);
}

const QStringList &BuchPanel::seitenZeilen(bool links) const {
    return (links ? MemoTextLinks : MemoTextRechts)->zeilen();
}

void BuchPanel::seiteSetzen(bool links, const QStringList &zeilen) {
    (links ? MemoTextLinks : MemoTextRechts)->setZeilen(zeilen);
}

void BuchPanel::seiteLeeren(bool links) {
    (links ? MemoTextLinks : MemoTextRechts)->leeren();
}

void BuchPanel::seiteMarkieren(bool links, const QList<SeitenMemo::Markierung> &marken) {
    (links ? MemoTextLinks : MemoTextRechts)->setMarkierungen(marken);
}

void BuchPanel::linkeSeiteSchreibbar(bool schreibbar) {
    MemoTextLinks->setSchreibbar(schreibbar);
    if (schreibbar) MemoTextLinks->schreibfeld()->setFocus();
}

void BuchPanel::seitenzahlenZeigen(bool an) {
    LabelSeitenzahlLinks->setVisible(an);
    LabelSeitenzahlRechts->setVisible(an);
}

void BuchPanel::seitenzahlenSetzen(int rechteSeite) {
    LabelSeitenzahlLinks->setText(QStringLiteral("- %1 -").arg(rechteSeite - 1));
    LabelSeitenzahlRechts->setText(QStringLiteral("- %1 -").arg(rechteSeite));
}

void BuchPanel::seitenzahlenLeeren() {
    LabelSeitenzahlLinks->clear();
    LabelSeitenzahlRechts->clear();
}

void BuchPanel::inhaltLeeren() {
    if (!Inhalt1) return;
    Inhalt1->clear();
    Inhalt2->clear();
}

void BuchPanel::albumZeigen() {
    MemoTextLinks->hide();
    MemoTextRechts->hide();
    TextBilderWeg();
    PanelAlbum->show();
}

void BuchPanel::albumVerbergen() {
    PanelAlbum->hide();
}

void BuchPanel::albumBlattSetzen(const QImage &blatt, bool sofortZeichnen) {
    ImageAlbum->setPixmap(QPixmap::fromImage(blatt));
    ImageAlbum->resize(blatt.size());
    if (sofortZeichnen) PanelAlbum->repaint(); // with its captions: a long task keeps the event loop busy
}

void BuchPanel::blaetterpfeilZeigen(bool links, int y) {
    QWidget *pfeil = links ? PanelLinksPfeil : PanelRechtsPfeil;
    pfeil->move(links ? 40 : 600, y - 8);
    pfeil->show();
    pfeil->raise();
}

void BuchPanel::blaetterpfeilVerbergen(bool links) {
    (links ? PanelLinksPfeil : PanelRechtsPfeil)->hide();
}

void BuchPanel::fundpfeilSetzen(int seite, int zeile) {
    for (QLabel *pfeil : {ImageLeftArrow, ImageRightArrow}) {
        pfeil->move(pfeil->x(), zeile * 13 + 10);
        pfeil->hide();
    }
    if (seite == 1)
        ImageLeftArrow->show();
    else if (seite == 2)
        ImageRightArrow->show();
}

QString BuchPanel::griffText(int nummer) const {
    return nummer >= 1 && nummer <= 5 ? LabelGriffL[size_t(nummer - 1)]->text() : QString();
}

void BuchPanel::lesezeichenBenennen(int nummer, const QString &text) {
    if (nummer < 1 || nummer > 4) return;
    LesezeichenL[size_t(nummer - 1)]->setAccessibleName(text);
    LesezeichenR[size_t(nummer - 1)]->setAccessibleName(text);
}

QString BuchPanel::textbildName(int platz) const {
    return platz >= 1 && platz <= 4 ? TextbildNamen[size_t(platz - 1)] : QString();
}

} // namespace book
