// The author's road as a new author walks it, on the real main window with the real
// authoring window: the colours of page numbers and editors on a project without a
// background, the album contents on their page, the list as saved in the album made
// right after (a picture named with a dot included), bytes the author did not change,
// and every authoring command refused on a read-only data root.
#include "app/views/timageform.h"
#include "authoring/views/bilderlisteneditor.h"
#include "authoring/views/inhaltsbearbeitung.h"
#include "autorenfixture.h"
#include "autorenteile.h"
#include "book/views/buchpanel.h"
#include "buchfixture.h"
#include "buchteile.h"
#include "fixture.h"
#include "platform/bitmapfile.h"
#include "platform/fonts.h"
#include "stillemeldungen.h"

#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace authoring;
using Art = platform::Meldungen::Art;

namespace {

struct Programm : testing::ZweiFenster {
    explicit Programm(const QStringList &liste, bool schreibgeschuetzt = false) {
        projektAnlegen(liste);
        if (schreibgeschuetzt) w.schreibschutz();
        oeffnen();
    }
    book::BuchPanel &buch() const { return *form->PanelBuch(); }
    void taste(Qt::Key k) const { QTest::keyClick(form->windowHandle(), k); }
    template <typename T> T *klick(const QString &name) const {
        T *k = bearbeitung->findChild<T *>(name);
        if (!k) k = form->findChild<T *>(name);
        if (k) QTest::mouseClick(k, Qt::LeftButton);
        return k;
    }
    QString hinweis() const { return form->findChild<QLabel *>("LabelName")->text(); }
    QWidget *memo(const char *name) const { return buch().findChild<QWidget *>(name); }
};

// Dark enough to read on the cream paper and the white fields.
bool dunkel(const QColor &c) {
    return c.lightness() < 100;
}

QMap<QString, QByteArray> alleDateien(const testing::Datenwurzel &w) {
    QMap<QString, QByteArray> d;
    QDirIterator it(w.nativ(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString n = it.next();
        QFile f(n);
        f.open(QIODevice::ReadOnly);
        d.insert(n, f.readAll());
    }
    return d;
}

} // namespace

class TestAutorenweg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { platform::registerBundledFonts(); }

    // Only the surface behind the book is black: page numbers, the list editor and the
    // contents memo keep dark text on light ground.
    void pageNumbersAndEditorsKeepTheirColours() {
        Programm p({"Turm:Der Turm"});
        p.form->SeitenZeigen(0);
        p.taste(Qt::Key_Right);
        QCOMPARE(p.zustand->AktuelleSeite, 2);
        const testing::Buchteile t(p.buch());
        QCOMPARE(t.LabelSeitenzahlRechts->text(), QStringLiteral("- 2 -"));
        QVERIFY(dunkel(t.LabelSeitenzahlRechts->palette().color(t.LabelSeitenzahlRechts->foregroundRole())));
        // What the screen shows: the label's darkest pixel is dark.
        const QImage bild = t.LabelSeitenzahlRechts->grab().toImage();
        int dunkelste = 255;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                dunkelste = qMin(dunkelste, bild.pixelColor(x, y).lightness());
        QVERIFY2(dunkelste < 100, qPrintable(QString::number(dunkelste)));

        p.form->menueleiste()->findChild<QAction *>("BilderindieListe1")->trigger();
        p.bearbeitung->TimerBilderlisteTimer();
        const testing::Listenteile e(*p.bearbeitung->listeneditor());
        QVERIFY(e.e.isVisible());
        QVERIFY(dunkel(e.MemoListe->palette().color(QPalette::Text)));
        QVERIFY(!dunkel(e.MemoListe->palette().color(QPalette::Base)));
        QTest::mouseClick(e.BitBtnDontSave, Qt::LeftButton);

        p.form->menueleiste()->findChild<QAction *>("Inhaltsverzeichnisbearbeiten")->trigger();
        p.klick<QPushButton>("AuswahlLeseteil");
        auto *memo = qobject_cast<QPlainTextEdit *>(p.memo("MemoInhalt"));
        QVERIFY(memo && memo->isVisible());
        QVERIFY(dunkel(memo->palette().color(QPalette::Text)));
        QVERIFY(!dunkel(memo->palette().color(QPalette::Base)));
    }

