// The picture view on a fixture project and an 800 x 600 screen: album clicks and
// hints, marks under the mouse, storing and deleting marks, the picture text strip,
// the edge arrows, the enlarged copy and the slide show.
#include "album/views/albumblatt.h"
#include "album/views/bildansicht.h"
#include "album/views/bildansichtpanels.h"
#include "app/views/hinweiszeile.h"
#include "app/views/timageform.h"
#include "bildteile.h"
#include "book/views/bildflaeche.h"
#include "book/views/buchpanel.h"
#include "fixture.h"
#include "maus.h"
#include "platform/fonts.h"
#include "stillemeldungen.h"
#include "zugang.h"

#include <QApplication>
#include <QSpinBox>
#include <QtTest>

using namespace app;
using testing::sichtbar;

namespace {

class Antworten : public Meldungen {
public:
    void zeigen(Art, const QString &text) override { boxen << text; }
    bool okAbbrechen(const QString &text) override {
        fragen << text;
        return antwort;
    }
    QStringList boxen, fragen;
    bool antwort = true;
};

struct Bildansichtsaufbau {
    Bildansichtsaufbau() {
        w.schreiben("names.exe", "x");
        w.bitmap("Help/Album0.bmp", 524, 384, Qt::white);
        w.bitmap("Help/Title.bmp", 800, 600, Qt::black);
        w.text("Pagora.ini", {"ShowCBT=0"});
        w.text("Pagora/Pages/Pagora.1", {"Anfang   2"});
        w.text("Pagora/Pages/Pagora.3",
               {":I:Kapitel 2~ und mehr", "Hafen:Der alte Hafen~ im Winter|Der alte Hafen im Winter 1911", "",
                "Turm:Der Turm", "Ende:Das Ende"});
        for (const char *name : {"Hafen", "Turm", "Ende"})
            w.bitmap(QStringLiteral("Pagora/Album/%1.bmp").arg(QLatin1String(name)), 400, 300, Qt::darkCyan);
        w.bitmap("Pagora/Huge/Hafen.bmp", 1600, 1200, Qt::darkBlue);
        w.bitmap("Pagora/Pages/Pagora002.bmp", 524, 384, Qt::white);
        w.text("Pagora/Album/Hafen.Txt", {"0100,0100,Der Kran", "0200,0150,Das Lagerhaus", "0300,0250,Die Mole"});
        QStringList fuenf;
        for (int i = 1; i <= 5; ++i)
            fuenf << QStringLiteral("Zeile %1").arg(i);
        w.text("Pagora/Album/Hafen.dok", fuenf);
        zustand = std::make_unique<Zustand>(w.dateien());
        zustand->programmDatei = w.gespeichert() + "Pagora.exe";
        form = std::make_unique<TImageForm>(*zustand, screen, meldungen);
        form->eroeffnungAnhalten();
        form->setFenster(nullptr, nullptr);
        // The opening to its end: the title typed, the lid gone from the mouse's way.
        for (int i = 0; i < 100; ++i)
            form->TimerAnfangTimer();
        form->show();
    }
    void oeffnen(int zeile) {
        zustand->BildIndex = zeile;
        form->bildansicht()->BildLaden(QString());
    }
    testing::Bildteile teile() const { return testing::Bildteile(*form); }
    // Screen point of picture point (x, y).
    QPoint bei(int x, int y) const { return teile().ImageMain->pos() + QPoint(x, y); }
    // The mouse moved to, or clicked at, screen point (x, y), as the window system does.
    // A real mouse arrives from somewhere: it passes the pixel below first, so a move to
    // where the pointer already stands still reaches the window.
    void bewegen(int x, int y) const {
        testing::mausBewegen(teile().Flaeche, QPoint(x, y + 1));
        testing::mausBewegen(teile().Flaeche, QPoint(x, y));
    }
    void druecken(Qt::MouseButton taste, int x, int y) const {
        testing::mausKlick(teile().Flaeche, QPoint(x, y), taste);
    }
    testing::Datenwurzel w;
    platform::SimulatedScreen screen{{800, 600, 96}};
    Antworten meldungen;
    std::unique_ptr<Zustand> zustand;
    std::unique_ptr<TImageForm> form;
};

} // namespace

