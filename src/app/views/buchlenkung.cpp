#include "app/views/buchlenkung.h"

#include "album/views/albumblatt.h"
#include "app/core/startlogik.h"
#include "app/views/bildmenue.h"
#include "app/views/fundmarken.h"
#include "book/core/aufschlag.h"
#include "book/core/blaettern.h"
#include "book/core/lesezeichen.h"
#include "book/core/seitenformat.h"
#include "book/core/seitensatz.h"
#include "book/core/ziffernwert.h"
#include "book/views/bildlader.h"
#include "book/views/blaetteranimation.h"
#include "book/views/buchpanel.h"
#include "platform/cp1252.h"

namespace app {

Buchlenkung::Buchlenkung(book::BuchPanel &buch, BildMenue &menue, album::Albumblatt &albumblatt, Zustand &zustand,
                         const platform::Screen &screen, QWidget *fokus)
    : QObject(&buch), buch_(buch), menue_(menue), albumblatt_(albumblatt), z_(zustand), screen_(screen), fokus_(fokus),
      blaettern_(new book::Blaetteranimation(&buch)) {
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &Buchlenkung::Timer1Timer);
    verbinden();
}

void Buchlenkung::verbinden() {
    using B = book::BuchPanel;
    connect(&buch_, &B::tickBoxGeklickt, this, &Buchlenkung::LabelNoCBTClick);
    connect(&buch_, &B::tourBildMausBewegt, this, [this](QPoint p) { ImageCBTMouseMove(p.x(), p.y()); });
    connect(&buch_, &B::buchMausBewegt, this, [this](QPoint p) { ImageBuchMouseMove(p.x(), p.y()); });
    connect(&buch_, &B::seiteMausBewegt, this, &Buchlenkung::PanelBuchMouseMove);
    connect(&buch_, &B::pfeilGeklickt, this, [this](bool vor) {
        if (vor)
            ImageRechtsPfeilClick();
        else
            ImageLinksPfeilClick();
    });
    connect(&buch_, &B::inhaltGeklickt, this, &Buchlenkung::InhaltClick);
    connect(&buch_, &B::inhaltMausBewegt, this, [this] {
        buch_.PanelRechtsPfeil->hide();
        Q_EMIT hinweis(tr("Klicken Sie auf das Kapitel Ihrer Wahl!"));
    });
    connect(&buch_, &B::griffGeklickt, this, &Buchlenkung::LabelGriffClick);
    connect(&buch_, &B::griffMausBewegt, this, &Buchlenkung::GriffHinweis);
    connect(&buch_, &B::lesezeichenGedrueckt, this, &Buchlenkung::LesezeichenMouseDown);
    connect(&buch_, &B::lesezeichenMausBewegt, this, [this](int n) { Q_EMIT hinweis(lesezeichenHinweis(n)); });
    connect(&buch_, &B::textbildGeklickt, this, &Buchlenkung::ImageTextBildClick);
    connect(&menue_, &BildMenue::lesezeichenGeklickt, this, &Buchlenkung::LesezeichenSetzen);
}

void Buchlenkung::SeitenZeigen(int n) {
    BlaetternBeenden();
    const int vorher = z_.AktuelleSeite;
    // Only a spread that follows another one on the open book is turned.
    const bool zeigen = z_.ansicht.blaetternZeigen && buch_.isVisible() && vorher >= 0 && n >= 0;
    const QPixmap alt = zeigen ? buch_.grab() : QPixmap();
    aufschlagen(n);
    if (zeigen && z_.AktuelleSeite != vorher && buch_.isVisible())
        blaettern_->starten(alt, buch_.grab(), z_.AktuelleSeite > vorher);
}

void Buchlenkung::BlaetternBeenden() {
    blaettern_->beenden();
}

