#include "app/views/buchlenkung.h"

#include "album/views/albumblatt.h"
#include "app/core/startlogik.h"
#include "app/views/bildmenue.h"
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
#include "search/views/fundmarken.h"

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
        buch_.blaetterpfeilVerbergen(false);
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
    const int inhaltVorher = gezeigterInhalt_;
    // Only a spread that follows another one on the open book is turned.
    const bool zeigen = z_.ansicht.blaetternZeigen && buch_.isVisible() && vorher >= 0 && n >= 0;
    const QPixmap alt = zeigen ? buch_.grab() : QPixmap();
    aufschlagen(n);
    Q_EMIT aufschlagGezeigt(z_.AktuelleSeite);
    // A contents spread paged within its part turns like any other spread.
    const bool anders = z_.AktuelleSeite != vorher || gezeigterInhalt_ != inhaltVorher;
    if (zeigen && anders && buch_.isVisible())
        blaettern_->starten(alt, buch_.grab(),
                            z_.AktuelleSeite != vorher ? z_.AktuelleSeite > vorher : gezeigterInhalt_ > inhaltVorher);
}

void Buchlenkung::BlaetternBeenden() {
    blaettern_->beenden();
}

void Buchlenkung::aufschlagen(int n) {
    // A part's contents spread needs its contents file.
    const book::Buchseite verlangt{n};
    if (verlangt.inhalt() && verlangt.teil() != book::Buchseite::Teil::Hilfe &&
        !z_.dateien.exists(z_.ort.datei(verlangt.teil() == book::Buchseite::Teil::Text
                                            ? projekt::Seitendatei::TextInhalt
                                            : projekt::Seitendatei::AlbumInhalt)))
        return;
    search::FundeLoeschen(buch_);
    buch_.TitelZuruecksetzen();
    // A hint belongs to what lies under the mouse: the new spread has not said anything yet.
    Q_EMIT hinweis(QString());
    gezeigterInhalt_ = 0;
    const QString hilfe = z_.HilfeVerzeichnis;
    const book::Aufschlag a = book::AufschlagFuer(n, z_.umfang(), z_.dateien.exists(hilfe + "CBT0.bmp"),
                                                  z_.einstellungen.wert("ShowCBT").isEmpty(), buch_.buchbildGeladen());
    n = a.verlangt;

    TextbildZaehler = 0;
    buch_.show();
    Q_EMIT buchAufgeschlagen();
    buch_.albumVerbergen();
    buch_.InhaltVerbergen();
    fokus_->setFocus();
    Griffregistersetzen(n);

    buch_.tourFigurZeigen(a.tourFigur);
    buch_.deckblattZeigen(a.deckblatt);
    buch_.seitenZeigen(a.textLinks, a.textRechts);

    if (a.einband == book::Aufschlag::Einband::Umschlag) {
        buch_.CoverZeigen(hilfe);
    } else if (a.einband == book::Aufschlag::Einband::Buch) {
        buch_.Buchzeigen(hilfe);
    }
    buch_.LesezeichenKontrollieren(n, lesezeichen_);
    menue_.hide();

    z_.AktuelleSeite = n;
    buch_.seitenzahlenZeigen(a.seitenzahlen);

    QByteArray copyright;
    const bool hatCopyright = z_.dateien.read(z_.ort.datei(projekt::Seitendatei::Copyright), &copyright, 1 << 20);
    if (a.seite.inhalt()) {
        buch_.seiteSetzen(true, n == 0 && hatCopyright ? platform::splitLines(copyright) : QStringList());
        InhaltZeigen(a.inhaltTeil);
        gezeigterInhalt_ = z_.inhaltsstand[size_t(a.inhaltTeil)].Aktuell;
        buch_.TextBilderWeg();
        buch_.seiteLeeren(false);
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
            buch_.seiteSetzen(true, platform::splitLines(copyright));
            buch_.seitenZeigen(true, a.textRechts);
        }
        CBT(1, 1, "CBTeng");
        InhaltZeigen(a.inhaltTeil);
        break;
    case book::Tourbild::Ende: CBT(19, 55, "CBTend"); break;
    case book::Tourbild::Keins: break;
    }
    const book::Buchseite &seite = a.seite;
    if (n > 0 && !seite.inhalt()) {
        n = seite.zahl;
        buch_.fundpfeilSetzen(PfeilHinweis, fundZeile_);
        PfeilHinweis = 0;
        z_.AktuelleSeite = n;
        if (seite.teil() == book::Buchseite::Teil::Hilfe) {
            if (!z_.HilfeDateiOffen && z_.dateien.exists(z_.HilfeSeitenDateiName)) {
                z_.hilfeDatei.close();
                z_.HilfeDateiOffen =
                    z_.hilfeDatei.open(z_.dateien.native(z_.HilfeSeitenDateiName), book::kSeitensatzGroesse);
                z_.HilfeSeitenZahl = int(z_.hilfeDatei.count());
            }
            z_.LetzteHilfeseite = n;
            zweiSeitenLesen(z_.hilfeDatei, true, seite.nummer());
        } else if (seite.teil() == book::Buchseite::Teil::Album) {
            // Opening the album part: the pages give way to the album sheet.
            buch_.albumZeigen();
            Griffregistersetzen(book::Buchseite::anfang(book::Buchseite::Teil::Album).zahl);
            buch_.Buchzeigen(hilfe);
            const QString blatt = z_.ort.albumblatt(n);
            if (auto bild = book::BitmapLaden(z_.dateien, blatt)) {
                z_.AlbumAufschlag = seite.nummer() / 2;
                buch_.albumBlattSetzen(*bild);
            }
            albumblatt_.AufschlagZeigen();
        } else if (seite.teil() == book::Buchseite::Teil::Text) {
            if (zweiSeitenLesen(z_.textDatei, false, n) && z_.TextDateiOffen) z_.LetzteTextseite = n;
        }
    }
    buch_.seitenzahlenSetzen(book::Buchseite{n}.nummer());
    if (!fundBegriff_.isEmpty()) {
        // The found words are marked before the spread is pictured for the turn.
        search::FundeMarkieren(buch_, fundBegriff_, fundTolerant_);
        fundBegriff_.clear();
    }
}

