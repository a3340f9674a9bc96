// The drive locator: hard-disk installation, programme beside a CD, no CD.
#include "fixture.h"
#include "project/core/exelaufwerk.h"

#include <QtTest>

using projekt::ExeLaufwerk;
using Status = projekt::Laufwerksergebnis::Status;

class TestExeLaufwerk : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aHardDiskInstallationKeepsItsDataBesideTheProgramme() {
        testing::Datenwurzel w;
        w.schreiben("NAMES.EXE", "x");
        const auto r = ExeLaufwerk(w.dateien(), w.gespeichert() + "Quarn.exe");
        QCOMPARE(r.status, Status::Gefunden);
        QCOMPARE(r.ort.name, QString("Quarn"));
        QCOMPARE(r.ort.stamm, w.gespeichert());
        QCOMPARE(r.ort.textSeiten(), w.gespeichert() + "Quarn\\Pages\\Quarn.5");
        QCOMPARE(r.ort.hilfeSeiten(), w.gespeichert() + "Quarn\\Pages\\Quarn.7");
    }

    void theNameEndsAtTheFirstDot() {
        testing::Datenwurzel w;
        w.schreiben("names.exe", "x");
        QCOMPARE(ExeLaufwerk(w.dateien(), w.gespeichert() + "a.b.exe").ort.name, QString("a"));
        QCOMPARE(ExeLaufwerk(w.dateien(), w.gespeichert() + "Pagora").ort.name, QString("Pagora"));
    }

    void besideACdTheDataComesFromTheFirstDriveThatHasIt() {
        testing::Datenwurzel programm;
        QTemporaryDir d, f;
        platform::DriveMap map = platform::DriveMap::system();
        map.setDrive('D', d.path());
        map.setDrive('F', f.path());
        const platform::Files dateien(map);
        QDir().mkpath(f.path() + "/Quarn/Pages");
        for (const char *name : {"/Quarn.exe", "/Quarn/Pages/Quarn.5", "/Quarn/Pages/Quarn.7"}) {
            QFile datei(f.path() + name);
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write(QByteArray(name) + "\xd0\r\n");
        }
        const auto r = ExeLaufwerk(dateien, programm.gespeichert() + "Quarn.exe");
        QCOMPARE(r.status, Status::Gefunden);
        QCOMPARE(r.ort.stamm, QString("F:\\"));
        QCOMPARE(r.ort.textSeiten(), programm.gespeichert() + "Quarn.5");
        QCOMPARE(programm.lesen("Quarn.5"), QByteArray("/Quarn/Pages/Quarn.5\xd0\r\n"));
        QCOMPARE(programm.lesen("Quarn.7"), QByteArray("/Quarn/Pages/Quarn.7\xd0\r\n"));
        // Only the first run copies: a present help page file is kept.
        programm.schreiben("Quarn.7", "eigene");
        programm.schreiben("Quarn.5", "eigene");
        ExeLaufwerk(dateien, programm.gespeichert() + "Quarn.exe");
        QCOMPARE(programm.lesen("Quarn.5"), QByteArray("eigene"));
        // D: is looked at first: the CD there wins over F:.
        QDir().mkpath(d.path() + "/Quarn/Pages");
        for (const char *name : {"/Quarn.exe", "/Quarn/Pages/Quarn.5", "/Quarn/Pages/Quarn.7"}) {
            QFile datei(d.path() + name);
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write("D");
        }
        QCOMPARE(ExeLaufwerk(dateien, programm.gespeichert() + "Quarn.exe").ort.stamm, QString("D:\\"));
    }

    void withoutACdTheProgrammeEnds() {
        testing::Datenwurzel programm;
        platform::DriveMap map;
        map.setDrive('C', "/");
        const auto r = ExeLaufwerk(platform::Files(map), programm.gespeichert() + "Quarn.exe");
        QCOMPARE(r.status, Status::KeineCd);
        QVERIFY(!programm.gibt("Quarn.5"));
    }

    void aCdWithoutItsPageFilesIsReported() {
        testing::Datenwurzel programm;
        QTemporaryDir e;
        platform::DriveMap map;
        map.setDrive('C', "/");
        map.setDrive('E', e.path());
        QFile exe(e.path() + "/Quarn.exe");
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.close();
        const auto r = ExeLaufwerk(platform::Files(map), programm.gespeichert() + "Quarn.exe");
        QCOMPARE(r.status, Status::KopierFehler);
        QCOMPARE(r.fehler, QString("E:\\Quarn\\Pages\\Quarn.7"));
    }
};

QTEST_APPLESS_MAIN(TestExeLaufwerk)
#include "test_exelaufwerk.moc"
