// The main window on a fixture data root and a simulated screen: start-up, the
// opening, the tour, the window presentation, the keys and the exit.
#include "album/views/albumblatt.h"
#include "app/views/bildmenue.h"
#include "app/views/buchlenkung.h"
#include "app/views/hinweiszeile.h"
#include "app/views/meldungen.h"
#include "app/views/timageform.h"
#include "authoring/views/bilderlisteneditor.h"
#include "authoring/views/inhaltsbearbeitung.h"
#include "authoring/views/rahmendaten.h"
#include "autorenteile.h"
#include "book/views/buchpanel.h"
#include "buchteile.h"
#include "fixture.h"
#include "platform/fonts.h"
#include "stillemeldungen.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace app;

namespace {

using Aufzeichnung = testing::Meldungsaufzeichnung;

// A data root with the tour pictures and a first project.
void tourRootAnlegen(const testing::Datenwurzel &w, const QStringList &ini = {"Title=Abcd"}) {
    w.schreiben("names.exe", "x");
    for (const char *bild :
         {"CBT0", "Book", "CBTsit", "CBTrun1", "CBTrun2", "CBTjump", "CBTrand", "CBTarm", "CBTeng", "CBTend", "Album0"})
        w.bitmap(QStringLiteral("Help/%1.bmp").arg(QLatin1String(bild)), 20, 20);
    w.text("Pagora.ini", ini);
    w.text("Pagora/Pages/Pagora.1", {"Anfang                     2"});
    w.text("Pagora/Pages/Pagora.4", {"Copyright"});
}

struct Programm {
    explicit Programm(const testing::Datenwurzel &w, platform::ScreenInfo s = {1024, 768, 96})
        : zustand(w.dateien()), screen(s) {
        zustand.programmDatei = w.gespeichert() + "Pagora.exe";
        form = std::make_unique<TImageForm>(zustand, screen, meldungen);
        form->eroeffnungAnhalten();
        form->setFenster(nullptr, &bearbeitung);
    }
    // The authoring window made only when first wanted, as the program makes it.
    void bearbeitungSpaeter() {
        form->setFenster(nullptr, [this] {
            ++bearbeitungGemacht;
            return &bearbeitung;
        });
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            form->TimerAnfangTimer();
    }
    Zustand zustand;
    platform::SimulatedScreen screen;
    Aufzeichnung meldungen;
    authoring::TBearbeitung bearbeitung{zustand, screen, meldungen};
    std::unique_ptr<TImageForm> form;
    int bearbeitungGemacht = 0;
};

} // namespace

class TestTImageForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fontScalingBoxes_data() {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("boxen");
        QTest::addColumn<int>("grad");
        QTest::newRow("96") << 96 << 0 << 7;
        QTest::newRow("100") << 100 << 2 << 7;
        QTest::newRow("120") << 120 << 0 << 6;
        QTest::newRow("144") << 144 << 0 << 5;
        QTest::newRow("168") << 168 << 2 << 3;
        QTest::newRow("192") << 192 << 2 << 3;
    }
    void fontScalingBoxes() {
        QFETCH(int, ppi);
        QFETCH(int, boxen);
        QFETCH(int, grad);
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w, {1024, 768, ppi});
        QCOMPARE(p.meldungen.boxen.size(), boxen);
        QCOMPARE(p.zustand.Schriftgrad, grad);
        if (boxen) {
            QCOMPARE(p.meldungen.boxen[0].first, Meldungen::Art::Fehler);
            QVERIFY(p.meldungen.boxen[0].second.startsWith(QString::fromUtf8("Schriftskalierungen über 150 %")));
            QCOMPARE(p.meldungen.boxen[1].first, Meldungen::Art::Information);
            QVERIFY(p.meldungen.boxen[1].second.endsWith(
                QString::fromUtf8("mit den veränderten Einstellungen gestartet.")));
        }
        // The screen title is scaled by the base size: 36 points × grad div 7.
        QCOMPARE(testing::kindNamens<QLabel>(*p.form, "LabelProjekttitel1")->font().pixelSize(),
                 (36 * grad / 7 * ppi + 36) / 72);
    }

    void aScreenSmallerThanTheBookIsToldOnce() {
        for (const platform::ScreenInfo s : {platform::ScreenInfo{640, 480, 96}, platform::ScreenInfo{800, 600, 96}}) {
            testing::Datenwurzel w;
            tourRootAnlegen(w);
            Programm p(w, s);
            p.ticks(80);
            QCOMPARE(p.meldungen.boxen.size(), s.width < 800 ? 1 : 0);
            if (s.width < 800) QVERIFY(p.meldungen.boxen[0].second.contains(QString::fromUtf8("800 × 600")));
        }
    }

    void startUpReadsAutorIniAndTheProjectSettings() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        w.text("Autor.ini", {"Quarn"});
        w.text("Quarn.ini", {"Path=Quarn\\", "Title=Quarn", "Title.Left=-20", "Title.Top=", "Title2=Unter"});
        Programm p(w);
        QCOMPARE(p.zustand.ProgrammName, QString("Quarn"));
        QCOMPARE(p.zustand.ProjektVerzeichnis, w.gespeichert() + "Quarn\\");
        QCOMPARE(p.zustand.HilfeVerzeichnis, w.gespeichert() + "Help\\");
        QCOMPARE(testing::kindNamens<QLabel>(*p.form, "LabelProjekttitel1")->pos(), QPoint(20, 0));
        QCOMPARE(testing::teile(p.form->PanelBuch()).LabelProjektUnterTitel->text(), QString("Unter"));
        QVERIFY(!p.zustand.NurLesen);
        QCOMPARE(p.form->eroeffnungsTakt(), 16);
    }

    void theOpeningTypesTheTitleThenOpensTheBookOntoTheTour() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w);
        TImageForm &f = *p.form;
        const int W = 1024;
        p.ticks(41);
        QCOMPARE(testing::kindNamens<QLabel>(f, "LabelProjekttitel1")->text(), QString("Abcd"));
        QCOMPARE(testing::kindNamens<QLabel>(f, "LabelProjekttitel2")->text(), QString("Abcd"));
        QVERIFY(!testing::kindNamens<QWidget>(f, "PanelDeckel")->isVisibleTo(&f));
        p.ticks(1);
        QCOMPARE(p.zustand.AktuelleSeite, -1);
        QCOMPARE(f.PanelBuch()->geometry().left(), (W - 663) / 2 + 305);
        QCOMPARE(f.PanelBuch()->width(), 360);
        QCOMPARE(testing::teile(f.PanelBuch()).ImageBuch->x(), -303);
        QVERIFY(testing::kindNamens<QWidget>(f, "PanelDeckel")->isVisibleTo(&f));
        QCOMPARE(testing::kindNamens<QWidget>(f, "PanelDeckel")->geometry(), f.PanelBuch()->geometry());
        p.ticks(17);
        QCOMPARE(testing::kindNamens<QWidget>(f, "PanelDeckel")->width(), 20);
        p.ticks(1);
        QVERIFY(!testing::kindNamens<QWidget>(f, "PanelDeckel")->isVisibleTo(&f));
        QCOMPARE(f.PanelBuch()->geometry(), QRect(p.zustand.BuchLinks, (768 - 441) / 2, 660, 441));
        QCOMPARE(p.zustand.BuchLinks, (W - 660) / 2 + 2);
        QCOMPARE(testing::teile(f.PanelBuch()).PanelNoCBT->x(), 112);
        QCOMPARE(p.zustand.AktuelleSeite, -6);
        QVERIFY(f.buchlenkung()->taktLaeuft());
        QVERIFY(testing::teile(f.PanelBuch()).ImageCBT->isVisibleTo(f.PanelBuch()));
        QCOMPARE(testing::teile(f.PanelBuch()).ImageCBT->pos(), QPoint(288, 212));
    }

    void withTheTourSwitchedOffTheCoverStays() {
        testing::Datenwurzel w;
        tourRootAnlegen(w, {"Title=Abcd", "ShowCBT=0"});
        Programm p(w);
        p.ticks(60);
        QCOMPARE(p.zustand.AktuelleSeite, -1);
        QVERIFY(!p.form->buchlenkung()->taktLaeuft());
    }

    void theTourFigureRunsOnceThenTheNextScreenFollows() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w);
        p.ticks(60);
        TImageForm &f = *p.form;
        for (int i = 0; i < 9; ++i)
            f.buchlenkung()->Timer1Timer();
        QCOMPARE(testing::teile(f.PanelBuch()).ImageCBT->pos(), QPoint(30, 251));
        QCOMPARE(p.zustand.AktuelleSeite, -6);
        f.buchlenkung()->Timer1Timer();
        QCOMPARE(p.zustand.AktuelleSeite, -5);
        QCOMPARE(testing::teile(f.PanelBuch()).ImageCBT->pos(), QPoint(1, 54));
    }

    void theTickBoxClickedTwiceReturnsToTheTourWithoutTheFigure() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w);
        p.ticks(60);
        TImageForm &f = *p.form;
        for (int i = 0; i < 12; ++i)
            f.buchlenkung()->Timer1Timer();
        QTest::mouseClick(testing::teile(*f.PanelBuch()).LabelNoCBT, Qt::LeftButton);
        QCOMPARE(p.zustand.AktuelleSeite, 0);
        QCOMPARE(p.zustand.einstellungen.wert("ShowCBT"), QString("0"));
        QVERIFY(!f.buchlenkung()->taktLaeuft());
        QTest::mouseClick(testing::teile(*f.PanelBuch()).LabelNoCBT, Qt::LeftButton);
        QCOMPARE(p.zustand.AktuelleSeite, -6);
        QCOMPARE(p.zustand.einstellungen.wert("ShowCBT"), QString());
        const QPoint sitzend = testing::teile(f.PanelBuch()).ImageCBT->pos();
        for (int i = 0; i < 6; ++i)
            f.buchlenkung()->Timer1Timer(); // ticks 13..18: no figure, then stop
        QCOMPARE(testing::teile(f.PanelBuch()).ImageCBT->pos(), sitzend);
        QVERIFY(!f.buchlenkung()->taktLaeuft());
    }

    void theTickBoxIsShownOnlyWithCbtEnd() {
        for (const bool mitEnde : {true, false}) {
            testing::Datenwurzel w;
            tourRootAnlegen(w);
            if (!mitEnde) QFile::remove(w.nativ("Help/CBTend.bmp"));
            Programm p(w);
            p.ticks(60);
            QCOMPARE(testing::teile(p.form->PanelBuch()).LabelNoCBT->isVisibleTo(p.form->PanelBuch()), mitEnde);
        }
    }

    void arrowKeysTurnThroughTheTour() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w);
        p.ticks(60);
        p.form->show();
        QTest::keyClick(p.form.get(), Qt::Key_Right);
        QCOMPARE(p.zustand.AktuelleSeite, -5);
        QTest::keyClick(p.form.get(), Qt::Key_Down);
        QCOMPARE(p.zustand.AktuelleSeite, -3); // -4 is passed through
        QTest::keyClick(p.form.get(), Qt::Key_Left);
        QCOMPARE(p.zustand.AktuelleSeite, -2);
        QTest::keyClick(p.form.get(), Qt::Key_Right);
        QCOMPARE(p.zustand.AktuelleSeite, -1);
        QTest::keyClick(p.form.get(), Qt::Key_Right);
        QCOMPARE(p.zustand.AktuelleSeite, 0);
        QTest::keyClick(p.form.get(), Qt::Key_Up);
        QCOMPARE(p.zustand.AktuelleSeite, -1);
    }

    void withTheBookHiddenTheArrowKeysStepThroughThePictures() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        w.text("Pagora/Pages/Pagora.3", {"A:Eins", "", "B:Zwei"});
        Programm p(w);
        p.ticks(60);
        p.form->PanelBuch()->hide();
        p.zustand.BildIndex = 0;
        QTest::keyClick(p.form.get(), Qt::Key_Right);
        QCOMPARE(p.zustand.BildIndex, 2);
        QCOMPARE(p.zustand.AktuelleSeite, -6);
    }

    void exitSavesTheSettingsAndAutorIni() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        w.schreiben("Pagora/Album/leer.txt", "");
        w.schreiben("Pagora/Album/voll.txt", "0001,0001,x\r\n");
        Programm p(w);
        p.ticks(60);
        QTest::mouseClick(testing::teile(*p.form->PanelBuch()).LabelNoCBT, Qt::LeftButton);
        QSignalSpy ende(p.form.get(), &TImageForm::programmEnde);
        QTest::keyClick(p.form.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(ende.count(), 1);
        QCOMPARE(w.lesen("Autor.ini"), QByteArray("Pagora\r\n"));
        QCOMPARE(w.lesen("Pagora.ini"), QByteArray("Title=Abcd\r\nTitle.Left=64\r\nTitle.Top=8\r\n"
                                                   "Title.FontSize=36\r\nShadow.Left=66\r\nShadow.Top=10\r\n"
                                                   "Title1.Top=98\r\nTitle2=\r\nTitle2.Top=224\r\n"
                                                   "Title1.FontSize=24\r\nTitle2.FontSize=11\r\nSheet1=Texte\r\n"
                                                   "Sheet2=Bilder\r\nSheet3=Hilfe\r\nSheet4=\r\nSheet5=\r\n"
                                                   "Mark1=0\r\nMark2=1000\r\nMark3=2000\r\nMark4=\r\nMark5=\r\n"
                                                   "Mark6=\r\nMark7=\r\nMark8=\r\nMark9=\r\nShowCBT=0\r\n"
                                                   "Wallpaper=\r\n"));
        QVERIFY(!w.gibt("Pagora/Album/leer.txt"));
        QVERIFY(w.gibt("Pagora/Album/voll.txt"));
    }

    void aProtectedDataRootSavesNothingAtExit() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        w.schreiben("Pagora/Album/leer.txt", "");
        const QByteArray ini = w.lesen("Pagora.ini");
        w.schreibschutz();
        Programm p(w);
        QVERIFY(p.zustand.NurLesen);
        QTest::mouseClick(testing::teile(*p.form->PanelBuch()).LabelNoCBT, Qt::LeftButton);
        QSignalSpy ende(p.form.get(), &TImageForm::programmEnde);
        QTest::keyClick(p.form.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(ende.count(), 1);
        QVERIFY(!w.gibt("Autor.ini"));
        QCOMPARE(w.lesen("Pagora.ini"), ini);
        QVERIFY(w.gibt("Pagora/Album/leer.txt"));
        // The authoring cell refuses.
        p.form->ImageMenuMouseDown(10, 10);
        QCOMPARE(p.meldungen.boxen.last().second,
                 QString::fromUtf8("Die Bearbeitungsfunktionen sind erst ausführbar, wenn das Programm auf einer "
                                   "Festplatte installiert wurde."));
        QVERIFY(!p.bearbeitung.isVisible());
    }

    // A second instance on the same data root reads only: what the first saves stays.
    void aSecondInstanceOpensReadOnly() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        auto erste = std::make_unique<Programm>(w);
        QVERIFY(!erste->zustand.NurLesen);
        QVERIFY(erste->meldungen.boxen.isEmpty());
        Programm zweite(w);
        QVERIFY(zweite.zustand.NurLesen);
        QCOMPARE(zweite.meldungen.boxen.size(), 1);
        QVERIFY(zweite.meldungen.boxen[0].second.contains(QString::fromUtf8("nur zum Lesen")));
        QTest::mouseClick(testing::teile(*erste->form->PanelBuch()).LabelNoCBT, Qt::LeftButton);
        QTest::keyClick(erste->form.get(), Qt::Key_Q, Qt::ControlModifier);
        const QByteArray gesichert = w.lesen("Pagora.ini");
        QVERIFY(gesichert.contains("ShowCBT=0"));
        QTest::keyClick(zweite.form.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(w.lesen("Pagora.ini"), gesichert);
        // Once the first has gone, the next instance may write again.
        erste.reset();
        Programm dritte(w);
        QVERIFY(!dritte.zustand.NurLesen);
    }

    // Questions speak German whatever the locale; Escape is the cautious answer.
    void messageBoxesHaveGermanButtons() {
        Meldungsboxen boxen;
        QStringList knoepfe;
        auto antworten = [&knoepfe](const QString &klick) {
            QTimer::singleShot(0, [&knoepfe, klick] {
                QWidget *box = QApplication::activeModalWidget();
                QVERIFY(box);
                knoepfe.clear();
                for (QPushButton *b : box->findChildren<QPushButton *>())
                    knoepfe << b->text();
                if (klick.isEmpty()) QTest::keyClick(box, Qt::Key_Escape);
                for (QPushButton *b : box->findChildren<QPushButton *>())
                    if (b->text() == klick) QTest::mouseClick(b, Qt::LeftButton);
            });
        };
        antworten("Abbrechen");
        QVERIFY(!boxen.okAbbrechen("Frage?"));
        knoepfe.sort();
        QCOMPARE(knoepfe, (QStringList{"Abbrechen", "OK"}));
        antworten("OK");
        QVERIFY(boxen.okAbbrechen("Frage?"));
        antworten(QString());
        QVERIFY(!boxen.jaNein("Frage?"));
        knoepfe.sort();
        QCOMPARE(knoepfe, (QStringList{"Ja", "Nein"}));
        antworten("Ja");
        QVERIFY(boxen.jaNein("Frage?"));
    }

    void theHelpCellOpensTheHelpContentsFirst() {
        testing::Datenwurzel w;
        tourRootAnlegen(w, {"Title=Abcd", "ShowCBT=0"});
        w.text("Pagora/Pages/Pagora.6", {"Willkommen                 2"});
        Programm p(w);
        p.ticks(60);
        p.form->ImageMenuMouseDown(200, 10);
        QCOMPARE(p.zustand.AktuelleSeite, 2000);
    }

    void aMissingHelpFolderIsNamed() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        QDir(w.nativ("Help")).removeRecursively();
        Programm p(w);
        QCOMPARE(p.meldungen.boxen.size(), 1);
        QCOMPARE(p.meldungen.boxen[0].first, Meldungen::Art::Warnung);
        QVERIFY(p.meldungen.boxen[0].second.startsWith(QString::fromUtf8("Der Ordner \"Help\" fehlt in ")));
    }

    void exitWithThePictureListOpenAsksFirst() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w);
        p.form->show();
        testing::kindNamens<QWidget>(*p.form, "PanelMemoListe")->show();
        p.meldungen.antwort = false;
        QSignalSpy ende(p.form.get(), &TImageForm::programmEnde);
        QTest::keyClick(p.form.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(p.meldungen.fragen,
                 QStringList{QString::fromUtf8("Die Bilderliste ist noch geöffnet. Trotzdem beenden?")});
        QCOMPARE(ende.count(), 0);
        QVERIFY(!w.gibt("Autor.ini"));
        p.meldungen.antwort = true;
        QTest::keyClick(p.form.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(ende.count(), 1);
        QVERIFY(w.gibt("Autor.ini"));
    }

    // The author's road through the real window: new pictures into the list over the
    // book, saved, glued into the album, and the new spread shown with its captions.
    void picturesFromTheAlbumFolderIntoTheBook() {
        testing::Datenwurzel w;
        tourRootAnlegen(w, {"Title=Abcd", "Path=Pagora\\"});
        w.bitmap("Help/Album0.bmp", 524, 384, Qt::white);
        w.text("Pagora/Pages/Pagora.3", {"Turm:Der Turm"});
        for (const char *bild : {"Turm", "Hafen", "Kirche"})
            w.bitmap(QStringLiteral("Pagora/Album/%1.bmp").arg(QLatin1String(bild)), 400, 300, Qt::blue);
        Programm p(w);
        p.form->show();
        p.ticks(200);
        p.bearbeitung.neueBilderAufnehmen();
        QVERIFY(testing::kindNamens<QWidget>(*p.form, "Panel12Fortschritt")->isVisible());
        p.bearbeitung.TimerBilderlisteTimer();
        QVERIFY(testing::kindNamens<QWidget>(*p.form, "PanelMemoListe")->isVisible());
        QCOMPARE(testing::kindNamens<QWidget>(*p.form, "PanelMemoListe")->geometry(),
                 QRect(QPoint(p.zustand.BuchLinks, p.form->PanelBuch()->y()), QSize(660, 457)));
        // Leaving now asks first.
        p.meldungen.antwort = false;
        QTest::keyClick(p.form.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(p.meldungen.fragen,
                 QStringList{QString::fromUtf8("Die Bilderliste ist noch geöffnet. Trotzdem beenden?")});
        const testing::Listenteile e(*p.bearbeitung.listeneditor());
        QCOMPARE(e.neueBilder(), (QStringList{"Hafen", "Kirche"}));
        QTest::mouseClick(e.BitBtnAlle, Qt::LeftButton);
        QTest::mouseClick(e.PanelSave, Qt::LeftButton);
        QVERIFY(!testing::kindNamens<QWidget>(*p.form, "PanelMemoListe")->isVisible());
        QCOMPARE(w.lesen("Pagora/Pages/Pagora.3"), QByteArray("Turm:Der Turm\r\nHafen:\r\nKirche:\r\n"));
        QSignalSpy inhalt(&p.bearbeitung, &authoring::TBearbeitung::albumInhaltHergestellt);
        p.bearbeitung.bilderInsAlbum();
        QCOMPARE(inhalt.count(), 1);
        QCOMPARE(p.zustand.BilderAnzahl, 3);
        QVERIFY(!testing::kindNamens<QWidget>(*p.form, "Panel12Fortschritt")->isVisible());
        QVERIFY(p.meldungen.boxen.isEmpty());
        // The new album contents went to disk with the spreads, and lie on the album's
        // contents page for retouching; a double-click saves them again.
        QVERIFY(w.gibt("Pagora/Pages/Pagora.2") && w.gibt("Pagora/Pages/Pagora.8"));
        QCOMPARE(p.zustand.AktuelleSeite, 1000);
        QPlainTextEdit *memo = p.bearbeitung.inhaltsbearbeitung().MemoInhalt();
        QVERIFY(memo->isVisibleTo(p.form.get()));
        QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        QVERIFY(!memo->isVisibleTo(p.form.get()));
        p.form->SeitenZeigen(1002);
        QCOMPARE(p.zustand.AktuelleSeite, 1002);
        QCOMPARE(p.form->albumblatt()->AlbumLabels[0]->text(), QString("Der Turm"));
        // The thumbnail of the 400 × 300 picture (d = 4) hangs from the top of the first cell.
        const QImage blatt = testing::teile(p.form->PanelBuch()).ImageAlbum->pixmap().toImage();
        QCOMPARE(blatt.pixelColor(55, 10), QColor(Qt::blue));
        QCOMPARE(blatt.pixelColor(5, 10), QColor(Qt::white));
    }

    void closingTheWindowOtherwiseSavesNothing() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w);
        QTest::mouseClick(testing::teile(*p.form->PanelBuch()).LabelNoCBT, Qt::LeftButton);
        p.form->close();
        QVERIFY(!w.gibt("Autor.ini"));
    }

    void anEmptyProgrammeNameOpensTheNewProjectPanel() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        w.schreiben("Autor.ini", "\r\n");
        Programm p(w);
        QCOMPARE(p.zustand.ProgrammName, QString());
        p.form->ImageMenuMouseDown(10, 10);
        QCOMPARE(p.bearbeitung.aktuellesPanel(), authoring::Aufgabe::NeuesProjekt);
        p.zustand.ProgrammName = "Pagora";
        p.form->ImageMenuMouseDown(10, 10);
        QCOMPARE(p.bearbeitung.aktuellesPanel(), authoring::Aufgabe::Start);
    }

    void theProjectCommandsRunTheAuthoringTasks_data() {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("sichtbar");
        QTest::newRow("new project") << "NeuesProjekt" << 4 << true;
        QTest::newRow("title") << "Titel1" << 8 << true;
        QTest::newRow("copyright") << "Copyright" << 10 << true;
        QTest::newRow("register") << "Griffregister1" << 9 << true;
        QTest::newRow("import") << "TextImportieren1" << 7 << true;
        QTest::newRow("switch") << "WechselzwischenProjekten1" << 6 << true;
        QTest::newRow("contents") << "Inhaltsverzeichnisbearbeiten" << 12 << true;
        QTest::newRow("pictures into the list") << "BilderindieListe1" << 0 << false;
        QTest::newRow("pictures into the album") << "BilderinsAlbum1" << 0 << false;
    }
    // The first screen does not wait for the authoring window: it is made when a
    // command first wants it, once, and then knows the book.
    void theAuthoringWindowIsMadeWhenFirstWanted() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w);
        p.bearbeitungSpaeter();
        QCOMPARE(p.bearbeitungGemacht, 0);
        // The menu bar, hidden in the full-screen presentation, is made after the first frame.
        QVERIFY(!p.form->findChild<QAction *>("Titel1"));
        p.form->show();
        QTRY_VERIFY(p.form->findChild<QAction *>("Titel1"));
        p.form->findChild<QAction *>("Titel1")->trigger();
        p.form->findChild<QAction *>("Copyright")->trigger();
        QCOMPARE(p.bearbeitungGemacht, 1);
        QVERIFY(p.bearbeitung.isVisible());
        QCOMPARE(p.form->bearbeitung(), &p.bearbeitung);
    }

    void theAuthoringWindowIsMadeOnceTheBookHasOpened() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w);
        p.bearbeitungSpaeter();
        p.ticks(20); // the title still types itself
        QCoreApplication::processEvents();
        QCOMPARE(p.bearbeitungGemacht, 0);
        p.ticks(100);
        QCoreApplication::processEvents();
        QVERIFY(p.form->PanelBuch()->isVisibleTo(p.form.get()));
        QCOMPARE(p.bearbeitungGemacht, 1);
    }

    void theProjectCommandsRunTheAuthoringTasks() {
        QFETCH(QString, eintrag);
        QFETCH(int, tag);
        QFETCH(bool, sichtbar);
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w);
        QAction *befehl = p.form->menueleiste()->findChild<QAction *>(eintrag);
        QVERIFY(befehl);
        befehl->trigger();
        QCOMPARE(int(p.bearbeitung.aktuellesPanel()), tag);
        QCOMPARE(p.bearbeitung.isVisible(), sichtbar);
    }

    void aNewProjectOpensOnItsHelpContents() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        w.schreiben("Help/Projekt.dat", "Programm");
        w.text("Help/default.6", {"Willkommen                 2"});
        w.schreiben("Help/default.7", QByteArray(2 * 1537, ' '));
        Programm p(w);
        p.ticks(60);
        p.form->SeitenZeigen(0);
        QCOMPARE(testing::teile(p.form->PanelBuch()).Inhalt1()->item(0)->text().left(6), QString("Anfang"));
        p.bearbeitung.neuesProjekt();
        auto &r = testing::panel<authoring::Rahmendaten>(p.bearbeitung, "Panel4Rahmendaten");
        for (QLineEdit *feld : {testing::kindNamens<QLineEdit>(r, "EditProgrammName"),
                                testing::kindNamens<QLineEdit>(r, "EditProjektVerzeichnis")}) {
            feld->setText("Garten");
            feld->setModified(true);
        }
        r.BitBtnProjektOKClick();
        r.BitBtnProjektOKClick();
        QVERIFY(!p.bearbeitung.isVisible());
        QCOMPARE(p.zustand.AktuelleSeite, 2000);
        QCOMPARE(p.zustand.ProjektVerzeichnis, w.gespeichert() + "Garten\\");
        QCOMPARE(p.zustand.HilfeSeitenZahl, 2);
        QCOMPARE(testing::teile(p.form->PanelBuch()).LabelProjekttitel3->text(), QString("Garten"));
        QCOMPARE(testing::teile(p.form->PanelBuch()).Inhalt1()->count(), 1);
        QVERIFY(testing::teile(p.form->PanelBuch()).Inhalt1()->item(0)->text().startsWith("Willkommen"));
        QVERIFY(testing::teile(p.form->PanelBuch()).Inhalt2()->count() == 0);
    }

    void theWindowPresentation() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm breit(w, {1024, 768, 96});
        breit.ticks(60);
        breit.form->ImageMenuMouseDown(384 + 39, 40);
        QVERIFY(!breit.form->fensterstil()); // on the tour only the exit cell works
        breit.form->SeitenZeigen(-1);
        breit.form->ImageMenuMouseDown(384 + 39, 40);
        TImageForm &f = *breit.form;
        QVERIFY(f.fensterstil());
        QVERIFY(!f.PanelMenu()->isVisible());
        QCOMPARE(f.PanelName()->y(), 768 - 100);
        QCOMPARE(f.PanelBuch()->y(), (768 - 66 - 441) / 2);
        QStringList sichtbar;
        for (QAction *a : f.menuBar()->actions())
            if (a->isVisible()) sichtbar << a->text();
        QCOMPARE(sichtbar, (QStringList{"Datei", "Suchen", "Ansicht", "Hilfe", "Projekte"}));
        QVERIFY(!testing::kindNamens<QAction>(f, "Dummy")->isVisible());

        Programm schmal(w, {800, 600, 96});
        schmal.form->Windowsstil();
        QVERIFY(testing::kindNamens<QAction>(*schmal.form, "Dummy")->isVisible());
        schmal.form->Hinweis(":I:nächste Seite");
        QCOMPARE(testing::kindNamens<QAction>(*schmal.form, "Dummy")->text(), QString::fromUtf8("nächste Seite"));
        schmal.form->Hinweis("");
        QCOMPARE(testing::kindNamens<QAction>(*schmal.form, "Dummy")->text(), QString(" "));
    }

    void theHintLineIsCentredBelowTheBook() {
        testing::Datenwurzel w;
        tourRootAnlegen(w);
        Programm p(w);
        p.form->Hinweis("vorige Seite");
        QVERIFY(p.form->PanelName()->isVisibleTo(p.form.get()));
        QCOMPARE(p.form->PanelName()->width(),
                 testing::kindNamens<QLabel>(*p.form->PanelName(), "LabelName")->width() + 16);
        QCOMPARE(p.form->PanelName()->x(), (1024 - p.form->PanelName()->width()) / 2);
        QCOMPARE(p.form->PanelName()->y(), 768 - 40);
        p.form->Hinweis("");
        QVERIFY(!p.form->PanelName()->isVisibleTo(p.form.get()));
    }

    void withoutTheCdTheProgrammeEndsWithAWarning() {
        testing::Datenwurzel w;
        platform::DriveMap nurC;
        nurC.setDrive('C', "/");
        Zustand z{platform::Files(nurC)};
        z.programmDatei = w.gespeichert() + "Quarn.exe";
        platform::SimulatedScreen s({800, 600, 96});
        Aufzeichnung m;
        TImageForm f(z, s, m);
        QVERIFY(f.startAbgebrochen());
        QCOMPARE(m.boxen.size(), 1);
        QCOMPARE(m.boxen[0].second, QString("Legen Sie die CD in ihr Laufwerk!"));
        QVERIFY(!f.eroeffnungLaeuft());
    }

    void aMissingAlbumSheetAndBookPictureAreNoError() {
        testing::Datenwurzel w;
        w.schreiben("names.exe", "x");
        w.text("Pagora.ini", {"Title=Ohne Bilder"});
        Programm p(w);
        p.ticks(200);
        // Without the cover there is no tour: the book opens at the reading contents.
        QVERIFY(testing::teile(p.form->PanelBuch()).ImageAlbum->pixmap().isNull());
        QCOMPARE(p.zustand.AktuelleSeite, 0);
        QVERIFY(p.form->PanelBuch()->isVisibleTo(p.form.get()));
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    platform::registerBundledFonts();
    TestTImageForm t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_timageform.moc"