void Buchlenkung::aufschlagen(int n) {
    const QString seiten = z_.ProjektVerzeichnis + "Pages\\" + z_.ProgrammName;
    if ((n == 0 && !z_.dateien.exists(seiten + ".1")) || (n == 1000 && !z_.dateien.exists(seiten + ".2"))) return;
    buch_.TitelZuruecksetzen();
    FundeLoeschen(buch_);
    const QString hilfe = z_.HilfeVerzeichnis;
    const book::Aufschlag a = book::AufschlagFuer(n, z_.umfang(), z_.dateien.exists(hilfe + "CBT0.bmp"),
                                                  z_.einstellungen.wert("ShowCBT").isEmpty(), buch_.BuchbildGeladen);
    n = a.verlangt;

    TextbildZaehler = 0;
    buch_.show();
    Q_EMIT buchAufgeschlagen();
    buch_.PanelAlbum->hide();
    buch_.InhaltVerbergen();
    fokus_->setFocus();
    Griffregistersetzen(n);

    buch_.ImageCBT->setVisible(a.tourFigur);
    for (QWidget *w : {buch_.PanelNoCBT, static_cast<QWidget *>(buch_.LabelProjekttitel3),
                       static_cast<QWidget *>(buch_.LabelProjektUnterTitel)})
        w->setVisible(a.deckblatt);
    buch_.MemoTextLinks->setVisible(a.textLinks);
    buch_.MemoTextRechts->setVisible(a.textRechts);

    if (a.einband == book::Aufschlag::Einband::Umschlag) {
        buch_.CoverZeigen(hilfe);
        buch_.BuchbildGeladen = false;
    } else if (a.einband == book::Aufschlag::Einband::Buch) {
        buch_.Buchzeigen(hilfe);
    }
    buch_.LesezeichenKontrollieren(n, lesezeichen_);
    menue_.hide();

    z_.AktuelleSeite = n;
    buch_.LabelSeitenzahlLinks->setVisible(a.seitenzahlen);
    buch_.LabelSeitenzahlRechts->setVisible(a.seitenzahlen);

    QByteArray copyright;
    const bool hatCopyright = z_.dateien.read(seiten + ".4", &copyright, 1 << 20);
    if (n >= 0 && n % 1000 == 0) {
        buch_.MemoTextLinks->setZeilen(n == 0 && hatCopyright ? platform::splitLines(copyright) : QStringList());
        InhaltZeigen(a.inhaltTeil);
        buch_.TextBilderWeg();
        buch_.MemoTextRechts->leeren();
        Timer1.stop();
    }
    switch (a.tour) {
    case book::Tourbild::Sitzen:
        if (a.tourFigur) {
            Timer1.start();
            CBT(288, 212, "CBTsit");
        }
        buch_.TextBilderWeg();
        break;
    case book::Tourbild::Rand: CBT(1, 54, "CBTrand"); break;
    case book::Tourbild::Arm: CBT(19, 55, "CBTarm"); break;
    case book::Tourbild::Engel:
        if (hatCopyright) {
            buch_.MemoTextLinks->setZeilen(platform::splitLines(copyright));
            buch_.MemoTextLinks->move(buch_.MemoTextLinks->x(), 32);
            buch_.MemoTextLinks->show();
        }
        CBT(1, 1, "CBTeng");
        InhaltZeigen(a.inhaltTeil);
        break;
    case book::Tourbild::Ende: CBT(19, 55, "CBTend"); break;
    case book::Tourbild::Keins: break;
    }
    if (n > 0 && n % 1000 != 0) {
        n = a.seite.zahl;
        buch_.ImageLeftArrow->hide();
        buch_.ImageRightArrow->hide();
        if (PfeilHinweis == 1)
            buch_.ImageLeftArrow->show();
        else if (PfeilHinweis != 0)
            buch_.ImageRightArrow->show();
        PfeilHinweis = 0;
        z_.AktuelleSeite = n;
        if (n >= 2000 && z_.dateien.exists(z_.HilfeSeitenDateiName)) {
            if (!z_.HilfeDateiOffen) {
                z_.hilfeDatei.close();
                z_.HilfeDateiOffen =
                    z_.hilfeDatei.open(z_.dateien.native(z_.HilfeSeitenDateiName), book::kSeitensatzGroesse);
                z_.HilfeSeitenZahl = int(z_.hilfeDatei.count());
            }
            z_.hilfeDatei.seek(n - 2002);
            z_.LetzteHilfeseite = n;
            TestseiteBearbeiten(buch_.MemoTextLinks, true);
            TestseiteBearbeiten(buch_.MemoTextRechts, true);
            BilderImBuch();
        } else if (n > 1000 && n < 2000) {
            // Opening the album part: the pages give way to the album sheet.
            buch_.MemoTextLinks->hide();
            buch_.MemoTextRechts->hide();
            buch_.TextBilderWeg();
            buch_.PanelAlbum->show();
            Griffregistersetzen(1000);
            buch_.Buchzeigen(hilfe);
            const QString blatt = z_.ProjektVerzeichnis + book::Albumblattname(z_.ProgrammName, n);
            if (auto bild = book::BitmapLaden(z_.dateien, blatt)) {
                z_.AlbumAufschlag = (n - 1000) / 2;
                buch_.ImageAlbum->setPixmap(QPixmap::fromImage(*bild));
                buch_.ImageAlbum->resize(bild->size());
            }
            albumblatt_.AufschlagZeigen();
        } else if (z_.TextDateiOffen && z_.textDatei.seek(n - 2)) {
            TestseiteBearbeiten(buch_.MemoTextLinks, false);
            TestseiteBearbeiten(buch_.MemoTextRechts, false);
            BilderImBuch();
            z_.LetzteTextseite = n;
        }
    }
    const int m = n % 1000;
    buch_.LabelSeitenzahlLinks->setText(QStringLiteral("- %1 -").arg(m - 1));
    buch_.LabelSeitenzahlRechts->setText(QStringLiteral("- %1 -").arg(m));
}

