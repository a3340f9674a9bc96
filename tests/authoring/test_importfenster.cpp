// The text import in the authoring window and the contents editing on the book: the
// import panel's OK, the same files as `pagora-tool import`, a cancelled long import,
// saving and cancelling the contents of every part, the double click, a failed save.
#include "authoring/views/importablauf.h"
#include "authoring/views/inhaltsbearbeitung.h"
#include "authoring/views/panel11inhalt.h"
#include "authoring/views/panel7import.h"
#include "autorenteile.h"
#include "book/core/seitensatz.h"
#include "leeresbuch.h"
#include "platform/fonts.h"
#include "stillemeldungen.h"
#include "zustandfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using namespace authoring;
using Art = platform::Meldungen::Art;

namespace {

using Aufzeichnung = testing::Meldungsaufzeichnung;

class Buch : public testing::LeeresBuch {
public:
    Buch() { flaeche.show(); }
    void SeitenZeigen(int seite) override { auftraege << QStringLiteral("SeitenZeigen %1").arg(seite); }
    void InhaltListenLeeren() override { auftraege << "InhaltListenLeeren"; }
    QStringList auftraege;
};

// A text with headings, a picture from the album and a German compound that needs a split.
QByteArray beispieltext() {
    QString t = ":I:Erstes Kapitel\r\n"
                "Nach Angaben des Bundesverteidigungsministeriums wurde die Mühle, die am Bach "
                "stand, im Frühjahr neu gebaut. Der Müller mahlte dort Weizen und Roggen.\r\n"
                ":B:Korn|Ähren im Juli\r\n"
                ":I:Zweites Kapitel\r\n";
    for (int i = 0; i < 40; ++i)
        t += "Das Mehl wurde in Säcken zum Bäcker gebracht, der daraus Brot buk.\r\n";
    return platform::toCp1252(t);
}

// A data root with the project "Buch", its album picture and the text to import.
void projektAnlegen(const testing::Datenwurzel &w) {
    w.schreiben("names.exe", "Festplatte");
    w.schreiben("Help/default.6", "Hilfe\r\n");
    w.text("Buch.ini", {"Path=Buch\\"});
    w.bitmap("Buch/Album/Korn.bmp", 400, 300);
    QDir().mkpath(w.nativ("Buch/Pages"));
    QDir().mkpath(w.nativ("Buch/Slides"));
    w.schreiben("Texte/buch.txt", beispieltext());
}

struct Umgebung {
    Umgebung() : screen({1024, 768, 96}) {
        projektAnlegen(w);
        testing::zustandEinrichten(w, zustand, "Buch");
        fenster = std::make_unique<TBearbeitung>(zustand, screen, meldungen);
        fenster->setBuch(&buch);
    }
    Panel7Import &p7() const { return testing::panel<Panel7Import>(*fenster, "Panel7Import"); }
    Panel11Inhaltsverzeichnis &p11() const {
        return testing::panel<Panel11Inhaltsverzeichnis>(*fenster, "Panel11Inhaltsverzeichnis");
    }
    // The contents of a part as the author opens them: the start panel's entry, then the
    // part's button ("AuswahlAlbum", "AuswahlLeseteil", "AuswahlAutorHilfe", "AuswahlBenutzerHilfe").
    void inhaltOeffnen(const QString &knopf) {
        testing::starten(*fenster, "Inhaltsverzeichnisbearbeiten");
        QTest::mouseClick(testing::kindNamens<QPushButton>(p11(), knopf), Qt::LeftButton);
    }
    QPlainTextEdit *memo() const { return fenster->inhaltsbearbeitung().MemoInhalt(); }
    // The import panel on the text folder with `name` typed into the name field.
    void panelMit(const QString &name) {
        testing::starten(*fenster, "ImageTextImport");
        p7().ordnerSetzen(w.gespeichert() + "Texte\\");
        testing::kindNamens<QLineEdit>(p7(), "EditDateiname")->setText(name);
    }
    testing::Datenwurzel w;
    app::Zustand zustand;
    platform::SimulatedScreen screen;
    Aufzeichnung meldungen;
    Buch buch;
    std::unique_ptr<TBearbeitung> fenster;
};

} // namespace

