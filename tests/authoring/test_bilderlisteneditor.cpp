// The picture list editor and album production as the authoring window runs them, on a
// recording book: opening on a project with missing and new pictures, inserting, adding
// all, moving a file to "Rest\", saving or not, the current line's previews, and the
// progress and finish state of album production.
#include "authoring/views/albumfrage.h"
#include "authoring/views/albumherstellung.h"
#include "authoring/views/bilderlisteneditor.h"
#include "authoring/views/fortschrittsanzeige.h"
#include "authoring/views/startpanel.h"
#include "autorenteile.h"
#include "leeresbuch.h"
#include "platform/bitmapfile.h"
#include "stillemeldungen.h"
#include "zustandfixture.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>

using namespace authoring;
using Art = platform::Meldungen::Art;

namespace {

using Aufzeichnung = testing::Meldungsaufzeichnung;

// The book as a surface with the editor's panel and the progress strip on it.
class Buch : public testing::LeeresBuch {
public:
    explicit Buch(app::Zustand &) {
        flaeche.resize(1024, 768);
        fortschrittsfeld->setGeometry(362, 728, 300, 24);
        QObject::connect(&bilderliste, &album::Bilderlistenmodell::geaendert, [this] { auftraege << "Bilderliste"; });
    }
    void SeitenZeigen(int seite) override { auftraege << QStringLiteral("SeitenZeigen %1").arg(seite); }
    QPoint Buchecke() const override { return QPoint(184, 163); }
    void Hinweis(const QString &text) override { hinweise << text; }
    void HintergrundZeigen() override { auftraege << "HintergrundZeigen"; }
    void BildansichtVerbergen() override { auftraege << "BildansichtVerbergen"; }
    void InhaltVerbergen() override { auftraege << "InhaltVerbergen"; }
    void SeitenzahlenLeeren() override { auftraege << "SeitenzahlenLeeren"; }
    // What the screen shows when a spread is painted: the progress strip's texts.
    void AlbumblattZeigen(const QImage &aufschlag) override {
        QVERIFY(!aufschlag.isNull());
        const auto texte = fortschrittsfeld->findChildren<QLabel *>();
        gemalt << texte.value(0)->text() + " " + texte.value(1)->text();
    }
    void LabelZeigen(int k) override {
        if (k <= 2147483615) labels << k;
    }
    QStringList auftraege, hinweise, gemalt;
    QList<int> labels;
};

const QString kListe = "Pagora/Pages/Pagora.3";

struct Umgebung {
    explicit Umgebung(const QStringList &liste, const QStringList &bilder) : zustand(w.dateien()), buch(zustand) {
        testing::zustandEinrichten(w, zustand, "Pagora");
        zustand.ProjektVerzeichnis = w.gespeichert() + "Pagora\\";
        w.bitmap("Help/Album0.bmp", 524, 384, Qt::white);
        w.text(kListe, liste);
        w.text("Pagora/Pages/Pagora.2", {"Alter Inhalt"});
        for (const QString &b : bilder)
            w.bitmap("Pagora/Album/" + b, 200, 100, Qt::darkGreen);
        fenster = std::make_unique<TBearbeitung>(zustand, screen, meldungen);
        fenster->setBuch(&buch);
        buch.flaeche.show();
    }
    // Opens the editor as the start panel's entry does, the timer's tick included.
    testing::Listenteile oeffnen() {
        testing::starten(*fenster, "ImageNeueBilder");
        fenster->TimerBilderlisteTimer();
        return testing::Listenteile(*fenster->listeneditor());
    }
    testing::Datenwurzel w;
    app::Zustand zustand;
    platform::SimulatedScreen screen{{1024, 768, 96}};
    Aufzeichnung meldungen;
    Buch buch;
    std::unique_ptr<TBearbeitung> fenster;
};

QStringList zeilenVon(const testing::Listenteile &e) {
    return e.zeilen();
}

// A caret at `spalte` of line `zeile` of the list, as a click leaves it.
void caret(const testing::Listenteile &e, int zeile, int spalte) {
    QTextCursor c(e.MemoListe->document()->findBlockByNumber(zeile));
    c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, spalte);
    e.MemoListe->setTextCursor(c);
}