void Buchlenkung::TestseiteBearbeiten(book::SeitenMemo *memo, bool ausHilfe) {
    memo->leeren();
    QByteArray bytes;
    book::Seitensatz satz;
    platform::RecordFile &datei = ausHilfe ? z_.hilfeDatei : z_.textDatei;
    if (datei.readNext(&bytes) && book::Seitensatz::ausBytes(bytes, &satz)) {
        const book::Seitenbild seite = book::TestseiteBearbeiten(satz);
        memo->setZeilen(seite.zeilen);
        buch_.TitelSetzen(memo == buch_.MemoTextLinks, seite);
    }
    buch_.MemoTextLinks->show();
    buch_.MemoTextRechts->show();
}

void Buchlenkung::BilderImBuch() {
    buch_.TextBilderWeg();
    QStringList links = buch_.MemoTextLinks->zeilen(), rechts = buch_.MemoTextRechts->zeilen();
    const QList<book::Textbild> bilder =
        book::BilderImBuch(links, rechts, [this](const QString &name) -> std::optional<QString> {
            for (const QString &ordner : {z_.ProjektVerzeichnis + "Slides\\", z_.HilfeVerzeichnis})
                if (z_.dateien.exists(ordner + name + ".bmp")) return ordner + name + ".bmp";
            return std::nullopt;
        });
    buch_.MemoTextLinks->setZeilen(links);
    buch_.MemoTextRechts->setZeilen(rechts);
    for (const book::Textbild &bild : bilder)
        buch_.BildImBuch(++TextbildZaehler, bild);
    for (size_t i = 0; i < 4; ++i)
        buch_.Unterschrift[i]->setVisible(!buch_.Unterschrift[i]->text().isEmpty());
}

void Buchlenkung::InhaltZeigen(int teil) {
    static const char *const kTitel[] = {QT_TR_NOOP("Inhalt (Texte)"), QT_TR_NOOP("Inhalt (Bilder)"),
                                         QT_TR_NOOP("Inhalt (Hilfe)")};
    static const char *const kEndung[] = {".1", ".2", ".6"};
    if (teil < 1 || teil > 3) return;
    book::Inhaltsstand &stand = z_.inhaltsstand[size_t(teil)];
    QByteArray bytes;
    book::Inhaltsseite seite;
    if (z_.dateien.read(z_.ProjektVerzeichnis + "Pages\\" + z_.ProgrammName + kEndung[teil - 1], &bytes, 1 << 20)) {
        seite = book::InhaltFuer(platform::splitLines(bytes), stand.Aktuell);
        stand.Anzahl = seite.anzahl;
    }
    buch_.InhaltSetzen(seite, stand.Aktuell == 1, tr(kTitel[teil - 1]));
}