bool Buchlenkung::zweiSeitenLesen(platform::RecordFile &datei, bool ausHilfe, int rechteSeite) {
    // Pages beyond the end of the file are empty: nothing of the spread shown before
    // (lines, titles, pictures) may stay under the new numbers.
    buch_.seiteLeeren(true);
    buch_.seiteLeeren(false);
    buch_.TextBilderWeg();
    buch_.seitenZeigen(true, true);
    // The spread's left page is the record before its right one.
    if (!datei.isOpen() || !datei.seek(rechteSeite - 2)) return false;
    TestseiteBearbeiten(true, ausHilfe);
    TestseiteBearbeiten(false, ausHilfe);
    BilderImBuch();
    return true;
}

void Buchlenkung::fundVormerken(bool links, int zeile, const QString &begriff, bool tolerant) {
    PfeilHinweis = links ? 1 : 2;
    fundZeile_ = zeile;
    fundBegriff_ = begriff;
    fundTolerant_ = tolerant;
}

void Buchlenkung::TestseiteBearbeiten(bool links, bool ausHilfe) {
    buch_.seiteLeeren(links);
    QByteArray bytes;
    book::Seitensatz satz;
    platform::RecordFile &datei = ausHilfe ? z_.hilfeDatei : z_.textDatei;
    if (datei.readNext(&bytes) && book::Seitensatz::ausBytes(bytes, &satz)) {
        const book::Seitenbild seite = book::TestseiteBearbeiten(satz);
        buch_.seiteSetzen(links, seite.zeilen);
        buch_.TitelSetzen(links, seite);
    }
    buch_.seitenZeigen(true, true);
}

void Buchlenkung::BilderImBuch() {
    buch_.TextBilderWeg();
    QStringList links = buch_.seitenZeilen(true), rechts = buch_.seitenZeilen(false);
    const QList<book::Textbild> bilder =
        book::BilderImBuch(links, rechts, [this](const QString &name) -> std::optional<QString> {
            for (const QString &ordner : {z_.ProjektVerzeichnis + "Slides\\", z_.HilfeVerzeichnis})
                if (z_.dateien.exists(ordner + name + ".bmp")) return ordner + name + ".bmp";
            return std::nullopt;
        });
    buch_.seiteSetzen(true, links);
    buch_.seiteSetzen(false, rechts);
    for (const book::Textbild &bild : bilder)
        buch_.BildImBuch(++TextbildZaehler, bild);
}

