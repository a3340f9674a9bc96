// Settings files on disk: reading with and without a data root in front, the write
// test, Autor.ini, the page files and the tidying at exit.
#include "project/core/projektdateien.h"
#include "zustandfixture.h"

#include <QtTest>

using namespace app;

class TestProjektdateien : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsTheProjectsSettingsFromTheDefaults() {
        testing::Datenwurzel w;
        w.text("Quarn.ini", {"Title=Quarn"});
        Zustand z(w.dateien());
        testing::zustandEinrichten(w, z);
        z.einstellungen.setzen("Sheet1", "vorher");
        QVERIFY(EinstellungsdateiLesen(z, "Quarn"));
        QCOMPARE(z.ProgrammName, QString("Quarn"));
        QCOMPARE(z.einstellungen.wert("Title"), QString("Quarn"));
        QCOMPARE(z.einstellungen.wert("Sheet1"), QString("Texte"));
    }

    void anotherProjectsPageFilesFollowItsName() {
        testing::Datenwurzel w;
        w.text("Quarn.ini", {"Path=Quarn\\"});
        w.text("Pagora.ini", {"Title=Eigen"});
        Zustand z(w.dateien());
        testing::zustandEinrichten(w, z); // running as Pagora.exe
        const QString eigene = z.TextSeitenDateiName;
        QVERIFY(EinstellungsdateiLesen(z, "Pagora"));
        QCOMPARE(z.TextSeitenDateiName, eigene);
        QVERIFY(EinstellungsdateiLesen(z, "Quarn"));
        QCOMPARE(z.TextSeitenDateiName, w.gespeichert() + "Quarn\\Pages\\Quarn.5");
        QCOMPARE(z.HilfeSeitenDateiName, w.gespeichert() + "Quarn\\Pages\\Quarn.7");
    }

    void aMissingFileChangesNothing() {
        testing::Datenwurzel w;
        Zustand z(w.dateien());
        testing::zustandEinrichten(w, z);
        z.einstellungen.setzen("Title", "vorher");
        QVERIFY(!EinstellungsdateiLesen(z, "Fehlt"));
        QCOMPARE(z.ProgrammName, QString("Pagora"));
        QCOMPARE(z.einstellungen.wert("Title"), QString("vorher"));
    }

    void onlyADriveInFrontIsADataRoot() {
        // A name from Autor.ini that is no drive path must not lead anywhere else: not to
        // the working folder, and a missing file on a drive does not move the data root.
        testing::Datenwurzel w;
        w.text("xE:/Quarn.ini", {"Title=Daneben"});
        const QString vorher = QDir::currentPath();
        QDir::setCurrent(w.nativ());
        Zustand z(w.dateien());
        testing::zustandEinrichten(w, z);
        const QString stamm = z.StammVerzeichnis;
        for (const char *name : {"xE:\\Quarn", "Q:\\Fehlt", ":\\Quarn"}) {
            QVERIFY2(!EinstellungsdateiLesen(z, QString::fromLatin1(name)), name);
            QCOMPARE(z.StammVerzeichnis, stamm);
            QCOMPARE(z.ProgrammName, QString("Pagora"));
        }
        QDir::setCurrent(vorher);
    }

    void aNameWithADataRootReadsFromThatRoot() {
        testing::Datenwurzel eigene;
        QTemporaryDir cd;
        platform::DriveMap map = platform::DriveMap::system();
        map.setDrive('E', cd.path());
        Zustand z{platform::Files(map)};
        testing::zustandEinrichten(eigene, z);
        QFile f(cd.path() + "/Quarn.ini");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Title=Vom Datentr\xe4ger\r\n");
        f.close();
        QVERIFY(EinstellungsdateiLesen(z, "E:\\Quarn"));
        QCOMPARE(z.StammVerzeichnis, QString("E:\\"));
        QCOMPARE(z.ProgrammName, QString("Quarn"));
        QCOMPARE(z.einstellungen.wert("Title"), QString::fromUtf8("Vom Datenträger"));
        // A root deeper than a drive keeps its folders.
        Zustand tief(eigene.dateien());
        eigene.text("Projekte/Quarn.ini", {"Title=Tief"});
        QVERIFY(EinstellungsdateiLesen(tief, eigene.gespeichert() + "Projekte\\Quarn"));
        QCOMPARE(tief.StammVerzeichnis, eigene.gespeichert() + "Projekte\\");
        QCOMPARE(tief.einstellungen.wert("Title"), QString("Tief"));
    }

    void theWriteTestLeavesNoFileAndFailsOnAProtectedRoot() {
        testing::Datenwurzel w;
        Zustand z(w.dateien());
        testing::zustandEinrichten(w, z);
        QVERIFY(SchreibTest(z));
        QVERIFY(!w.gibt("Test.txt"));
        testing::Datenwurzel geschuetzt;
        geschuetzt.schreibschutz();
        Zustand g(geschuetzt.dateien());
        testing::zustandEinrichten(geschuetzt, g);
        QVERIFY(!SchreibTest(g));
        g.einstellungen.setzen("Title", "x");
        QVERIFY(!IniDateiSchreiben(g));
        QVERIFY(!geschuetzt.gibt("Pagora.ini"));
    }

    void readingAndWritingAgainGivesTheSameBytes() {
        testing::Datenwurzel w;
        const QByteArray datei = "Title2=Untertitel\r\nTitle2.Top=224\r\nTitle1.FontSize=24\r\nTitle2.FontSize=11\r\n"
                                 "Sheet1=Texte\r\nSheet2=Bilder\r\nSheet3=Hilfe\r\nSheet4=\r\nSheet5=\r\nMark1=0\r\n"
                                 "Mark2=1000\r\nMark3=2000\r\nMark4=\r\nMark5=\r\nMark6=12\r\nMark7=\r\nMark8=\r\n"
                                 "Mark9=\r\nShowCBT=0\r\nWallpaper=\r\n";
        w.schreiben("Pagora.ini", datei);
        Zustand z(w.dateien());
        testing::zustandEinrichten(w, z);
        QVERIFY(EinstellungsdateiLesen(z, "Pagora"));
        QVERIFY(IniDateiSchreiben(z));
        QCOMPARE(w.lesen("Pagora.ini"), datei);
    }

    void autorIniNamesTheProjectAndItsRootWhenThatIsProtected() {
        testing::Datenwurzel eigene;
        Zustand z(eigene.dateien());
        testing::zustandEinrichten(eigene, z, "Quarn");
        QVERIFY(AutorIniSchreiben(z, eigene.gespeichert()));
        QCOMPARE(eigene.lesen("Autor.ini"), QByteArray("Quarn\r\n"));
        QCOMPARE(AutorIniLesen(z).value_or("fehlt"), QString("Quarn"));

        testing::Datenwurzel cd;
        cd.schreibschutz();
        z.StammVerzeichnis = cd.gespeichert();
        QVERIFY(AutorIniSchreiben(z, eigene.gespeichert()));
        QCOMPARE(z.ProgrammName, cd.gespeichert() + "Quarn");
        QCOMPARE(platform::fromCp1252(eigene.lesen("Autor.ini")), cd.gespeichert() + "Quarn\r\n");
    }

    void anEmptyAutorIniGivesAnEmptyName() {
        testing::Datenwurzel w;
        w.schreiben("Autor.ini", "\r\n");
        Zustand z(w.dateien());
        testing::zustandEinrichten(w, z);
        QCOMPARE(AutorIniLesen(z).value_or("fehlt"), QString());
        testing::Datenwurzel ohne;
        Zustand o(ohne.dateien());
        testing::zustandEinrichten(ohne, o);
        QVERIFY(!AutorIniLesen(o).has_value());
        // A first line that is no programme name is no name at all.
        for (const QByteArray &binaer :
             {QByteArray("\x01\x7f\x02MZ\r\n"), QByteArray("Quarn.exe\r\n"), QByteArray("C:\\a\\b:c\r\n")}) {
            w.schreiben("Autor.ini", binaer);
            QVERIFY2(!AutorIniLesen(z).has_value(), binaer.constData());
        }
        w.schreiben("Autor.ini", "C:\\buecher\\Quarn\r\n");
        QCOMPARE(AutorIniLesen(z).value_or("fehlt"), QString("C:\\buecher\\Quarn"));
    }

    // Settings are never lost: a file is read whole wherever its keys stand, only
    // replaced by the table that was read from it, and one too large to read whole is
    // never replaced.
    void settingsFilesAreOnlyReplacedByWhatWasReadFromThem() {
        testing::Datenwurzel w;
        QByteArray kommentare;
        while (kommentare.size() < 1200000)
            kommentare += "; eine Zeile, die nur Platz braucht\r\n";
        const QByteArray gross = kommentare + "Title=Gross\r\nSheet1=Eins\r\n";
        w.schreiben("Quarn.ini", gross);
        w.text("Pagora.ini", {"Title=Eigen"});
        Zustand z(w.dateien());
        testing::zustandEinrichten(w, z);
        QVERIFY(EinstellungsdateiLesen(z, "Quarn"));
        QCOMPARE(z.einstellungen.wert("Title"), QString("Gross"));
        QCOMPARE(z.einstellungen.wert("Sheet1"), QString("Eins"));
        QVERIFY(IniDateiSchreiben(z));
        QVERIFY(platform::fromCp1252(w.lesen("Quarn.ini")).contains("Title=Gross\r\n"));
        // Quarn's table is not written under another project's name.
        z.ortSetzen(OrtFuer(z, w.gespeichert(), "Pagora", {}));
        QVERIFY(!IniDateiSchreiben(z));
        QCOMPARE(w.lesen("Pagora.ini"), QByteArray("Title=Eigen\r\n"));
        // A new project's file that does not exist yet is written.
        z.ortSetzen(OrtFuer(z, w.gespeichert(), "Neu", {}));
        QVERIFY(IniDateiSchreiben(z));
        QVERIFY(w.gibt("Neu.ini"));
        // Beyond what is read, the file is read as far as that and never written back.
        w.schreiben("Riesig.ini",
                    "Title=Riesig\r\n" + QByteArray(projekt::kMaxEinstellungsdatei, ';') + "\r\nSheet1=Verloren\r\n");
        QVERIFY(EinstellungsdateiLesen(z, "Riesig"));
        QVERIFY(z.einstellungenZuGross);
        QCOMPARE(z.einstellungen.wert("Title"), QString("Riesig"));
        QVERIFY(!IniDateiSchreiben(z));
        QCOMPARE(w.lesen("Riesig.ini").size(), projekt::kMaxEinstellungsdatei + 33);
    }

    void pageFilesAreCountedInWholeRecords() {
        testing::Datenwurzel w;
        w.schreiben("Pagora/Pages/Pagora.5", QByteArray(1537 * 3, ' '));
        w.schreiben("Pagora/Pages/Pagora.7", QByteArray(1537 * 2 + 5, ' '));
        Zustand z(w.dateien());
        testing::zustandEinrichten(w, z);
        SeitenDateienOeffnen(z);
        QCOMPARE(z.TextSeitenZahl, 3);
        QCOMPARE(z.HilfeSeitenZahl, 2);
        QVERIFY(z.TextDateiOffen);
        QVERIFY(z.HilfeDateiOffen);
        QFile::remove(w.nativ("Pagora/Pages/Pagora.5"));
        SeitenDateienOeffnen(z);
        QCOMPARE(z.TextSeitenZahl, 0);
        QVERIFY(z.TextDateiOffen);
    }

    void onlyEmptyMarkFilesAreDeleted() {
        testing::Datenwurzel w;
        w.schreiben("Pagora/Album/leer.txt", "");
        w.schreiben("Pagora/Album/GROSS.TXT", "");
        w.schreiben("Pagora/Album/voll.Txt", "0001,0002,Turm\r\n");
        w.schreiben("Pagora/Album/bild.dok", "");
        Zustand z(w.dateien());
        testing::zustandEinrichten(w, z);
        QCOMPARE(LeereKommentareLoeschen(z), 2);
        QVERIFY(!w.gibt("Pagora/Album/leer.txt"));
        QVERIFY(!w.gibt("Pagora/Album/GROSS.TXT"));
        QVERIFY(w.gibt("Pagora/Album/voll.Txt"));
        QVERIFY(w.gibt("Pagora/Album/bild.dok"));
    }
};

QTEST_APPLESS_MAIN(TestProjektdateien)
#include "test_projektdateien.moc"