class TestImportfenster : public QObject {
    Q_OBJECT
private:
    QTemporaryDir vorlieben_;

private Q_SLOTS:
    void initTestCase() {
        platform::registerBundledFonts();
        // The author's preferences go to a folder of the test's own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, vorlieben_.path());
    }

    void thePanelsOk_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("perEnter");
        QTest::addColumn<bool>("offen"); // the window stays open on panel 7
        QTest::addColumn<bool>("importiert");
        QTest::newRow("mask untouched") << "*.txt" << true << true << false;
        QTest::newRow("another mask filters") << "b*.txt" << false << true << false;
        QTest::newRow("missing file") << "fehlt.txt" << false << false << false;
        QTest::newRow("Enter in the name field") << "buch.txt" << true << false << true;
        QTest::newRow("OK button") << "buch.txt" << false << false << true;
    }
    void thePanelsOk() {
        QFETCH(QString, name);
        QFETCH(bool, perEnter);
        QFETCH(bool, offen);
        QFETCH(bool, importiert);
        Umgebung u;
        u.panelMit(name);
        QCOMPARE(testing::kindNamens<QListWidget>(u.p7(), "FileListBox")->count(), 1);
        // The author reads folders as the system names them, never in the stored form.
        for (int i = 0; i < testing::kindNamens<QListWidget>(u.p7(), "DirectoryListBox")->count(); ++i)
            QVERIFY(!testing::kindNamens<QListWidget>(u.p7(), "DirectoryListBox")->item(i)->text().contains(":\\"));
        QCOMPARE(testing::kindNamens<QListWidget>(u.p7(), "DirectoryListBox")->item(0)->text(), QString("/"));
        QVERIFY(QTest::qWaitForWindowActive(u.fenster.get()));
        if (perEnter) {
            testing::kindNamens<QLineEdit>(u.p7(), "EditDateiname")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            QTest::mouseClick(testing::kindNamens<QPushButton>(u.p7(), "BitBtnLaden"), Qt::LeftButton);
        }
        QCOMPARE(u.w.gibt("Buch/Pages/Buch.5"), importiert);
        QVERIFY(u.meldungen.boxen.isEmpty());
        QCOMPARE(u.memo()->isVisibleTo(&u.buch.flaeche), importiert);
        QCOMPARE(u.fenster->isVisible(), offen || importiert);
        if (offen) QCOMPARE(u.fenster->aktuellesPanel(), Aufgabe::Import);
        if (!importiert) return;
        // The contents editor in the bottom-left corner, the book on the new contents.
        QCOMPARE(u.fenster->aktuellesPanel(), Aufgabe::Inhalt);
        QVERIFY(!testing::kindNamens<QWidget>(*u.fenster, "PanelVerzeichnisAuswahl")->isVisibleTo(u.fenster.get()));
        QCOMPARE(u.fenster->pos(), QPoint(0, 768 - u.fenster->height()));
        QCOMPARE(u.buch.auftraege.mid(0, 2), (QStringList{"SeitenZeigen 0", "InhaltListenLeeren"}));
        QCOMPARE(Inhaltsbearbeitung::zeilen(u.memo()).size(), 2);
        QVERIFY(u.memo()->toPlainText().startsWith("Erstes Kapitel"));
        QVERIFY(u.w.gibt("Buch/Slides/Korn.bmp"));
        QCOMPARE(u.zustand.TextSeitenZahl, int(u.w.lesen("Buch/Pages/Buch.5").size() / book::kSeitensatzGroesse));
        // The contents go to disk with the pages: the book on disk is never half new.
        QCOMPARE(platform::splitLines(u.w.lesen("Buch/Pages/Buch.1")), Inhaltsbearbeitung::zeilen(u.memo()));
    }

    void theWindowWritesWhatTheToolWrites_data() {
        QTest::addColumn<QString>("teil");
        QTest::addColumn<bool>("trennen");
        QTest::newRow("reading part") << "text" << false;
        QTest::newRow("reading part, hyphenated") << "text" << true;
        QTest::newRow("help") << "help" << false;
    }
    void theWindowWritesWhatTheToolWrites() {
        QFETCH(QString, teil);
        QFETCH(bool, trennen);
        testing::Datenwurzel werkzeug;
        projektAnlegen(werkzeug);
        QProcess p;
        QStringList args{"--root", werkzeug.nativ(), "--name", "Buch", "import", "--part", teil};
        if (trennen) args << "--silbentrennung";
        p.start(QStringLiteral(PAGORA_TOOL), args << werkzeug.nativ("Texte/buch.txt"));
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);

        Umgebung u;
        u.panelMit("buch.txt");
        QTest::mouseClick(teil == "help" ? testing::kindNamens<QPushButton>(u.p7(), "AutorHilfe")
                                         : testing::kindNamens<QPushButton>(u.p7(), "Buchtext"),
                          Qt::LeftButton);
        testing::kindNamens<QCheckBox>(u.p7(), "Silbentrennung")->setChecked(trennen);
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p7(), "BitBtnLaden"), Qt::LeftButton);
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p11(), "PanelSaveContents"), Qt::LeftButton);
        QVERIFY(u.meldungen.boxen.isEmpty());
        const QStringList dateien = teil == "help" ? QStringList{"Buch/Pages/Buch.7", "Buch/Pages/Buch.6"}
                                                   : QStringList{"Buch/Pages/Buch.5", "Buch/Pages/Buch.1"};
        for (const QString &datei : dateien + QStringList{"Buch/Slides/Korn.bmp"}) {
            QVERIFY2(u.w.gibt(datei), qPrintable(datei));
            QVERIFY2(u.w.lesen(datei) == werkzeug.lesen(datei), qPrintable(datei));
        }
        QVERIFY(!u.w.gibt(teil == "help" ? "Buch/Pages/Buch.5" : "Buch/Pages/Buch.7"));
        // The preference outlives the window.
        QCOMPARE(QSettings(QSettings::UserScope, "Pagora", "Pagora").value("Import/Silbentrennung").toBool(), trennen);
        QCOMPARE(testing::kindNamens<QCheckBox>(Umgebung().p7(), "Silbentrennung")->isChecked(), trennen);
        // Without hyphenation the compound is cut where the line reaches 20 characters.
        QCOMPARE(u.w.lesen(dateien[0]).contains("Nach Angaben des Bu "), !trennen);
    }

    // A UTF-8 text: the window names what Windows-1252 cannot hold and asks first;
    // Cancel writes nothing, OK imports the converted text without those characters.
    void aUtf8TextIsConvertedAfterTheAuthorAgrees() {
        Umgebung u;
        u.w.schreiben("Texte/utf8.txt", QString("Die Mühle am Bach\nDer Weg → nach Győr\n").toUtf8());
        u.w.schreiben("Buch/Pages/Buch.5", "alte Seiten");
        u.panelMit("utf8.txt");
        u.meldungen.antwort = false;
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p7(), "BitBtnLaden"), Qt::LeftButton);
        QCOMPARE(u.meldungen.fragen.size(), 1);
        QVERIFY2(u.meldungen.fragen[0].contains(QString("„→“ (U+2192) in Zeile 2")), qPrintable(u.meldungen.fragen[0]));
        QVERIFY(u.meldungen.fragen[0].contains(QString("„ő“ (U+0151) in Zeile 2")));
        QCOMPARE(u.w.lesen("Buch/Pages/Buch.5"), QByteArray("alte Seiten"));
        u.meldungen.fragen.clear();
        u.meldungen.boxen.clear();
        u.meldungen.antwort = true;
        u.panelMit("utf8.txt");
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p7(), "BitBtnLaden"), Qt::LeftButton);
        QCOMPARE(u.meldungen.fragen.size(), 1);
        QVERIFY(u.meldungen.boxen.isEmpty());
        const QByteArray seiten = u.w.lesen("Buch/Pages/Buch.5");
        QVERIFY(seiten.contains("Die M\xfchle am Bach "));
        QVERIFY(seiten.contains("Der Weg  nach Gyr "));
    }

    // Without the German patterns the box is off and says why.
    void withoutPatternsTheHyphenationBoxIsOff() {
        qputenv("XDG_DATA_HOME", QTemporaryDir().path().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", "/nirgends");
        Umgebung u;
        u.panelMit("buch.txt");
        qunsetenv("XDG_DATA_DIRS");
        qunsetenv("XDG_DATA_HOME");
        QVERIFY(!testing::kindNamens<QCheckBox>(u.p7(), "Silbentrennung")->isEnabled());
        QVERIFY(!testing::kindNamens<QCheckBox>(u.p7(), "Silbentrennung")->isChecked());
        QVERIFY2(testing::kindNamens<QCheckBox>(u.p7(), "Silbentrennung")->toolTip().contains("hyphen-de"),
                 qPrintable(testing::kindNamens<QCheckBox>(u.p7(), "Silbentrennung")->toolTip()));
    }

    void aCancelledLongImportKeepsTheOldPages() {
        Umgebung u;
        QByteArray lang;
        while (lang.size() < 2 * kFortschrittAb)
            lang += beispieltext();
        u.w.schreiben("Texte/lang.txt", lang);
        u.w.schreiben("Buch/Pages/Buch.5", "alte Seiten");
        u.w.schreiben("Buch/Pages/Buch.1", "alter Inhalt\r\n");
        u.panelMit("lang.txt");
        // The progress box takes the input while it runs: its cancel button stops the import.
        bool gesehen = false;
        QTimer klick;
        connect(&klick, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget())) {
                gesehen = true;
                QTest::mouseClick(box->findChild<QPushButton *>(), Qt::LeftButton);
            }
        });
        klick.start(0);
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p7(), "BitBtnLaden"), Qt::LeftButton);
        QVERIFY(gesehen);
        QCOMPARE(u.w.lesen("Buch/Pages/Buch.5"), QByteArray("alte Seiten"));
        QCOMPARE(u.w.lesen("Buch/Pages/Buch.1"), QByteArray("alter Inhalt\r\n"));
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QVERIFY(u.meldungen.boxen[0].second.contains("abgebrochen"));
        QVERIFY(!u.memo()->isVisibleTo(&u.buch.flaeche));
        QCOMPARE(QDir(u.w.nativ("Buch/Pages")).entryList(QDir::Files).size(), 2); // no draft left behind
    }

    void contentsOfEveryPartSavedOrCancelled_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<int>("teil");
        QTest::addColumn<QStringList>("dateien");
        QTest::addColumn<bool>("speichern");
        const QStringList album{"Buch/Pages/Buch.2", "Buch/Pages/Buch.8"};
        for (bool speichern : {true, false}) {
            const char *wie = speichern ? "save" : "cancel";
            QTest::addRow("reading part, %s", wie)
                << "AuswahlLeseteil" << 1 << QStringList{"Buch/Pages/Buch.1"} << speichern;
            QTest::addRow("album, %s", wie) << "AuswahlAlbum" << 0 << album << speichern;
            QTest::addRow("user help, %s", wie)
                << "AuswahlBenutzerHilfe" << 3 << QStringList{"Buch/Pages/Buch.6"} << speichern;
            QTest::addRow("author help, %s", wie)
                << "AuswahlAutorHilfe" << 2 << QStringList{"Buch/Pages/Buch.6"} << speichern;
        }
    }
    void contentsOfEveryPartSavedOrCancelled() {
        QFETCH(QString, knopf);
        QFETCH(int, teil);
        QFETCH(QStringList, dateien);
        QFETCH(bool, speichern);
        Umgebung u;
        for (const QString &d : dateien)
            u.w.schreiben(d, "Kapitel   3\r\n\r\n" + d.right(1).toLatin1() + "   7\r\n");
        u.inhaltOeffnen(knopf);
        QCOMPARE(u.zustand.Bearbeitungsteil, teil);
        QCOMPARE(u.fenster->isVisible(), teil != 0); // the album is saved by a double click
        QCOMPARE(u.fenster->pos().x(), 0);
        QCOMPARE(u.buch.auftraege.first(),
                 QStringLiteral("SeitenZeigen %1").arg(Inhaltsbearbeitung::inhaltsseite(teil)));
        QPlainTextEdit *memo2 = u.fenster->inhaltsbearbeitung().MemoInhalt2();
        QCOMPARE(memo2->isVisibleTo(&u.buch.flaeche), teil == 0);
        QCOMPARE(Inhaltsbearbeitung::zeilen(u.memo()), (QStringList{"Kapitel   3", "", dateien[0].right(1) + "   7"}));
        // The author adds a line at the end of each memo, by keys.
        for (QPlainTextEdit *m : {u.memo(), memo2}) {
            if (!m->isVisibleTo(&u.buch.flaeche)) continue;
            m->setFocus();
            m->moveCursor(QTextCursor::End);
            QTest::keyClick(m, Qt::Key_Return);
            QTest::keyClicks(m, QString::fromUtf8("Anhang   9"));
        }
        if (speichern) {
            if (teil == 0)
                QTest::mouseDClick(u.memo()->viewport(), Qt::LeftButton);
            else
                QTest::mouseClick(testing::kindNamens<QPushButton>(u.p11(), "PanelSaveContents"), Qt::LeftButton);
        } else {
            u.fenster->Auswahl(Aufgabe::Inhalt);
            QTest::mouseClick(testing::kindNamens<QPushButton>(u.p11(), "BitBtn1"), Qt::LeftButton);
        }
        QVERIFY(!u.fenster->isVisible());
        QVERIFY(!u.memo()->isVisibleTo(&u.buch.flaeche));
        QVERIFY(!memo2->isVisibleTo(&u.buch.flaeche));
        for (const QString &d : dateien) {
            const QByteArray alt = "Kapitel   3\r\n\r\n" + d.right(1).toLatin1() + "   7\r\n";
            QCOMPARE(u.w.lesen(d), speichern ? alt + "Anhang   9\r\n" : alt);
        }
    }

    // A save that cannot write even its first file says so, and the lines stay on the book.
    void aContentsSaveThatWritesNothingSaysSo() {
        Umgebung u;
        QDir(u.w.nativ("Buch/Pages")).removeRecursively();
        u.w.schreiben("Buch/Pages", "kein Ordner");
        u.fenster->NurInhaltsverzeichnis(3);
        QVERIFY(u.memo()->isVisibleTo(&u.buch.flaeche));
        QTest::mouseDClick(u.memo()->viewport(), Qt::LeftButton);
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QVERIFY(u.memo()->isVisibleTo(&u.buch.flaeche));
        QCOMPARE(u.w.lesen("Buch/Pages"), QByteArray("kein Ordner"));
    }

    void helpWithoutContentsStartsFromTheStandardHelp() {
        Umgebung u;
        u.inhaltOeffnen("AuswahlBenutzerHilfe");
        QCOMPARE(Inhaltsbearbeitung::zeilen(u.memo()), QStringList{"Hilfe"});
        QVERIFY(!u.w.gibt("Buch/Pages/Buch.6"));
        QTest::mouseDClick(u.memo()->viewport(), Qt::LeftButton);
        QCOMPARE(u.w.lesen("Buch/Pages/Buch.6"), QByteArray("Hilfe\r\n"));
        // The reading part has no contents yet: told, nothing shown.
        u.inhaltOeffnen("AuswahlLeseteil");
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QVERIFY(!u.memo()->isVisibleTo(&u.buch.flaeche));
    }

    void aFailedSaveKeepsTheOldFilesAndTheEdit() {
        Umgebung u;
        u.w.schreiben("Buch/Pages/Buch.2", "alt 2\r\n");
        u.w.schreiben("Buch/Pages/Buch.8", "alt 8\r\n");
        u.inhaltOeffnen("AuswahlAlbum");
        u.memo()->setPlainText("neu 2");
        // The second file cannot be replaced: a folder took its place.
        QFile::remove(u.w.nativ("Buch/Pages/Buch.8"));
        QDir().mkpath(u.w.nativ("Buch/Pages/Buch.8"));
        QTest::mouseDClick(u.memo()->viewport(), Qt::LeftButton);
        QCOMPARE(u.w.lesen("Buch/Pages/Buch.2"), QByteArray("alt 2\r\n"));
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QVERIFY(u.meldungen.boxen[0].second.contains("Buch.8"));
        QVERIFY(u.memo()->isVisibleTo(&u.buch.flaeche));
        QCOMPARE(u.memo()->toPlainText(), QString("neu 2"));
    }
};

QTEST_MAIN(TestImportfenster)
#include "test_importfenster.moc"