void Buchlenkung::InhaltZeigen(int teil) {
    static const char *const kTitel[] = {QT_TR_NOOP("Inhalt (Texte)"), QT_TR_NOOP("Inhalt (Bilder)"),
                                         QT_TR_NOOP("Inhalt (Hilfe)")};
    using projekt::Seitendatei;
    static constexpr Seitendatei kDatei[] = {Seitendatei::TextInhalt, Seitendatei::AlbumInhalt,
                                             Seitendatei::HilfeInhalt};
    if (teil < 1 || teil > 3) return;
    book::Inhaltsstand &stand = z_.inhaltsstand[size_t(teil)];
    QByteArray bytes;
    book::Inhaltsseite seite;
    if (z_.dateien.read(z_.ort.datei(kDatei[teil - 1]), &bytes, 1 << 20)) {
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
    Q_EMIT hinweis(book::GriffHinweis(buch_.griffText(nummer), griffZiele()[size_t(nummer - 1)]));
    buch_.blaetterpfeilVerbergen(true);
    buch_.blaetterpfeilVerbergen(false);
}

void Buchlenkung::ImageBuchMouseMove(int x, int y) {
    menue_.hide();
    if (x > 40 && x < 56 && z_.AktuelleSeite >= 0) {
        buch_.blaetterpfeilZeigen(true, y);
        Q_EMIT hinweis(tr("vorige Seite"));
        return;
    }
    buch_.blaetterpfeilVerbergen(true);
    if (x > 600 && x < 616) {
        buch_.blaetterpfeilZeigen(false, y);
        Q_EMIT hinweis(tr("nächste Seite"));
    } else {
        Q_EMIT hinweis(QString());
        buch_.blaetterpfeilVerbergen(false);
    }
}

void Buchlenkung::PanelBuchMouseMove() {
    buch_.blaetterpfeilVerbergen(true);
    buch_.blaetterpfeilVerbergen(false);
    menue_.hide();
    Q_EMIT hinweis(QString());
}

void Buchlenkung::LesezeichenLesen() {
    for (int i = 0; i < 4; ++i) {
        const int seite = book::ZiffernWert(z_.einstellungen.wert(QStringLiteral("Mark%1").arg(i + 6)));
        lesezeichen_[size_t(i)] = seite;
        // A bookmark laid into the book is no longer in the box.
        menue_.lesezeichenImHalter(i + 1, seite <= 0);
        if (seite > 0) {
            LesezeichenHint(i + 1, seite);
        } else {
            // Another project's bookmark leaves the book with it.
            buch_.LesezeichenVerbergen(i + 1);
            lesezeichenHinweise_[size_t(i)].clear();
        }
    }
}

bool Buchlenkung::lesezeichenLegbar() const {
    // Only into the open book on a spread with a number: page 0 would read as "in the
    // box" at the next start, and the tour screens' negative numbers as pages of the text.
    return !buch_.isHidden() && z_.AktuelleSeite > 0;
}

void Buchlenkung::LesezeichenSetzen(int nummer) {
    if (nummer < 1 || nummer > 4 || lesezeichen_[size_t(nummer - 1)] > 0) return;
    if (!lesezeichenLegbar()) {
        Q_EMIT hinweis(tr("Ein Lesezeichen kann nur zwischen die Seiten des Buches gelegt werden."));
        return;
    }
    menue_.lesezeichenImHalter(nummer, false);
    lesezeichen_[size_t(nummer - 1)] = z_.AktuelleSeite;
    LesezeichenHint(nummer, z_.AktuelleSeite);
    SeitenZeigen(z_.AktuelleSeite);
    z_.einstellungen.setzen(QStringLiteral("Mark%1").arg(nummer + 5), QString::number(z_.AktuelleSeite));
    Q_EMIT hinweis(lesezeichenHinweis(nummer));
}

void Buchlenkung::LesezeichenHint(int nummer, int seite) {
    const QString text = book::LesezeichenHint(seite);
    // The hint line shows the text under the mouse; screen readers get it as the name.
    buch_.lesezeichenBenennen(nummer, text);
    lesezeichenHinweise_[size_t(nummer - 1)] = text;
}

void Buchlenkung::LesezeichenMouseDown(int nummer, Qt::MouseButton taste) {
    Timer1.stop();
    if (taste == Qt::LeftButton) {
        SeitenZeigen(lesezeichen_[size_t(nummer - 1)]);
    } else if (taste == Qt::RightButton) {
        buch_.LesezeichenVerbergen(nummer);
        lesezeichen_[size_t(nummer - 1)] = 0;
        menue_.lesezeichenImHalter(nummer, true);
        z_.einstellungen.setzen(QStringLiteral("Mark%1").arg(nummer + 5), QString());
        Q_EMIT hinweis(QString()); // the ribbon under the mouse, and its hint, are gone
    }
}

void Buchlenkung::HilfeAufschlagen() {
    SeitenZeigen(qMax(z_.LetzteHilfeseite, book::Buchseite::anfang(book::Buchseite::Teil::Hilfe).zahl));
}

void Buchlenkung::AlbumAufschlagen() {
    SeitenZeigen(book::Buchseite::im(book::Buchseite::Teil::Album, 2 * z_.AlbumAufschlag).zahl);
}

bool Buchlenkung::albumAufgeschlagen() const {
    return book::Buchseite{z_.AktuelleSeite}.teil() == book::Buchseite::Teil::Album;
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
    LesezeichenSetzen(nummer);
}

void Buchlenkung::LesezeichenKontrollieren() {
    buch_.LesezeichenKontrollieren(z_.AktuelleSeite, lesezeichen_);
}

void Buchlenkung::ImageTextBildClick(int platz) {
    Q_EMIT textbildGewaehlt(buch_.textbildName(platz));
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
        buch_.anleitungAnkreuzen(true);
    } else {
        SeitenZeigen(0);
        z_.einstellungen.setzen("ShowCBT", "0");
        buch_.anleitungAnkreuzen(false);
    }
}

void Buchlenkung::ImageCBTMouseMove(int x, int y) {
    if (z_.AktuelleSeite == -3 && x >= 41 && x <= 55)
        buch_.blaetterpfeilZeigen(true, buch_.tourFigurOben() + y);
    else
        buch_.blaetterpfeilVerbergen(true);
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