void Buchlenkung::InhaltClick(QListWidget *liste, int zeile) {
    QStringList eintraege;
    for (int i = 0; i < liste->count(); ++i)
        eintraege << liste->item(i)->text();
    SeitenZeigen(z_.AktuelleSeite + book::InhaltZiel(eintraege, zeile));
}

std::array<int, 5> Buchlenkung::griffZiele() const {
    std::array<int, 5> ziele{};
    for (int i = 0; i < 5; ++i)
        ziele[size_t(i)] = book::ZiffernWert(z_.einstellungen.wert(QStringLiteral("Mark%1").arg(i + 1)));
    return ziele;
}

void Buchlenkung::Griffregistersetzen(int n) {
    buch_.Griffregistersetzen(n, griffZiele());
}

void Buchlenkung::LabelGriffClick(int nummer) {
    for (book::Inhaltsstand &s : z_.inhaltsstand)
        s.Aktuell = 1;
    if (nummer >= 4) Timer1.stop();
    SeitenZeigen(griffZiele()[size_t(nummer - 1)]);
}

void Buchlenkung::GriffHinweis(int nummer) {
    Q_EMIT hinweis(book::GriffHinweis(buch_.LabelGriffL[size_t(nummer - 1)]->text(), griffZiele()[size_t(nummer - 1)]));
    buch_.PanelLinksPfeil->hide();
    buch_.PanelRechtsPfeil->hide();
}

void Buchlenkung::ImageBuchMouseMove(int x, int y) {
    menue_.hide();
    if (x > 40 && x < 56 && z_.AktuelleSeite >= 0) {
        buch_.PanelLinksPfeil->move(40, y - 8);
        buch_.PanelLinksPfeil->show();
        buch_.PanelLinksPfeil->raise();
        Q_EMIT hinweis(tr("vorige Seite"));
        return;
    }
    buch_.PanelLinksPfeil->hide();
    if (x > 600 && x < 616) {
        buch_.PanelRechtsPfeil->move(600, y - 8);
        buch_.PanelRechtsPfeil->show();
        buch_.PanelRechtsPfeil->raise();
        Q_EMIT hinweis(tr("nächste Seite"));
    } else {
        Q_EMIT hinweis(QString());
        buch_.PanelRechtsPfeil->hide();
    }
}

void Buchlenkung::PanelBuchMouseMove() {
    buch_.PanelLinksPfeil->hide();
    buch_.PanelRechtsPfeil->hide();
    menue_.hide();
    Q_EMIT hinweis(QString());
}

void Buchlenkung::LesezeichenLesen() {
    for (int i = 0; i < 4; ++i) {
        const int seite = book::ZiffernWert(z_.einstellungen.wert(QStringLiteral("Mark%1").arg(i + 6)));
        lesezeichen_[size_t(i)] = seite;
        // A bookmark laid into the book is no longer in the box.
        menue_.LesezeichenU[size_t(i)]->setVisible(seite <= 0);
        if (seite > 0) LesezeichenHint(i + 1, seite);
    }
}

void Buchlenkung::LesezeichenSetzen(int nummer) {
    menue_.LesezeichenU[size_t(nummer - 1)]->hide();
    lesezeichen_[size_t(nummer - 1)] = z_.AktuelleSeite;
    LesezeichenHint(nummer, z_.AktuelleSeite);
    SeitenZeigen(z_.AktuelleSeite);
    z_.einstellungen.setzen(QStringLiteral("Mark%1").arg(nummer + 5), QString::number(z_.AktuelleSeite));
}

void Buchlenkung::LesezeichenHint(int nummer, int seite) {
    const QString text = book::LesezeichenHint(seite);
    // The hint line shows the text under the mouse; screen readers get it as the name.
    buch_.LesezeichenL[size_t(nummer - 1)]->setAccessibleName(text);
    buch_.LesezeichenR[size_t(nummer - 1)]->setAccessibleName(text);
    lesezeichenHinweise_[size_t(nummer - 1)] = text;
}

void Buchlenkung::LesezeichenMouseDown(int nummer, Qt::MouseButton taste) {
    Timer1.stop();
    if (taste == Qt::LeftButton) {
        SeitenZeigen(lesezeichen_[size_t(nummer - 1)]);
    } else if (taste == Qt::RightButton) {
        buch_.LesezeichenVerbergen(nummer);
        lesezeichen_[size_t(nummer - 1)] = 0;
        menue_.LesezeichenU[size_t(nummer - 1)]->show();
        z_.einstellungen.setzen(QStringLiteral("Mark%1").arg(nummer + 5), QString());
    }
}