// A real double-click on the first character of line `zeile`.
void doppelklick(const testing::Listenteile &e, int zeile) {
    QTextCursor c(e.MemoListe->document()->findBlockByNumber(zeile));
    const QPoint p = e.MemoListe->cursorRect(c).center() + QPoint(2, 0);
    QTest::mouseDClick(e.MemoListe->viewport(), Qt::LeftButton, {}, p);
}

void waehlen(QListWidget *liste, const QString &name) {
    const auto treffer = liste->findItems(name, Qt::MatchExactly);
    QVERIFY(!treffer.isEmpty());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(treffer.first()).center());
}

} // namespace

class TestBilderlisteneditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingReportsMissingAndOffersNewPictures() {
        Umgebung u({"A:x", "", "B:y", ":I:Kapitel"}, {"B.bmp", "c.bmp", "b2.bmp"});
        testing::starten(*u.fenster, "ImageNeueBilder");
        QVERIFY(!u.fenster->isVisible());
        QVERIFY(u.buch.fortschrittsfeld->isVisible());
        QCOMPARE(testing::kindNamens<QLabel>(*u.buch.fortschrittsfeld, "LabelFortschrittTitel")->text(),
                 QString("Bilderliste wird geschrieben"));
        QCOMPARE(testing::kindNamens<QLabel>(*u.buch.fortschrittsfeld, "LabelFortschritt")->text(), QString());
        QVERIFY(!u.fenster->vorhandenerListeneditor());
        // The editor comes with the timer's tick.
        QTRY_VERIFY_WITH_TIMEOUT(u.buch.listenfeld->isVisible(), 3000);
        const testing::Listenteile e(*u.fenster->listeneditor());
        QVERIFY(!u.buch.fortschrittsfeld->isVisible());
        QCOMPARE(u.buch.listenfeld->geometry(), QRect(184, 163, 660, 457));
        QCOMPARE(u.meldungen.boxen, (QList<QPair<Art, QString>>{
                                        {Art::Fehler, QString::fromUtf8("\"A\" wurde verschoben oder gelöscht!")}}));
        QCOMPARE(zeilenVon(e), (QStringList{"A:x", QString(16, ' '), "B:y", ":I:Kapitel"}));
        QCOMPARE(e.LabelBisherigeBilder->text(), QString("Bisherige Bilder (1)"));
        QCOMPARE(e.neueBilder(), (QStringList{"b2", "c"}));
        QCOMPARE(e.LabelNeueBilder->text(), QString("Neue Bilder (2)"));
        QCOMPARE(e.MemoListe->width(), 385);
        QVERIFY(e.PanelNeueBilder->isVisible() && e.BitBtnAlle->isVisible() && e.BitBtnDateiWeg->isVisible());
        QVERIFY(e.LabelBildkommentare->text().startsWith(QString::fromUtf8("Wählen Sie rechts ein Bild aus")));
        // The first new picture at a quarter of its size; the last line is a title.
        QVERIFY(e.ImageNeueBilder->isVisible());
        QCOMPARE(e.ImageNeueBilder->size(), QSize(50, 25));
        QCOMPARE(e.LabelKommentar->text(), QString(":I:Kapitel"));
        QVERIFY(u.buch.auftraege.contains("HintergrundZeigen"));
        // Hints while the mouse is over a button.
        QEvent hinein(QEvent::Enter);
        QApplication::sendEvent(e.BitBtnDateiWeg, &hinein);
        QCOMPARE(u.buch.hinweise.last(),
                 QString("Verschiebt die ausgewählte Datei (Neue Bilder) in das Verzeichnis Rest"));
        // Every control says what it is.
        for (QPushButton *b : e.e.findChildren<QPushButton *>())
            QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
        // No list file: an empty list; no missing pictures, no box.
        Umgebung leer({}, {});
        QFile::remove(leer.w.nativ(kListe));
        const testing::Listenteile l = leer.oeffnen();
        QVERIFY(zeilenVon(l).isEmpty());
        QVERIFY(leer.meldungen.boxen.isEmpty());
        QCOMPARE(l.MemoListe->width(), 537);
        QCOMPARE(l.LabelBildkommentare->text(), QString());
        QVERIFY(!l.PanelNeueBilder->isVisible());
    }

    void aListThatCannotBeReadIsNotOpened() {
        Umgebung u({}, {"a.bmp"});
        u.w.schreiben(kListe, QByteArray((16 << 20) + 1, 'x'));
        u.oeffnen();
        QVERIFY(!u.buch.listenfeld->isVisible());
        QVERIFY(!u.buch.fortschrittsfeld->isVisible());
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QVERIFY(u.meldungen.boxen.first().second.endsWith("Pagora.3 kann nicht gelesen werden."));
        QCOMPARE(QFileInfo(u.w.nativ(kListe)).size(), qint64(16 << 20) + 1);
    }

    void longNamesAreReported() {
        const QString lang = QString(41, 'x');
        Umgebung u({}, {lang + ".bmp"});
        u.oeffnen();
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QCOMPARE(u.meldungen.boxen.first().second, QString::fromUtf8("Dateinamen von mehr als 40 Zeichen Länge (") +
                                                       lang +
                                                       QString::fromUtf8(") können Schwierigkeiten hervorrufen"));
    }

    void insertingThenSaving() {
        Umgebung u({"A:x", "B:y"}, {"A.bmp", "B.bmp", "c.bmp", "a2.bmp"});
        const testing::Listenteile e = u.oeffnen();
        // Nothing chosen: a double-click changes nothing.
        doppelklick(e, 1);
        QCOMPARE(zeilenVon(e), (QStringList{"A:x", "B:y"}));
        waehlen(e.ListboxNeueBilder, "c");
        QVERIFY(e.e.neuesBildGewaehlt());
        QTest::mouseClick(e.PanelNameIstTitel, Qt::LeftButton);
        QCOMPARE(e.EditBildKommentar->text(), QString("c"));
        e.EditBildKommentar->clear();
        QTest::keyClicks(e.EditBildKommentar, "Kirche");
        // On the first word of line 1: before that line.
        doppelklick(e, 1);
        QCOMPARE(zeilenVon(e), (QStringList{"A:x", "c: Kirche", "B:y"}));
        QCOMPARE(e.neueBilder(), QStringList{"a2"});
        QCOMPARE(e.LabelNeueBilder->text(), QString("Neue Bilder (1)"));
        QCOMPARE(e.EditBildKommentar->text(), QString());
        QVERIFY(!e.e.neuesBildGewaehlt());
        QCOMPARE(e.LabelBisherigeBilder->text(), QString("Bisherige Bilder (3)"));
        // Enter in the list writes its empty lines out as blanks.
        caret(e, 2, 3);
        QTest::keyClick(e.MemoListe, Qt::Key_Return);
        QCOMPARE(zeilenVon(e), (QStringList{"A:x", "c: Kirche", "B:y", QString(16, ' ')}));
        QTest::mouseClick(e.BitBtnAlle, Qt::LeftButton);
        QCOMPARE(zeilenVon(e), (QStringList{"A:x", "c: Kirche", "B:y", QString(16, ' '), "a2:"}));
        QVERIFY(e.neueBilder().isEmpty());
        QCOMPARE(e.MemoListe->width(), 537);
        QVERIFY(!e.PanelNeueBilder->isVisible());
        QCOMPARE(e.LabelBildkommentare->text(),
                 QString("Alle Bilder sind in der endgültigen Bilderliste. Sie können diese Liste wie in einem "
                         "Texteditor redigieren"));
        QTest::mouseClick(e.PanelSave, Qt::LeftButton);
        QCOMPARE(u.w.lesen(kListe), "A:x\r\nc: Kirche\r\nB:y\r\n" + QByteArray(16, ' ') + "\r\na2:\r\n");
        QVERIFY(!u.buch.listenfeld->isVisible());
        QCOMPARE(u.buch.bilderliste.zeilen(), zeilenVon(e));
        // Panel 3 offers album production.
        QVERIFY(u.fenster->isVisible());
        QCOMPARE(u.fenster->aktuellesPanel(), Aufgabe::Albumfrage);
        QCOMPARE(testing::vorderesPanel(*u.fenster)->objectName(), QString("Panel3JetztDasAlbum"));
    }

    // Photos of the album folder are offered under their file names; taken in, each
    // becomes a bitmap of its name, the originals staying as the author chose once.
    void photosAreOfferedAndBecomeBitmapsWhenTakenIn() {
        Umgebung u({"A:x"}, {"A.bmp", "c.bmp"});
        QImage foto(80, 60, QImage::Format_RGB32);
        foto.fill(Qt::yellow);
        QVERIFY(foto.save(u.w.nativ("Pagora/Album/Urlaub.JPG"), "JPEG"));
        QVERIFY(foto.save(u.w.nativ("Pagora/Album/Strand.png"), "PNG"));
        const testing::Listenteile e = u.oeffnen();
        QCOMPARE(e.neueBilder(), (QStringList{"c", "Strand.png", "Urlaub.JPG"}));
        u.meldungen.antwort = false; // the originals stay in the album folder
        waehlen(e.ListboxNeueBilder, "Urlaub.JPG");
        QVERIFY(!e.ImageNeueBilder->isHidden());
        QTest::keyClicks(e.EditBildKommentar, "Am See");
        doppelklick(e, 0);
        QCOMPARE(zeilenVon(e), (QStringList{"Urlaub: Am See", "A:x"}));
        QCOMPARE(u.meldungen.fragen.size(), 1);
        QCOMPARE(platform::readBitmap(u.w.nativ("Pagora/Album/Urlaub.bmp"))->size(), QSize(80, 60));
        QVERIFY(u.w.gibt("Pagora/Album/Urlaub.JPG"));
        QTest::mouseClick(e.BitBtnAlle, Qt::LeftButton);
        QCOMPARE(zeilenVon(e), (QStringList{"Urlaub: Am See", "A:x", "c:", "Strand:"}));
        QCOMPARE(u.meldungen.fragen.size(), 1); // asked once
        QVERIFY(u.meldungen.boxen.isEmpty());
        QCOMPARE(u.w.lesen("Pagora/Album/Strand.bmp").mid(28, 2), QByteArray("\x18\x00", 2));
        QVERIFY(u.w.gibt("Pagora/Album/Strand.png"));
    }

    void addingAllThenClosingWithoutSaving() {
        Umgebung u({"x:"}, {"x.bmp", "c.bmp", "a.bmp"});
        const testing::Listenteile e = u.oeffnen();
        const QByteArray vorher = u.w.lesen(kListe);
        QTest::mouseClick(e.BitBtnAlle, Qt::LeftButton);
        QCOMPARE(zeilenVon(e), (QStringList{"x:", "a:", "c:"}));
        QTest::mouseClick(e.BitBtnDontSave, Qt::LeftButton);
        QVERIFY(!u.buch.listenfeld->isVisible());
        QVERIFY(!u.fenster->isVisible());
        QCOMPARE(u.w.lesen(kListe), vorher);
        // The list in memory keeps the edited lines until it is loaded again.
        QCOMPARE(u.buch.bilderliste.zeilen(), (QStringList{"x:", "a:", "c:"}));
    }

    void theCurrentLineAndItsPreview_data() {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QPoint>("marke");
        QTest::addColumn<QString>("kommentar");
        QTest::addColumn<bool>("bild");
        // Before: the marker stands at line 9 (right page, right column) with its picture.
        QTest::newRow("caret at offset 0") << 0 << 0 << QPoint(90, 10) << "" << false;
        QTest::newRow("inside line 1") << 1 << 2 << QPoint(36, 10) << "y" << true;
        QTest::newRow("at the start of line 2") << 2 << 0 << QPoint(36, 10) << "y" << true;
        QTest::newRow("a title") << 2 << 1 << QPoint(16, 27) << ":I:Kapitel" << false;
        QTest::newRow("a text without colon") << 3 << 1 << QPoint(36, 27) << "Kapitel 3" << true;
    }
    void theCurrentLineAndItsPreview() {
        QFETCH(int, zeile);
        QFETCH(int, spalte);
        QFETCH(QPoint, marke);
        QFETCH(QString, kommentar);
        QFETCH(bool, bild);
        QStringList liste{"A:x", "B:y", ":I:Kapitel", "Kapitel 3", "", "", "", "", "", "B:neun"};
        Umgebung u(liste, {"A.bmp", "B.bmp"});
        const testing::Listenteile e = u.oeffnen();
        caret(e, 9, 2);
        QTest::mouseClick(e.MemoListe->viewport(), Qt::LeftButton, {},
                          e.MemoListe->cursorRect(e.MemoListe->textCursor()).center());
        QCOMPARE(e.Shape3->pos(), QPoint(90, 10));
        QVERIFY(e.ImageBisherigeBilder->isVisible());
        caret(e, zeile, spalte);
        QTest::mouseClick(e.MemoListe->viewport(), Qt::LeftButton, {},
                          e.MemoListe->cursorRect(e.MemoListe->textCursor()).center());
        QCOMPARE(e.e.ermittelterIndex(), zeile + (spalte > 0 ? 1 : 0));
        QCOMPARE(e.Shape3->pos(), marke);
        QCOMPARE(e.LabelKommentar->text(), kommentar);
        QCOMPARE(e.ImageBisherigeBilder->isVisible(), bild);
    }

    void movingAFileToRest_data() {
        QTest::addColumn<bool>("schonDa");
        QTest::newRow("Rest is made") << false;
        QTest::newRow("a file of that name is kept") << true;
    }
    void movingAFileToRest() {
        QFETCH(bool, schonDa);
        Umgebung u({}, {"c.bmp", "a.bmp"});
        if (schonDa) u.w.schreiben("Pagora/Rest/c.bmp", "alt");
        const testing::Listenteile e = u.oeffnen();
        // Nothing chosen: nothing moves.
        QTest::mouseClick(e.BitBtnDateiWeg, Qt::LeftButton);
        QVERIFY(u.w.gibt("Pagora/Album/c.bmp"));
        waehlen(e.ListboxNeueBilder, "c");
        QTest::mouseClick(e.BitBtnDateiWeg, Qt::LeftButton);
        QVERIFY(!u.w.gibt("Pagora/Album/c.bmp"));
        QCOMPARE(e.neueBilder(), QStringList{"a"});
        QCOMPARE(e.LabelNeueBilder->text(), QString("Neue Bilder (1)"));
        QVERIFY(!e.e.neuesBildGewaehlt());
        if (schonDa) {
            QCOMPARE(u.w.lesen("Pagora/Rest/c.bmp"), QByteArray("alt"));
            QVERIFY(u.w.gibt("Pagora/Rest/c (2).bmp"));
            QCOMPARE(u.meldungen.boxen.size(), 1);
            QVERIFY(u.meldungen.boxen.first().second.contains("c (2).bmp"));
        } else {
            QVERIFY(u.w.lesen("Pagora/Rest/c.bmp").startsWith("BM"));
            QVERIFY(u.meldungen.boxen.isEmpty());
        }
    }

    void albumProduction_data() {
        QTest::addColumn<int>("abstand");
        QTest::addColumn<QStringList>("gemalt");
        // 17 lines: pictures, an empty cell at 3 and a heading at 9; the progress is
        // (i + 1) × 100 div 17 after each slot that holds something.
        QStringList jedes;
        for (int i : {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})
            jedes << QStringLiteral("Herstellung der Album-Seiten: %1 %").arg((i + 1) * 100 / 17);
        QTest::newRow("a repaint for every slot") << 0 << jedes;
        QTest::newRow("at most once per frame") << 1000000 << QStringList{jedes.first()};
    }
    void albumProduction() {
        QFETCH(int, abstand);
        QFETCH(QStringList, gemalt);
        QStringList liste;
        for (int i = 0; i < 17; ++i)
            liste << QStringLiteral("b%1:Bild %1").arg(i);
        liste[3] = "";
        liste[9] = ":I:Kapitel eins";
        QStringList bilder;
        for (int i = 0; i < 17; ++i)
            bilder << QStringLiteral("b%1.bmp").arg(i);
        Umgebung u(liste, bilder);
        QSignalSpy inhalt(u.fenster.get(), &TBearbeitung::albumInhaltHergestellt);
        u.fenster->albumherstellung()->setBildabstand(abstand);
        u.zustand.Bearbeitungsteil = 1;
        u.fenster->Auswahl(Aufgabe::Albumfrage);
        QTest::mouseClick(testing::kindNamens<QPushButton>(*u.fenster, "BitBtnJetzt"), Qt::LeftButton);
        QCOMPARE(u.buch.gemalt, gemalt);
        QCOMPARE(u.fenster->albumherstellung()->neuZeichnungen(), gemalt.size());
        QCOMPARE(u.buch.labels, (QList<int>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
        QVERIFY(u.w.lesen("Pagora/Pages/Pagora002.bmp").startsWith("BM"));
        QVERIFY(u.w.lesen("Pagora/Pages/Pagora004.bmp").startsWith("BM"));
        // The finish: window in the bottom-left corner and hidden, the album contents
        // page, the contents lists handed on, the strip gone.
        QCOMPARE(u.buch.auftraege.mid(0, 6),
                 (QStringList{"Bilderliste", "InhaltVerbergen", "BildansichtVerbergen", "SeitenZeigen 1002",
                              "SeitenzahlenLeeren", "HintergrundZeigen"}));
        QCOMPARE(u.buch.auftraege.last(), QString("SeitenZeigen 1000"));
        QVERIFY(!u.fenster->isVisible());
        QCOMPARE(u.fenster->pos(), QPoint(0, 768 - u.fenster->height()));
        QCOMPARE(u.zustand.Bearbeitungsteil, 0);
        QVERIFY(!u.buch.fortschrittsfeld->isVisible());
        QCOMPARE(inhalt.count(), 1);
        const QStringList links = inhalt.first().at(0).toStringList();
        QCOMPARE(links, inhalt.first().at(1).toStringList());
        QCOMPARE(links.size(), 1);
        QVERIFY(links.first().startsWith("Kapitel eins "));
        QVERIFY(links.first().endsWith(" 2"));
        // Shown again later, the window stays where production left it.
        u.fenster->Auswahl(Aufgabe::Start);
        QCOMPARE(u.fenster->pos(), QPoint(0, 768 - u.fenster->height()));
    }

    void aPictureThatCannotBeLoadedStopsProduction() {
        QStringList liste;
        for (int i = 0; i < 18; ++i)
            liste << QStringLiteral("b%1:").arg(i);
        QStringList bilder;
        for (int i = 0; i < 18; ++i)
            if (i != 16) bilder << QStringLiteral("b%1.bmp").arg(i);
        Umgebung u(liste, bilder);
        QSignalSpy inhalt(u.fenster.get(), &TBearbeitung::albumInhaltHergestellt);
        testing::starten(*u.fenster, "ImageBilderInsAlbum");
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QCOMPARE(u.meldungen.boxen.first().first, Art::Fehler);
        QVERIFY(u.meldungen.boxen.first().second.contains("\"b16\""));
        QVERIFY(u.meldungen.boxen.first().second.contains("Zeile 17"));
        // Production ends there, and the album stays as it was: no spread, no leftover.
        QVERIFY(!u.w.gibt("Pagora/Pages/Pagora002.bmp"));
        QVERIFY(!u.w.gibt("Pagora/Pages/Pagora004.bmp"));
        QCOMPARE(QDir(u.w.nativ("Pagora/Pages")).entryList(QDir::Files | QDir::Hidden).filter("pagora-neu"),
                 QStringList());
        QCOMPARE(inhalt.count(), 0);
        QVERIFY(!u.buch.fortschrittsfeld->isVisible());
        QCOMPARE(u.buch.auftraege.last(), QString("SeitenZeigen 1002"));
        // On a read-only data root neither task starts.
        Umgebung lesend(liste, bilder);
        lesend.zustand.NurLesen = true;
        testing::starten(*lesend.fenster, "ImageBilderInsAlbum");
        testing::starten(*lesend.fenster, "ImageNeueBilder");
        QCOMPARE(lesend.meldungen.boxen.size(), 2);
        QVERIFY(lesend.meldungen.boxen.first().second.startsWith("Die Bearbeitungsfunktionen sind erst"));
        QTest::qWait(1200); // longer than the tick that would open the editor
        QVERIFY(!lesend.fenster->vorhandenerListeneditor());
        QVERIFY(!lesend.w.gibt("Pagora/Pages/Pagora002.bmp"));
        // Without the empty spread nothing happens at all.
        Umgebung ohne(liste, bilder);
        QFile::remove(ohne.w.nativ("Help/Album0.bmp"));
        testing::starten(*ohne.fenster, "ImageBilderInsAlbum");
        QVERIFY(ohne.buch.auftraege.isEmpty());
        QVERIFY(ohne.meldungen.boxen.isEmpty());
    }
};

QTEST_MAIN(TestBilderlisteneditor)
#include "test_bilderlisteneditor.moc"
