// The book drawn at a factor (the first argument, 1 when none): the layout and every
// hit stay in logical pixels while the pixels drawn grow; the reader's view
// preferences; a turned page seen turning, and a key that never waits for it.
#include "album/views/albumblatt.h"
#include "app/core/ansicht.h"
#include "app/views/bildmenue.h"
#include "app/views/buchlenkung.h"
#include "app/views/hinweiszeile.h"
#include "book/views/blaetteranimation.h"
#include "book/views/buchpanel.h"
#include "buchfixture.h"
#include "buchteile.h"
#include "maus.h"
#include "platform/fonts.h"
#include "platform/screen.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

using namespace app;
using testing::Buch;
using testing::sichtbar;

namespace {
double faktor = 1.0;

QSettings vorlieben() {
    return QSettings(QSettings::UserScope, QStringLiteral("Pagora"), QStringLiteral("Pagora"));
}
} // namespace

class TestBuchgroesse : public QObject {
    Q_OBJECT
    QTemporaryDir vorliebenOrdner_;

private Q_SLOTS:
    void initTestCase() {
        platform::registerBundledFonts();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, vorliebenOrdner_.path());
    }

    void theFittingFactor_data() {
        QTest::addColumn<QSize>("bildschirm");
        QTest::addColumn<double>("passend");
        QTest::newRow("800 x 600 is the book's own screen") << QSize(800, 600) << 1.0;
        QTest::newRow("smaller screens never shrink it") << QSize(640, 480) << 1.0;
        QTest::newRow("one pixel short of 1.25") << QSize(999, 750) << 1.0;
        QTest::newRow("exactly 1.25") << QSize(1000, 750) << 1.25;
        QTest::newRow("1920 x 1080: the height limits") << QSize(1920, 1080) << 1.75;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 3.5;
        QTest::newRow("a tall screen: the width limits") << QSize(1600, 2400) << 2.0;
    }
    void theFittingFactor() {
        QFETCH(QSize, bildschirm);
        QFETCH(double, passend);
        QCOMPARE(PassenderFaktor(bildschirm.width(), bildschirm.height()), passend);
        QCOMPARE(Zeichenfaktor({Buchgroesse::Art::Passend, 1.0}, bildschirm.width(), bildschirm.height()), passend);
        QCOMPARE(Zeichenfaktor({Buchgroesse::Art::Original, 1.0}, bildschirm.width(), bildschirm.height()), 1.0);
        QCOMPARE(Zeichenfaktor({Buchgroesse::Art::Faktor, 3.0}, bildschirm.width(), bildschirm.height()),
                 std::min(3.0, passend));
        QCOMPARE(Zeichenfaktor({Buchgroesse::Art::Faktor, 1.5}, bildschirm.width(), bildschirm.height()),
                 std::min(1.5, passend));
    }

    // What the configuration holds, read back; what it cannot mean is "Passend".
    void thePreferencesRoundTripAndTheirDefaults() {
        vorlieben().clear();
        {
            QSettings v = vorlieben();
            const Ansicht ohne = Ansicht::lesen(v);
            QCOMPARE(ohne.buchgroesse.art, Buchgroesse::Art::Passend);
            QVERIFY(ohne.blaetternZeigen);
        }
        for (const Buchgroesse &g :
             {Buchgroesse{Buchgroesse::Art::Original, 1.0}, Buchgroesse{Buchgroesse::Art::Faktor, 1.5},
              Buchgroesse{Buchgroesse::Art::Passend, 1.0}}) {
            QSettings v = vorlieben();
            Ansicht{g, false}.schreiben(v);
            v.sync();
            QSettings neu = vorlieben();
            const Ansicht gelesen = Ansicht::lesen(neu);
            QCOMPARE(gelesen.buchgroesse, g);
            QVERIFY(!gelesen.blaetternZeigen);
        }
        const struct {
            const char *text;
            Buchgroesse groesse;
        } texte[] = {{"original", {Buchgroesse::Art::Original, 1.0}}, {"2", {Buchgroesse::Art::Faktor, 2.0}},
                     {"1,5", {Buchgroesse::Art::Faktor, 1.5}},        {"8", {Buchgroesse::Art::Faktor, 8.0}},
                     {"8.5", {Buchgroesse::Art::Passend, 1.0}},       {"0.5", {Buchgroesse::Art::Passend, 1.0}},
                     {"nan", {Buchgroesse::Art::Passend, 1.0}},       {"groß", {Buchgroesse::Art::Passend, 1.0}}};
        for (const auto &t : texte)
            QCOMPARE(Buchgroesse::ausText(QString::fromUtf8(t.text)), t.groesse);
    }

    // The same logical points hit the same things at every factor, while the window
    // really holds factor times the pixels.
    void hitsStayInLogicalPixels() {
        Buch buch;
        // The book fully open, as a reader finds it.
        for (int i = 0; i < 1000 && !testing::kindNamens<QWidget>(*buch.form, "PanelDeckel")->isHidden(); ++i)
            buch.form->TimerAnfangTimer();
        buch.zeigen();
        QCOMPARE(buch.form->windowHandle()->devicePixelRatio(), faktor);
        const QRect lage = buch.b().geometry();
        QCOMPARE(buch.b().grab().size(), QSize(qRound(lage.width() * faktor), qRound(lage.height() * faktor)));

        buch.form->SeitenZeigen(0);
        QListWidget *inhalt = testing::teile(buch.b()).Inhalt1();
        const QPoint punkt = inhalt->visualItemRect(inhalt->item(1)).center();
        testing::mausKlick(inhalt->viewport(), punkt);
        QCOMPARE(buch.zustand->AktuelleSeite, 6);

        // A register tab on the right edge: the album's contents.
        buch.form->SeitenZeigen(4);
        const QLabel *griff = testing::teile(buch.b()).LabelGriffR[1];
        QVERIFY(sichtbar(griff));
        testing::mausKlick(griff, griff->rect().center());
        QCOMPARE(buch.zustand->AktuelleSeite, 1000);

        // The first album cell ends at x = 107 of the sheet.
        buch.form->SeitenZeigen(1002);
        testing::mausKlick(testing::teile(buch.b()).ImageAlbum, {108, 10});
        QVERIFY(sichtbar(&buch.b()));
        testing::mausKlick(testing::teile(buch.b()).ImageAlbum, {107, 10});
        QCOMPARE(buch.zustand->BildIndex, 0);
        QVERIFY(!sichtbar(&buch.b()));
        QCOMPARE(buch.b().geometry(), lage);
    }

    // With the animation on, the new spread is there at once; the turn plays over it for
    // a fifth of a second, and the next key completes it before it acts.
    void aKeyCompletesATurnAtOnce() {
        Buch buch;
        buch.zustand->ansicht.blaetternZeigen = true;
        buch.zeigen();
        buch.form->SeitenZeigen(4);
        const book::Blaetteranimation *turn = buch.form->buchlenkung()->blaetteranimation();
        buch.taste(Qt::Key_PageDown);
        QCOMPARE(buch.zustand->AktuelleSeite, 6);
        QCOMPARE(testing::teile(buch.b()).MemoTextLinks->zeilen().value(0), QString("Seite 5"));
        QVERIFY(turn->laeuft());
        buch.taste(Qt::Key_PageDown);
        QCOMPARE(buch.zustand->AktuelleSeite, 8);
        QVERIFY(turn->laeuft());
        buch.taste(Qt::Key_Escape); // a key that does nothing else still completes the turn
        QVERIFY(!turn->laeuft());
        buch.taste(Qt::Key_PageUp);
        QVERIFY(QTest::qWaitFor([&] { return !turn->laeuft(); }, 2000));
        QCOMPARE(buch.zustand->AktuelleSeite, 6);

        buch.zustand->ansicht.blaetternZeigen = false;
        buch.taste(Qt::Key_PageDown);
        QVERIFY(!turn->laeuft());
    }

    // The leaf turns on the spine: it leaves the right half forward, lands on the left.
    void theLeafTurnsOnTheSpine() {
        const book::Blattlage anfang = book::BlattlageBei(0, 660, true);
        QCOMPARE(anfang.links, 330.0);
        QCOMPARE(anfang.breite, 330.0);
        QVERIFY(!anfang.rueckseite);
        const book::Blattlage aufrecht = book::BlattlageBei(0.5, 660, true);
        QVERIFY(aufrecht.breite < 1e-9);
        const book::Blattlage ende = book::BlattlageBei(1, 660, true);
        QCOMPARE(ende.links, 0.0);
        QVERIFY(ende.rueckseite);
        const book::Blattlage zurueck = book::BlattlageBei(0.25, 660, false);
        QCOMPARE(zurueck.links + zurueck.breite, 330.0);
        QVERIFY(!zurueck.rueckseite);
        QVERIFY(book::BlattlageBei(0.75, 660, false).links == 330.0);
    }

    // F10 opens the view menu; its choices are kept in the reader's configuration.
    void theViewMenuByKeyAndMouse() {
        vorlieben().clear();
        Buch buch;
        buch.zeigen();
        buch.form->SeitenZeigen(4);
        buch.taste(Qt::Key_F10);
        QMenu *menue = buch.form->ansichtMenue();
        QVERIFY(QTest::qWaitFor([&] { return menue->isVisible(); }, 2000));
        auto waehlen = [&](QMenu *m, const char *name) {
            QAction *a = m->findChild<QAction *>(QLatin1String(name));
            if (!a) a = buch.form->findChild<QAction *>(QLatin1String(name));
            QVERIFY(a);
            QVERIFY(!a->text().isEmpty());
            QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(a).center());
        };
        waehlen(menue, "BlaetternZeigen1");
        QVERIFY(buch.zustand->ansicht.blaetternZeigen);
        QCOMPARE(vorlieben().value("Ansicht/BlaetternZeigen").toBool(), true);

        QMenu *groesse = menue->findChild<QMenu *>();
        QVERIFY(groesse);
        auto groesseOeffnen = [&] {
            buch.taste(Qt::Key_F10);
            QVERIFY(QTest::qWaitFor([&] { return menue->isVisible(); }, 2000));
            QTest::mouseClick(menue, Qt::LeftButton, {}, menue->actionGeometry(groesse->menuAction()).center());
            QVERIFY(QTest::qWaitFor([&] { return groesse->isVisible(); }, 2000));
        };
        groesseOeffnen();
        // 1024 x 768 device pixels hold the book at 1.25 at most: larger steps wait for a
        // larger screen.
        const double passend = PassenderFaktor(qRound(1024 * faktor), qRound(768 * faktor));
        QStringList moeglich;
        for (const char *stufe : {"Buchgroesse_1.5", "Buchgroesse_2", "Buchgroesse_3"}) {
            const QAction *a = groesse->findChild<QAction *>(QLatin1String(stufe));
            QVERIFY(a);
            QCOMPARE(a->isEnabled(), QString::fromLatin1(stufe).section('_', 1).toDouble() <= passend);
            if (a->isEnabled()) moeglich << QString::fromLatin1(stufe);
        }
        // One fixed size after another: each choice is kept.
        for (const QString &stufe : moeglich) {
            if (!groesse->isVisible()) groesseOeffnen();
            waehlen(groesse, qPrintable(stufe));
            QCOMPARE(vorlieben().value("Ansicht/Buchgroesse").toString(), stufe.section('_', 1));
            QCOMPARE(buch.zustand->ansicht.buchgroesse.faktor, stufe.section('_', 1).toDouble());
        }
        if (!groesse->isVisible()) groesseOeffnen();
        waehlen(groesse, "Buchgroesse_Original");
        QCOMPARE(vorlieben().value("Ansicht/Buchgroesse").toString(), QString("Original"));
        QCOMPARE(buch.zustand->ansicht.buchgroesse.art, Buchgroesse::Art::Original);
        QCOMPARE(buch.zustand->AktuelleSeite, 4); // the book itself is left as it is
    }
};

int main(int argc, char **argv) {
    QApplication anwendung(argc, argv);
    if (argc > 1) faktor = QString::fromLocal8Bit(argv[1]).toDouble();
    platform::setDrawingFactor(faktor);
    TestBuchgroesse test;
    return QTest::qExec(&test, 1, argv);
}

#include "test_buchgroesse.moc"