    // After album production the memos lie over the album contents only, come back with
    // that page, and the hint line tells how to save. A pending edit of another part
    // goes first; an empty list is told.
    void albumContentsBelongToTheirPage() {
        Programm p({":I:Bauten", "Turm:Der Turm"});
        auto *bar = p.form->menueleiste();
        // A reading-part edit left pending...
        bar->findChild<QAction *>("Inhaltsverzeichnisbearbeiten")->trigger();
        p.klick<QPushButton>("AuswahlLeseteil");
        QVERIFY(p.memo("MemoInhalt")->isVisible());
        // ...is taken off the book by production.
        bar->findChild<QAction *>("BilderinsAlbum1")->trigger();
        QVERIFY2(p.boxen().isEmpty(), qPrintable(p.boxen().join('\n')));
        QCOMPARE(p.zustand->AktuelleSeite, 1000);
        QCOMPARE(p.zustand->Bearbeitungsteil, 0);
        QVERIFY(p.memo("MemoInhalt")->isVisible() && p.memo("MemoInhalt2")->isVisible());
        QCOMPARE(p.hinweis(), QStringLiteral("Doppelklick speichert"));
        p.taste(Qt::Key_Right);
        QCOMPARE(p.zustand->AktuelleSeite, 1002);
        QVERIFY(!p.memo("MemoInhalt")->isVisible() && !p.memo("MemoInhalt2")->isVisible());
        QCOMPARE(p.hinweis(), QString());
        p.taste(Qt::Key_Home);
        QCOMPARE(p.zustand->AktuelleSeite, 1000);
        QVERIFY(p.memo("MemoInhalt")->isVisible() && p.memo("MemoInhalt2")->isVisible());
        // The reading part's contents page has no memo: that edit is gone.
        p.form->SeitenZeigen(0);
        QVERIFY(!p.memo("MemoInhalt")->isVisible());
        p.form->SeitenZeigen(1000);
        QTest::mouseDClick(qobject_cast<QPlainTextEdit *>(p.memo("MemoInhalt"))->viewport(), Qt::LeftButton);
        QVERIFY(!p.memo("MemoInhalt")->isVisible());
        QVERIFY(p.w.lesen("Pagora/Pages/Pagora.2").startsWith("Bauten"));
        QVERIFY(p.w.lesen("Pagora/Pages/Pagora.1").startsWith("Anfang")); // never saved from the album's memo
        p.form->SeitenZeigen(1002);
        p.form->SeitenZeigen(1000);
        QVERIFY(!p.memo("MemoInhalt")->isVisible());

        p.w.text("Pagora/Pages/Pagora.3", {});
        bar->findChild<QAction *>("BilderinsAlbum1")->trigger();
        QCOMPARE(p.boxen(), QStringList{"Die Bilderliste ist leer"});
        QVERIFY(!p.memo("MemoInhalt")->isVisible());
    }

    // New pictures added with "Alle hinzu" and saved are in the album made at once with
    // "jetzt", a picture whose file name holds a dot included; nothing is reported.
    void theListAsSavedMakesTheAlbum() {
        QStringList liste;
        for (int i = 0; i < 18; ++i)
            liste << "Turm:Turm " + QString::number(i);
        Programm p(liste);
        p.w.bitmap("Pagora/Album/Tanne.alt.bmp", 400, 300, Qt::darkGreen);
        p.w.bitmap("Pagora/Album/Zaun.bmp", 400, 300, Qt::red);
        p.form->menueleiste()->findChild<QAction *>("BilderindieListe1")->trigger();
        p.bearbeitung->TimerBilderlisteTimer();
        const testing::Listenteile e(*p.bearbeitung->listeneditor());
        QCOMPARE(e.neueBilder(), (QStringList{"Tanne.alt", "Zaun"}));
        QTest::mouseClick(e.BitBtnAlle, Qt::LeftButton);
        QTest::mouseClick(e.PanelSave, Qt::LeftButton);
        QVERIFY(p.w.lesen("Pagora/Pages/Pagora.3").endsWith("Tanne.alt:\r\nZaun:\r\n"));
        QVERIFY(p.klick<QPushButton>("BitBtnJetzt"));
        QVERIFY2(p.boxen().isEmpty(), qPrintable(p.boxen().join('\n')));
        QCOMPARE(testing::albumZelle(p.w, "Pagora/Pages/Pagora004.bmp", 18), QColor(Qt::darkGreen));
        QCOMPARE(testing::albumZelle(p.w, "Pagora/Pages/Pagora004.bmp", 19), QColor(Qt::red));
        // The editor opened again finds both listed and offers nothing new.
        p.form->menueleiste()->findChild<QAction *>("BilderindieListe1")->trigger();
        p.bearbeitung->TimerBilderlisteTimer();
        QVERIFY(e.neueBilder().isEmpty());
        QVERIFY2(p.boxen().isEmpty(), qPrintable(p.boxen().join('\n')));
    }