class TestBildansicht : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void albumCellsOpenPicturesAndShowHints() {
        Bildansichtsaufbau a;
        a.form->SeitenZeigen(1002);
        QLabel *album = testing::teile(*a.form->PanelBuch()).ImageAlbum;
        testing::mausBewegen(album, {130, 20}); // cell 2: line 1
        QCOMPARE(testing::kindNamens<QLabel>(*a.form->PanelName(), "LabelName")->text(),
                 QString("Der alte Hafen im Winter 1911"));
        QCOMPARE(a.form->albumblatt()->AlbumLabels[1]->text(), QString("Der alte Hafen"));
        QCOMPARE(a.form->albumblatt()->AlbumLabels[0]->text(), QString("Kapitel 2"));
        QCOMPARE(a.form->albumblatt()->AlbumLabels[0]->height(), 70);
        testing::mausBewegen(album, {110, 50});
        QCOMPARE(testing::kindNamens<QLabel>(*a.form->PanelName(), "LabelName")->text(), QString());
        testing::mausKlick(album, {130, 20});
        QCOMPARE(a.zustand->BildIndex, 1);
        QCOMPARE(a.form->bildansicht()->aktuellesBild(), QString("HAFEN"));
        QVERIFY(!sichtbar(a.form->PanelBuch()));
        QCOMPARE(a.teile().ImageMain->pos(), QPoint(200, 150));
        QVERIFY(sichtbar(a.teile().SpeedButtonEnlarge));
    }

    // Real mouse events: the captions lie over the sheet, yet the sheet answers for
    // its cells; the enlarge button explains itself, and the copy creeps right.
    void theMouseReachesCellsUnderCaptionsAndTheEnlargedCopy() {
        Bildansichtsaufbau a;
        for (int i = 0; i < 40 && sichtbar(testing::kindNamens<QWidget>(*a.form, "PanelDeckel")); ++i)
            a.form->TimerAnfangTimer(); // the book is open
        a.form->SeitenZeigen(1002);
        QLabel *titel = a.form->albumblatt()->AlbumLabels[0], *unterschrift = a.form->albumblatt()->AlbumLabels[1];
        testing::mausBewegen(unterschrift, {30, 8});
        QCOMPARE(testing::kindNamens<QLabel>(*a.form->PanelName(), "LabelName")->text(),
                 QString("Der alte Hafen im Winter 1911"));
        testing::mausBewegen(titel, {20, 30}); // the picture's hint does not stay over the title
        QVERIFY(testing::kindNamens<QLabel>(*a.form->PanelName(), "LabelName")->text() !=
                QString("Der alte Hafen im Winter 1911"));
        testing::mausBewegen(unterschrift, {30, 8});
        testing::mausKlick(unterschrift, {30, 8});
        QCOMPARE(a.form->bildansicht()->aktuellesBild(), QString("HAFEN"));

        testing::mausBewegen(a.teile().SpeedButtonEnlarge, {10, 10});
        QCOMPARE(testing::kindNamens<QLabel>(*a.form->PanelName(), "LabelName")->text(),
                 QString::fromUtf8(
                     "Vergrößerte Kopie laden. Klicken Sie danach auf ein Detail, das Sie größer sehen möchten."));
        testing::mausKlick(a.teile().SpeedButtonEnlarge, {10, 10});
        testing::mausKlick(a.teile().ImageMain, {0, 0});
        QVERIFY(sichtbar(a.teile().Imagebig));
        QCOMPARE(a.teile().Imagebig->pos(), QPoint(0, 0));
        testing::mausBewegen(a.teile().Imagebig, {5, 300});
        QCOMPARE(a.teile().Imagebig->pos(), QPoint(1, 0));
        testing::mausBewegen(a.teile().Imagebig, {200, 300});
        QCOMPARE(a.teile().Imagebig->pos(), QPoint(1, 0));
    }

    void titleLinesShowTheTitleScreenThenHideThePicture() {
        Bildansichtsaufbau a;
        a.w.text("Pagora/Pages/Pagora.3", {"Hafen:Der Hafen", ":I:Kapitel 2~ und mehr", ":I:Kapitel 3"});
        a.form->ListeLaden();
        a.oeffnen(0);
        a.oeffnen(1);
        QVERIFY(sichtbar(a.teile().LabelHuge));
        QCOMPARE(a.teile().LabelHuge->text(), QString("Kapitel 2"));
        QCOMPARE(a.teile().ImageMain->size(), QSize(800, 600));
        a.oeffnen(2); // a second title line: both names empty, the picture goes
        QVERIFY(!sichtbar(a.teile().ImageMain));
    }

    void marksExplainThemselvesUnderTheMouse() {
        Bildansichtsaufbau a;
        a.oeffnen(1);
        QCOMPARE(a.form->bildansicht()->marken().marken.size(), 3);
        const QPoint kran = a.bei(105, 95);
        a.bewegen(kran.x(), kran.y());
        QCOMPARE(testing::kindNamens<QLabel>(*a.form->PanelName(), "LabelName")->text(), QString("Der Kran"));
        QCOMPARE(a.form->bildansicht()->markeUnterMaus(), 1);
        const QPoint leer = a.bei(5, 250);
        a.bewegen(leer.x(), leer.y());
        QCOMPARE(a.form->bildansicht()->markeUnterMaus(), 0);
        QVERIFY(!sichtbar(a.form->PanelName()));
    }

    void aClickStartsAMarkAndOkStoresIt() {
        Bildansichtsaufbau a;
        a.oeffnen(3); // Turm, without marks yet
        const QPoint p = a.bei(50, 60);
        a.druecken(Qt::LeftButton, p.x(), p.y());
        QVERIFY(sichtbar(a.form->bildansicht()->PanelEingabe()));
        QCOMPARE(a.form->bildansicht()->klickpunkt().x(), 50);
        testing::kindNamens<QLineEdit>(*a.form->bildansicht()->PanelEingabe(), "Edit1")->setText("Die Turmspitze");
        QTest::mouseClick(testing::kindNamens<QPushButton>(*a.form->bildansicht()->PanelEingabe(), "BitBtn1"),
                          Qt::LeftButton);
        QVERIFY(!sichtbar(a.form->bildansicht()->PanelEingabe()));
        QByteArray datei; // names are looked up ignoring case, as the program does
        QVERIFY(a.w.dateien().read(a.w.gespeichert() + "Pagora\\Album\\Turm.Txt", &datei));
        QCOMPARE(datei, QByteArray("0050,0060,Die Turmspitze\r\n"));
        a.bewegen(p.x() + 1, p.y());
        QCOMPARE(testing::kindNamens<QLabel>(*a.form->PanelName(), "LabelName")->text(), QString("Die Turmspitze"));
    }

    // Keys as a user presses them: after a mark is stored or the text strip closes the
    // arrows turn the pictures again; Escape goes back to the book; quick clicks on an
    // edge arrow each take one step.
    void keysAndQuickClicksInThePictureView() {
        Bildansichtsaufbau a;
        a.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.form.get()));
        a.oeffnen(1);
        album::Bildansicht *b = a.form->bildansicht();
        auto taste = [&a](Qt::Key k) {
            QWidget *ziel = QApplication::focusWidget();
            QTest::keyClick(ziel ? ziel : static_cast<QWidget *>(a.form.get()), k);
        };
        const QPoint p = a.bei(50, 60);
        a.druecken(Qt::LeftButton, p.x(), p.y());
        QCOMPARE(QApplication::focusWidget(), testing::kindNamens<QLineEdit>(*b->PanelEingabe(), "Edit1"));
        QTest::keyClicks(testing::kindNamens<QLineEdit>(*b->PanelEingabe(), "Edit1"), "Boot");
        taste(Qt::Key_Return);
        QVERIFY(!sichtbar(b->PanelEingabe()));
        taste(Qt::Key_Right);
        QCOMPARE(a.zustand->AktuellerBildIndex, 3); // the empty line is skipped
        a.druecken(Qt::LeftButton, 400, 1);         // the top edge opens the text for editing
        QTest::mouseClick(testing::kindNamens<QPushButton>(*b->PanelBildtext(), "BitBtnAbbruch"), Qt::LeftButton);
        taste(Qt::Key_Left);
        QCOMPARE(a.zustand->AktuellerBildIndex, 1);
        a.bewegen(795, 300);
        QVERIFY(sichtbar(a.teile().ImageNext));
        QTest::mousePress(a.teile().ImageNext, Qt::LeftButton);
        QTest::mouseRelease(a.teile().ImageNext, Qt::LeftButton);
        QTest::mouseDClick(a.teile().ImageNext, Qt::LeftButton);
        QTest::mouseRelease(a.teile().ImageNext, Qt::LeftButton); // the double click's button let go
        QCOMPARE(a.zustand->AktuellerBildIndex, 4);               // 1 → 3 → 4: two clicks, two steps
        a.bewegen(400, 1);
        QVERIFY(sichtbar(b->PanelBildtext()));
        a.bewegen(5, 300);
        QVERIFY(sichtbar(a.teile().ImageLast));
        taste(Qt::Key_Escape);
        QVERIFY(sichtbar(a.form->PanelBuch()));
        // Nothing of the picture view stays over the book, which lies on the background
        // (black: the project has none) under its screen title again.
        QVERIFY(!sichtbar(b->PanelBildtext()) && !sichtbar(a.teile().ImageLast) && !sichtbar(a.teile().ImageNext));
        QVERIFY(!sichtbar(a.teile().ImageMain) && !sichtbar(a.teile().SpeedButtonEnlarge));
        QVERIFY(sichtbar(testing::kindNamens<QLabel>(*a.form, "LabelProjekttitel1")));
    }

    // Every control of the picture view says what it is; while the mark's comment field
    // has the focus the keys are the field's, afterwards Page Down steps on.
    void namedControlsAndTheCommentFieldKeepsItsKeys() {
        Bildansichtsaufbau a;
        a.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.form.get()));
        a.oeffnen(1);
        album::Bildansicht *b = a.form->bildansicht();
        a.bewegen(795, 300);
        QVERIFY(sichtbar(a.teile().ImageNext) && sichtbar(a.teile().SpeedButtonEnlarge));
        a.druecken(Qt::LeftButton, 400, 1); // the top edge opens the text for editing
        b->PanelBildlauf()->show();
        QVERIFY(sichtbar(b->PanelBildtext()) && sichtbar(b->PanelBildlauf()));
        QCOMPARE(testing::ohneNamen(a.form.get()), QStringList());
        b->PanelBildlauf()->hide();
        QTest::mouseClick(testing::kindNamens<QPushButton>(*b->PanelBildtext(), "BitBtnAbbruch"), Qt::LeftButton);
        const QPoint p = a.bei(50, 60);
        a.druecken(Qt::LeftButton, p.x(), p.y());
        QCOMPARE(QApplication::focusWidget(), testing::kindNamens<QLineEdit>(*b->PanelEingabe(), "Edit1"));
        QCOMPARE(testing::ohneNamen(a.form.get()), QStringList());
        for (const Qt::Key k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_End, Qt::Key_F1})
            QTest::keyClick(a.form->windowHandle(), k);
        QCOMPARE(a.zustand->AktuellerBildIndex, 1);
        QVERIFY(sichtbar(b->PanelEingabe()) && !sichtbar(a.form->PanelBuch()));
        QTest::mouseClick(testing::kindNamens<QPushButton>(*b->PanelEingabe(), "SpeedButton1"), Qt::LeftButton);
        QVERIFY(!sichtbar(b->PanelEingabe()));
        QTest::keyClick(a.form->windowHandle(), Qt::Key_PageDown);
        QCOMPARE(a.zustand->AktuellerBildIndex, 3); // the empty line is skipped
    }

    void deletingMarkTwoOfThreeRewritesTheFile() {
        Bildansichtsaufbau a;
        a.oeffnen(1);
        const QPoint lager = a.bei(200, 150);
        a.bewegen(lager.x(), lager.y());
        a.meldungen.antwort = false;
        a.druecken(Qt::RightButton, lager.x(), lager.y());
        QCOMPARE(a.meldungen.fragen, QStringList{QString::fromUtf8("Eintrag \"Das Lagerhaus\" löschen?")});
        QCOMPARE(a.form->bildansicht()->marken().marken[1].text, QString("Das Lagerhaus"));
        a.meldungen.antwort = true;
        a.druecken(Qt::RightButton, lager.x(), lager.y());
        QCOMPARE(a.w.lesen("Pagora/Album/Hafen.Txt"), QByteArray("0100,0100,Der Kran\r\n0300,0250,Die Mole\r\n"));
        QCOMPARE(testing::kindNamens<QLineEdit>(*a.form->bildansicht()->PanelEingabe(), "Edit1")->text(),
                 QString("Das Lagerhaus"));
        QVERIFY(sichtbar(a.form->bildansicht()->PanelEingabe()));
        QCOMPARE(a.form->bildansicht()->marken().marken.size(), 3);
    }

    // Marks are stored and deleted line by line: every other line stays as it was,
    // whatever the table could hold of it.
    void marksChangeOnlyTheirOwnLine() {
        Bildansichtsaufbau a;
        const QByteArray lang = "0500,0500," + QByteArray(120, 'k') + "\r\n";
        a.w.schreiben("Pagora/Album/Hafen.Txt",
                      "0100,0100,Der Kran\r\n" + lang + "0200,0150,Das Lagerhaus\r\n0300,0250,Die Mole\r\n");
        a.oeffnen(1);
        for (const QPoint bild : {QPoint(200, 150), QPoint(300, 250)}) {
            const QPoint p = a.bei(bild.x(), bild.y());
            a.bewegen(p.x(), p.y());
            a.druecken(Qt::RightButton, p.x(), p.y());
        }
        QCOMPARE(a.w.lesen("Pagora/Album/Hafen.Txt"), "0100,0100,Der Kran\r\n" + lang);
        // A file changed behind the view's back is not rewritten; the user is told.
        a.w.schreiben("Pagora/Album/Hafen.Txt", "0001,0001,Anders\r\n");
        const QPoint kran = a.bei(100, 100);
        a.bewegen(kran.x(), kran.y());
        a.druecken(Qt::RightButton, kran.x(), kran.y());
        QCOMPARE(a.meldungen.boxen,
                 QStringList{QString::fromUtf8("Der Kommentar \"Der Kran\" kann nicht gelöscht werden.")});
        QCOMPARE(a.form->bildansicht()->marken().marken[0].text, QString("Der Kran"));
        QCOMPARE(a.w.lesen("Pagora/Album/Hafen.Txt"), QByteArray("0001,0001,Anders\r\n"));
        // The input takes what a line holds, and says so; foreign characters are asked about.
        const QPoint p = a.bei(50, 60);
        a.druecken(Qt::LeftButton, p.x(), p.y());
        QLineEdit *feld = testing::kindNamens<QLineEdit>(*a.form->bildansicht()->PanelEingabe(), "Edit1");
        QTest::keyClicks(feld, QString(90, 'z'));
        QCOMPARE(feld->text().size(), 80);
        QCOMPARE(testing::kindNamens<QLabel>(*a.form->bildansicht()->PanelEingabe(), "LabelSchreibenSie")->text(),
                 QString::fromUtf8("Ein Kommentar fasst höchstens 80 Zeichen."));
        feld->setText(QString::fromUtf8("Möwe \U0001F426"));
        a.meldungen.antwort = false;
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(a.w.lesen("Pagora/Album/Hafen.Txt"), QByteArray("0001,0001,Anders\r\n"));
        QVERIFY(sichtbar(a.form->bildansicht()->PanelEingabe()));
        a.meldungen.antwort = true;
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(a.w.lesen("Pagora/Album/Hafen.Txt"), QByteArray("0001,0001,Anders\r\n0050,0060,M\xf6we \r\n"));
    }

    void aProtectedProjectSavesNoMarks() {
        Bildansichtsaufbau a;
        a.zustand->NurLesen = true;
        a.oeffnen(3);
        const QPoint p = a.bei(50, 60);
        a.druecken(Qt::LeftButton, p.x(), p.y());
        QVERIFY(!sichtbar(a.form->bildansicht()->PanelEingabe()));
        testing::kindNamens<QLineEdit>(*a.form->bildansicht()->PanelEingabe(), "Edit1")->setText("x");
        QTest::mouseClick(testing::kindNamens<QPushButton>(*a.form->bildansicht()->PanelEingabe(), "BitBtn1"),
                          Qt::LeftButton);
        QVERIFY(!a.w.dateien().exists(a.w.gespeichert() + "Pagora\\Album\\Turm.Txt"));
    }

    void thePictureTextStrip() {
        Bildansichtsaufbau a;
        a.oeffnen(1);
        a.bewegen(400, 1);
        QVERIFY(sichtbar(a.form->bildansicht()->PanelBildtext()));
        QCOMPARE(testing::kindNamens<QPlainTextEdit>(*a.form->bildansicht()->PanelBildtext(), "MemoBildtext")->height(),
                 85);
        QCOMPARE(testing::kindNamens<QLabel>(*a.form->bildansicht()->PanelBildtext(), "LabelBildtext")->text(),
                 QString("Der alte Hafen im Winter|Der alte Hafen im Winter 1911"));
        QVERIFY(!testing::kindNamens<QPushButton>(*a.form->bildansicht()->PanelBildtext(), "BitBtnSichern")
                     ->isVisibleTo(a.form->bildansicht()->PanelBildtext()));
        // The text replaced by "Neu", then typed on at its end, as a user edits it.
        const auto tippen = [&] {
            auto *memo = testing::kindNamens<QPlainTextEdit>(*a.form->bildansicht()->PanelBildtext(), "MemoBildtext");
            memo->setPlainText("Neu");
            memo->moveCursor(QTextCursor::End);
            QTest::keyClicks(memo, " geschrieben");
        };
        a.druecken(Qt::LeftButton, 400, 1); // the top edge opens the text for editing
        QCOMPARE(a.form->bildansicht()->PanelBildtext()->height(), 109);
        QVERIFY(a.form->bildansicht()->PanelBildtext()->bearbeitet());
        tippen();
        const QByteArray vorher = a.w.lesen("Pagora/Album/Hafen.dok");
        QTest::mouseClick(testing::kindNamens<QPushButton>(*a.form->bildansicht()->PanelBildtext(), "BitBtnAbbruch"),
                          Qt::LeftButton); // cancel discards the edit
        QCOMPARE(
            testing::kindNamens<QPlainTextEdit>(*a.form->bildansicht()->PanelBildtext(), "MemoBildtext")->toPlainText(),
            QString("Zeile 1\nZeile 2\nZeile 3\nZeile 4\nZeile 5"));
        QVERIFY(a.form->bildansicht()->BildtextSpeichern());
        QCOMPARE(a.w.lesen("Pagora/Album/Hafen.dok"), vorher);
        a.druecken(Qt::LeftButton, 400, 1); // the top edge opens the text for editing
        tippen();
        QTest::mouseClick(testing::kindNamens<QPushButton>(*a.form->bildansicht()->PanelBildtext(), "BitBtnSichern"),
                          Qt::LeftButton);
        QCOMPARE(a.w.lesen("Pagora/Album/Hafen.dok"), QByteArray("Neu geschrieben\r\n"));
        QVERIFY(!sichtbar(a.form->bildansicht()->PanelBildtext()));
        // Characters the file cannot hold are named; declining stores nothing and keeps the strip open.
        a.druecken(Qt::LeftButton, 400, 1); // the top edge opens the text for editing
        testing::kindNamens<QPlainTextEdit>(*a.form->bildansicht()->PanelBildtext(), "MemoBildtext")
            ->setPlainText(QString::fromUtf8("Boot \u26F5 und"));
        testing::kindNamens<QPlainTextEdit>(*a.form->bildansicht()->PanelBildtext(), "MemoBildtext")
            ->moveCursor(QTextCursor::End);
        testing::kindNamens<QPlainTextEdit>(*a.form->bildansicht()->PanelBildtext(), "MemoBildtext")
            ->insertPlainText(QString::fromUtf8(" \U0001F600"));
        a.meldungen.antwort = false;
        QTest::mouseClick(testing::kindNamens<QPushButton>(*a.form->bildansicht()->PanelBildtext(), "BitBtnSichern"),
                          Qt::LeftButton);
        QCOMPARE(a.meldungen.fragen.size(), 1);
        QVERIFY(a.meldungen.fragen[0].contains(QString::fromUtf8("\u26F5\U0001F600")));
        QCOMPARE(a.w.lesen("Pagora/Album/Hafen.dok"), QByteArray("Neu geschrieben\r\n"));
        QVERIFY(sichtbar(a.form->bildansicht()->PanelBildtext()));
        a.meldungen.antwort = true;
        QTest::mouseClick(testing::kindNamens<QPushButton>(*a.form->bildansicht()->PanelBildtext(), "BitBtnSichern"),
                          Qt::LeftButton);
        QCOMPARE(a.w.lesen("Pagora/Album/Hafen.dok"), QByteArray("Boot  und \r\n"));
        QStringList dreissig;
        for (int i = 0; i < 30; ++i)
            dreissig << "x";
        a.w.text("Pagora/Album/Turm.dok", dreissig);
        a.oeffnen(3);
        a.bewegen(400, 1);
        QCOMPARE(testing::kindNamens<QPlainTextEdit>(*a.form->bildansicht()->PanelBildtext(), "MemoBildtext")->height(),
                 340);
    }

    void edgeArrowsOnlyWhereThereIsAPicture() {
        Bildansichtsaufbau a;
        a.oeffnen(0); // the title line: title screen, book stays
        a.form->PanelBuch()->hide();
        a.zustand->AktuellerBildIndex = 0;
        a.bewegen(5, 300);
        QVERIFY(!sichtbar(a.teile().ImageLast));
        a.oeffnen(3);
        a.bewegen(400, 300);
        a.bewegen(5, 300);
        QVERIFY(sichtbar(a.teile().ImageLast));
        a.bewegen(795, 300);
        QVERIFY(sichtbar(a.teile().ImageNext));
        QCOMPARE(testing::kindNamens<QLabel>(*a.form->PanelName(), "LabelName")->text(),
                 QString::fromUtf8("nächstes Bild"));
        a.oeffnen(4);
        a.bewegen(400, 300);
        a.bewegen(795, 300);
        QVERIFY(!sichtbar(a.teile().ImageNext));
    }

    void theEnlargedCopyIsPlacedAroundTheDetail() {
        Bildansichtsaufbau a;
        a.oeffnen(1);
        testing::mausKlick(a.teile().SpeedButtonEnlarge, {10, 10});
        QVERIFY(a.form->bildansicht()->vergroessert());
        const QPoint ecke = a.bei(0, 0);
        a.druecken(Qt::LeftButton, ecke.x(), ecke.y());
        QCOMPARE(a.teile().Imagebig->pos(), QPoint(0, 0));
        // The copy on top takes the next click and goes; the one after places it anew.
        a.druecken(Qt::LeftButton, ecke.x(), ecke.y());
        QVERIFY(!sichtbar(a.teile().Imagebig));
        const QPoint mitte = a.bei(200, 150);
        a.druecken(Qt::LeftButton, mitte.x(), mitte.y());
        QCOMPARE(a.teile().Imagebig->pos(), QPoint(-400, -300));
        a.oeffnen(3);
        QVERIFY(!a.form->bildansicht()->vergroessert());
        QVERIFY(!sichtbar(a.teile().Imagebig));
    }

    void theSlideShowIntervalShowsItsBounds() {
        Bildansichtsaufbau a;
        album::BildlaufPanel *p = a.form->bildansicht()->PanelBildlauf();
        p->show();
        QCOMPARE(testing::kindNamens<QLabel>(*p, "LabelGrenzen")->text(), QString("1 bis 999 Sekunden"));
        QSpinBox *feld = testing::kindNamens<QSpinBox>(*p, "SpinEditBildlauf");
        feld->selectAll();
        QTest::keyClicks(feld, "0");
        QVERIFY2(!testing::kindNamens<QPushButton>(*p, "BitBtnBildlaufOk")->isEnabled(),
                 qPrintable(feld->text())); // 0 is no interval: OK cannot start the show
        QTest::keyClick(feld, Qt::Key_Backspace);
        QTest::keyClicks(feld, "15");
        QVERIFY(testing::kindNamens<QPushButton>(*p, "BitBtnBildlaufOk")->isEnabled());
        QTest::mouseClick(testing::kindNamens<QPushButton>(*p, "BitBtnBildlaufOk"), Qt::LeftButton);
        QCOMPARE(a.teile().Timer2->interval(), 15000);
    }

    void theSlideShowWrapsAndAClickStopsIt() {
        Bildansichtsaufbau a;
        testing::kindNamens<QSpinBox>(*a.form->bildansicht()->PanelBildlauf(), "SpinEditBildlauf")->setValue(999);
        QTest::mouseClick(testing::kindNamens<QPushButton>(*a.form->bildansicht()->PanelBildlauf(), "BitBtnBildlaufOk"),
                          Qt::LeftButton);
        QCOMPARE(a.teile().Timer2->interval(), 999000);
        QVERIFY(a.teile().Timer2->isActive());
        a.zustand->BildIndex = 4; // the last line
        a.form->bildansicht()->Timer2Timer();
        QCOMPARE(a.zustand->BildIndex, 0); // starts again with the first line: a title
        a.form->bildansicht()->Timer2Timer();
        QCOMPARE(a.zustand->BildIndex, 1);
        a.form->bildansicht()->Timer2Timer();
        QCOMPARE(a.zustand->BildIndex, 3); // the empty line is skipped
        a.druecken(Qt::LeftButton, 400, 300);
        QVERIFY(!a.teile().Timer2->isActive());
        QVERIFY(!sichtbar(a.form->bildansicht()->PanelEingabe())); // the click only stopped the show
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    platform::registerBundledFonts();
    TestBildansicht t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_bildansicht.moc"
