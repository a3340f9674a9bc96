// One picture list for the whole program, walked as an author does it: the list saved
// in the editor is the one the album sheet labels, the picture view pages through and
// opens, and an edit closed without saving never reaches the album made afterwards.
#include "album/views/bildansicht.h"
#include "app/views/timageform.h"
#include "authoring/views/tbearbeitung.h"
#include "autorenfixture.h"
#include "buchfixture.h"
#include "buchteile.h"
#include "fixture.h"
#include "maus.h"
#include "platform/bitmapfile.h"
#include "platform/fonts.h"
#include "stillemeldungen.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

struct Programm : testing::ZweiFenster {
    Programm() {
        projektAnlegen({"Turm:Der Turm"});
        w.bitmap("Pagora/Album/Zaun.bmp", 400, 300, Qt::red);
        oeffnen();
        for (int i = 0; i < 100; ++i) // the opening to its end, as the reader waits for it
            form->TimerAnfangTimer();
    }
    template <typename T> T *kind(const char *name) const { return form->findChild<T *>(name); }
    void klick(const char *name) const { QTest::mouseClick(kind<QPushButton>(name), Qt::LeftButton); }
    void menue(const char *name) const { form->menueleiste()->findChild<QAction *>(name)->trigger(); }
    void editorOeffnen() const {
        menue("BilderindieListe1");
        QTRY_VERIFY_WITH_TIMEOUT(kind<QWidget>("MemoListe") && kind<QWidget>("MemoListe")->isVisible(), 5000);
    }
};

} // namespace

class TestGemeinsameListe : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { platform::registerBundledFonts(); }

    void theSavedListIsTheOneEveryoneUses() {
        Programm p;
        p.menue("BilderinsAlbum1"); // the album of the one picture listed
        QVERIFY2(p.boxen().isEmpty(), qPrintable(p.boxen().join('\n')));
        p.editorOeffnen();
        p.klick("BitBtnAlle"); // the new picture Zaun goes to the list's end
        p.klick("PanelSave");
        QVERIFY(p.w.lesen("Pagora/Pages/Pagora.3").endsWith("Turm:Der Turm\r\nZaun:\r\n"));
        p.bearbeitung->hide();

        // The album sheet labels the saved list before the album is made again...
        p.form->activateWindow();
        QTest::keyClick(p.form.get(), Qt::Key_A, Qt::ControlModifier); // the album's contents
        QTest::keyClick(p.form.get(), Qt::Key_Right);                  // its first spread
        const testing::Buchteile t(*p.form->PanelBuch());
        QVERIFY(t.ImageAlbum->isVisible());
        QCOMPARE(t.PanelAlbum->findChild<QLabel *>("Label1")->text(), QString("Der Turm"));
        // ...and the picture view opened from it steps on to the picture just added.
        testing::mausKlick(t.ImageAlbum, QPoint(20, 20));
        QCOMPARE(p.form->bildansicht()->aktuellesBild(), QString("TURM"));
        auto *flaeche = p.kind<QWidget>("Flaeche");
        testing::mausBewegen(flaeche, QPoint(1022, 300));
        auto *weiter = p.kind<QLabel>("ImageNext");
        QVERIFY(weiter->isVisible());
        testing::mausKlick(weiter, QPoint(8, 8));
        QCOMPARE(p.form->bildansicht()->aktuellesBild(), QString("ZAUN"));
        QTest::keyClick(p.form.get(), Qt::Key_Escape);

        // An edit closed without saving stays out of the album made afterwards.
        p.editorOeffnen();
        auto *memo = p.kind<QPlainTextEdit>("MemoListe");
        memo->moveCursor(QTextCursor::Start);
        QTest::keyClicks(memo, "Zaun:Vorne");
        QTest::keyClick(memo, Qt::Key_Return);
        p.klick("BitBtnDontSave");
        p.menue("BilderinsAlbum1");
        QVERIFY2(p.boxen().isEmpty(), qPrintable(p.boxen().join('\n')));
        QCOMPARE(testing::albumZelle(p.w, "Pagora/Pages/Pagora002.bmp", 0), QColor(Qt::darkBlue));
        QCOMPARE(testing::albumZelle(p.w, "Pagora/Pages/Pagora002.bmp", 1), QColor(Qt::red));
        QCOMPARE(p.zustand->BilderAnzahl, 2);
    }
};

QTEST_MAIN(TestGemeinsameListe)
#include "test_gemeinsameliste.moc"