void Buchlenkung::HilfeAufschlagen() {
    SeitenZeigen(qMax(z_.LetzteHilfeseite, 2000));
}

void Buchlenkung::TeilAnfang() {
    const auto grenzen = book::TeilGrenzen(z_.AktuelleSeite, z_.umfang());
    if (!grenzen) return;
    z_.inhaltsstand[size_t(book::Teil(grenzen->anfang))].Aktuell = 1;
    SeitenZeigen(grenzen->anfang);
}

void Buchlenkung::TeilEnde() {
    const auto grenzen = book::TeilGrenzen(z_.AktuelleSeite, z_.umfang());
    if (!grenzen) return;
    SeitenZeigen(grenzen->ende);
}

void Buchlenkung::LesezeichenTaste(int nummer) {
    if (nummer < 1 || nummer > 4) return;
    if (lesezeichen_[size_t(nummer - 1)] > 0) {
        LesezeichenMouseDown(nummer, Qt::LeftButton);
        return;
    }
    // Laid only into the open book on a spread with a number: page 0 would read as
    // "in the box" at the next start.
    if (buch_.isHidden() || z_.AktuelleSeite <= 0) return;
    LesezeichenSetzen(nummer);
    Q_EMIT hinweis(lesezeichenHinweis(nummer));
}

void Buchlenkung::LesezeichenKontrollieren() {
    buch_.LesezeichenKontrollieren(z_.AktuelleSeite, lesezeichen_);
}

void Buchlenkung::ImageTextBildClick(int platz) {
    Q_EMIT textbildGewaehlt(buch_.TextbildNamen[size_t(platz - 1)]);
}

void Buchlenkung::CBT(int x, int y, const QString &name) {
    buch_.CBT(z_.HilfeVerzeichnis, x, y, name);
}

void Buchlenkung::Timer1Timer() {
    const TourBild bild = TourTakt(++timer1Tag_);
    switch (bild.art) {
    case TourBild::Art::Bild: CBT(bild.x, bild.y, bild.name); break;
    case TourBild::Art::Bildschirm5: SeitenZeigen(-5); break;
    case TourBild::Art::Anhalten: Timer1.stop(); break;
    case TourBild::Art::Nichts: break;
    }
}

void Buchlenkung::LabelNoCBTClick() {
    if (!z_.einstellungen.wert("ShowCBT").isEmpty()) {
        z_.einstellungen.setzen("ShowCBT", "");
        SeitenZeigen(-6);
        buch_.ImageYesCBT->raise();
    } else {
        SeitenZeigen(0);
        z_.einstellungen.setzen("ShowCBT", "0");
        buch_.ImageNoCBT->raise();
    }
}

void Buchlenkung::ImageCBTMouseMove(int x, int y) {
    if (z_.AktuelleSeite == -3 && x >= 41 && x <= 55) {
        buch_.PanelLinksPfeil->move(40, buch_.ImageCBT->y() + y - 8);
        buch_.PanelLinksPfeil->show();
        buch_.PanelLinksPfeil->raise();
    } else {
        buch_.PanelLinksPfeil->hide();
    }
}

void Buchlenkung::ImageLinksPfeilClick() {
    const book::Blaetterziel ziel = book::ZurueckBlaettern(z_.AktuelleSeite, z_.inhaltsstand, z_.umfang());
    if (!ziel.zeigen) return;
    if (ziel.danebenSetzen) z_.AktuelleSeite = ziel.seite;
    SeitenZeigen(ziel.seite);
}

void Buchlenkung::ImageRechtsPfeilClick() {
    const book::Blaetterziel ziel = book::VorBlaettern(z_.AktuelleSeite, z_.inhaltsstand, z_.umfang());
    if (!ziel.zeigen) return;
    if (ziel.danebenSetzen) z_.AktuelleSeite = ziel.seite;
    SeitenZeigen(ziel.seite);
    if (z_.AktuelleSeite == -4) SeitenZeigen(-3);
}

} // namespace app