    // Saving without a change keeps every byte: non-breaking spaces in the picture list
    // and on the copyright page stay what they are.
    void bytesTheAuthorDidNotChangeStay() {
        Programm p({QStringLiteral("Turm:Der") + QChar(0xA0) + "Turm"});
        const QByteArray liste = p.w.lesen("Pagora/Pages/Pagora.3");
        QVERIFY(liste.contains('\xa0'));
        p.w.schreiben("Pagora/Pages/Pagora.4", "\xa9 2026\xa0"
                                               "Anna\r\n");
        p.form->menueleiste()->findChild<QAction *>("BilderindieListe1")->trigger();
        p.bearbeitung->TimerBilderlisteTimer();
        QTest::mouseClick(testing::Listenteile(*p.bearbeitung->listeneditor()).PanelSave, Qt::LeftButton);
        QCOMPARE(p.w.lesen("Pagora/Pages/Pagora.3"), liste);
        p.bearbeitung->hide();
        p.form->menueleiste()->findChild<QAction *>("Copyright")->trigger();
        QVERIFY(p.klick<QPushButton>("PanelSave"));
        QCOMPARE(p.w.lesen("Pagora/Pages/Pagora.4"), QByteArray("\xa9 2026\xa0"
                                                                "Anna\r\n"));
    }

    // Switching to a project with other tabs shows them on the spread at once.
    void switchingProjectsShowsTheirTabsAtOnce() {
        Programm p({"Turm:Der Turm"});
        p.w.text("Zwei.ini", {"ShowCBT=0", "Path=Pagora\\", "Sheet4=Karten", "Sheet5=Ende"});
        p.form->SeitenZeigen(2);
        const testing::Buchteile t(p.buch());
        QVERIFY(!testing::sichtbar(t.GriffL[3]) && !testing::sichtbar(t.GriffR[3]));
        p.form->menueleiste()->findChild<QAction *>("WechselzwischenProjekten1")->trigger();
        auto *name = p.bearbeitung->findChild<QLineEdit *>("EditIniDatei");
        name->setText("Zwei.ini");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(p.zustand->ProgrammName, QStringLiteral("Zwei"));
        for (int n : {3, 4})
            QVERIFY(testing::sichtbar(t.GriffL[n]) || testing::sichtbar(t.GriffR[n]));
    }

    // A caption too wide for its tab is said while it is typed, and the warning goes
    // with a caption that fits.
    void aCaptionTooWideForItsTabIsSaid() {
        Programm p({"Turm:Der Turm"});
        p.form->menueleiste()->findChild<QAction *>("Griffregister1")->trigger();
        auto *text = p.bearbeitung->findChild<QLineEdit *>("EditGriff2");
        auto *warnung = p.bearbeitung->findChild<QLabel *>("LabelGriffWarnung");
        QVERIFY(text && warnung);
        QTest::keyClicks(text, "Donaudampfschifffahrt");
        QVERIFY2(warnung->text().contains("Register 2"), qPrintable(warnung->text()));
        QVERIFY(warnung->isVisible());
        text->selectAll();
        QTest::keyClicks(text, "Ort");
        QCOMPARE(warnung->text(), QString());
    }

    // A second instance on the same root: every authoring command of the menu bar is
    // refused with the image menu's box, and no file changes.
    void aReadOnlyRootRefusesEveryAuthoringCommand() {
        Programm p({"Turm:Der Turm"}, true);
        QVERIFY(p.zustand->NurLesen);
        const auto vorher = alleDateien(p.w);
        const QString nein = "Die Bearbeitungsfunktionen sind erst ausführbar, wenn das Programm auf einer "
                             "Festplatte installiert wurde.";
        for (const char *befehl :
             {"NeuesProjekt", "Titel1", "Copyright", "Griffregister1", "TextImportieren1", "BilderindieListe1",
              "BilderinsAlbum1", "WechselzwischenProjekten1", "Inhaltsverzeichnisbearbeiten"}) {
            p.meldungen.boxen.clear();
            p.form->menueleiste()->findChild<QAction *>(befehl)->trigger();
            QCOMPARE(p.boxen(), QStringList{nein});
            QVERIFY2(!p.bearbeitung->isVisible(), befehl);
            QVERIFY(!p.memo("MemoInhalt") || !p.memo("MemoInhalt")->isVisible());
        }
        QCOMPARE(alleDateien(p.w), vorher);
    }
};

QTEST_MAIN(TestAutorenweg)
#include "test_autorenweg.moc"
