// Project creation without a window: the file-name test, the folders and copies in
// their order, what an existing project keeps, missing templates, refusals and a copy
// that fails, and the settings a new project starts with.
#include "authoring/core/projektanlage.h"
#include "project/core/projektdateien.h"
#include "zustandfixture.h"

#include <QtTest>

using namespace authoring;
using Status = Projektergebnis::Status;

namespace {

const QString kDateinamenWarnung =
    QString::fromUtf8("Ein Dateiname darf keines der folgenden Zeichen enthalten: \\ / : * ? \" < > |");

// A data root with every template a new project is made from.
void vorlagenAnlegen(const testing::Datenwurzel &w) {
    w.schreiben("names.exe", "Festplatte");
    w.schreiben("Help/Projekt.dat", "Programm");
    w.schreiben("Help/default.6", "Hilfeinhalt\r\n");
    w.schreiben("Help/default.7", "Hilfeseiten");
}

Projektergebnis anlegen(const testing::Datenwurzel &w, const QString &name, const QString &ordner) {
    return ProjektAnlegen(w.dateien(), {w.gespeichert(), name, ordner});
}

} // namespace

class TestProjektanlage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theFileNameTest_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("abgelehnt");
        for (const char *zeichen : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
            QTest::newRow(zeichen) << QStringLiteral("Mein%1Buch").arg(QLatin1String(zeichen)) << true;
        QTest::newRow("climbing") << QStringLiteral("..") << true;
        QTest::newRow("climbing inside") << QStringLiteral("a..b") << true;
        QTest::newRow("plain") << QStringLiteral("Mühlenbuch 2") << false;
        QTest::newRow("one dot") << QStringLiteral("a.b") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void theFileNameTest() {
        QFETCH(QString, text);
        QFETCH(bool, abgelehnt);
        const auto warnung = DateinamenPruefen(text);
        QCOMPARE(warnung.has_value(), abgelehnt);
        if (abgelehnt) QCOMPARE(*warnung, kDateinamenWarnung);
    }

    void aNewProjectGetsItsFoldersAndCopies() {
        testing::Datenwurzel w;
        vorlagenAnlegen(w);
        QFile::setPermissions(w.nativ("Help/Projekt.dat"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const Projektergebnis r = anlegen(w, "Buch", "Werk");
        QCOMPARE(r.status, Status::Fertig);
        QVERIFY(r.warnungen.isEmpty());
        for (const char *ordner : {"Werk/Album", "Werk/Slides", "Werk/Pages", "Werk/Huge"})
            QVERIFY2(QFileInfo(w.nativ(ordner)).isDir(), ordner);
        QCOMPARE(w.lesen("Werk/Album/Names.exe"), QByteArray("Festplatte"));
        QCOMPARE(w.lesen("Buch.exe"), QByteArray("Programm"));
        QVERIFY(QFileInfo(w.nativ("Buch.exe")).isExecutable());
        QCOMPARE(w.lesen("Werk/Pages/Buch.6"), QByteArray("Hilfeinhalt\r\n"));
        QCOMPARE(w.lesen("Werk/Pages/Buch.7"), QByteArray("Hilfeseiten"));
    }

    void anExistingProjectKeepsItsWorkButGetsANewProgrammeFile() {
        testing::Datenwurzel w;
        vorlagenAnlegen(w);
        const QMap<QString, QByteArray> vorhanden{
            {"Buch/Pages/Buch.6", "eigener Inhalt"}, {"Buch/Pages/Buch.7", "eigene Hilfe"},
            {"Buch/Pages/Buch.5", "Seiten"},         {"Buch/Pages/Buch.3", "Turm:Der Turm"},
            {"Buch/Album/Names.exe", "alt"},         {"Buch/Album/Turm.bmp", "Bild"},
            {"Buch.exe", "altes Programm"}};
        for (auto it = vorhanden.begin(); it != vorhanden.end(); ++it)
            w.schreiben(it.key(), it.value());
        QCOMPARE(anlegen(w, "Buch", "Buch").status, Status::Fertig);
        for (auto it = vorhanden.begin(); it != vorhanden.end(); ++it)
            if (it.key() != "Buch.exe") QCOMPARE(w.lesen(it.key()), it.value());
        QCOMPARE(w.lesen("Buch.exe"), QByteArray("Programm"));
    }

    void aMissingTemplateIsReportedAndCreationGoesOn_data() {
        QTest::addColumn<QString>("fehlt");
        QTest::addColumn<QString>("ziel");
        QTest::newRow("Names.exe") << "names.exe"
                                   << "Buch\\Album\\Names.exe";
        QTest::newRow("Projekt.dat") << "Help/Projekt.dat"
                                     << "Buch.exe";
        QTest::newRow("default.6") << "Help/default.6"
                                   << "Buch\\Pages\\Buch.6";
        QTest::newRow("default.7") << "Help/default.7"
                                   << "Buch\\Pages\\Buch.7";
    }
    void aMissingTemplateIsReportedAndCreationGoesOn() {
        QFETCH(QString, fehlt);
        QFETCH(QString, ziel);
        testing::Datenwurzel w;
        vorlagenAnlegen(w);
        QFile::remove(w.nativ(fehlt));
        const Projektergebnis r = anlegen(w, "Buch", "Buch");
        QCOMPARE(r.status, Status::Fertig);
        const QString quelle =
            w.gespeichert() + (fehlt == "names.exe" ? QString("Names.exe") : QString(fehlt).replace('/', '\\'));
        QCOMPARE(r.warnungen,
                 QStringList{QStringLiteral("Kann Datei %1 nicht erstellen (%2 fehlt)")
                                 .arg(w.dateien().native(w.gespeichert() + ziel), w.dateien().native(quelle))});
        QCOMPARE(int(w.gibt("Buch/Album/Names.exe")) + int(w.gibt("Buch.exe")) + int(w.gibt("Buch/Pages/Buch.6")) +
                     int(w.gibt("Buch/Pages/Buch.7")),
                 3);
    }

    void refusedNamesAndFoldersMakeNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<bool>("dateinamenWarnung");
        QTest::newRow("folder climbs") << "Buch"
                                       << ".." << true;
        QTest::newRow("name climbs") << "..Buch"
                                     << "Buch" << true;
        QTest::newRow("folder is the root") << "Buch"
                                            << "." << true;
        QTest::newRow("folder links out") << "Buch"
                                          << "Draussen" << true;
        QTest::newRow("slash in folder") << "Buch"
                                         << "a/b" << true;
        QTest::newRow("empty name") << ""
                                    << "Buch" << false;
        QTest::newRow("blank folder") << "Buch"
                                      << " " << false;
        QTest::newRow("dot in name") << "Mein.Buch"
                                     << "Buch" << false;
        QTest::newRow("blank around name") << " Buch"
                                           << "Buch" << false;
    }
    void refusedNamesAndFoldersMakeNothing() {
        QFETCH(QString, name);
        QFETCH(QString, ordner);
        QFETCH(bool, dateinamenWarnung);
        testing::Datenwurzel w;
        vorlagenAnlegen(w);
        QTemporaryDir draussen;
        QVERIFY(QFile::link(draussen.path(), w.nativ("Draussen")));
        const QStringList vorher = QDir(w.nativ()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const Projektergebnis r = anlegen(w, name, ordner);
        QCOMPARE(r.status, Status::Abgelehnt);
        QCOMPARE(r.meldung == kDateinamenWarnung, dateinamenWarnung);
        QVERIFY(!r.meldung.isEmpty());
        QCOMPARE(QDir(w.nativ()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), vorher);
        QVERIFY(QDir(draussen.path()).isEmpty());
    }

    void aFailedCopyStopsTheCreation() {
        testing::Datenwurzel w;
        vorlagenAnlegen(w);
        QDir().mkpath(w.nativ("Buch.exe")); // the programme file cannot be written
        const Projektergebnis r = anlegen(w, "Buch", "Buch");
        QCOMPARE(r.status, Status::Fehler);
        QVERIFY(r.meldung.contains(w.gespeichert() + "Buch.exe"));
        QVERIFY(w.gibt("Buch/Album/Names.exe")); // made before the failure
        QVERIFY(!w.gibt("Buch/Pages/Buch.6"));   // the rest is skipped
    }

    void theSettingsOfANewProject() {
        testing::Datenwurzel w;
        app::Zustand z(w.dateien());
        testing::zustandEinrichten(w, z, "Pagora");
        z.einstellungen.setzen("Sheet1", "geändert");
        const QString lang(250, QChar('x'));
        QVERIFY(NeuesProjektEinstellen(z, {w.gespeichert(), lang, "Werk"}, Einstellungsbeginn::Neu));
        QCOMPARE(z.einstellungen.wert("Title"), lang.left(200));
        QCOMPARE(z.einstellungen.wert("Path"), QString("Werk"));
        QCOMPARE(z.einstellungen.wert("Sheet1"), QString("Texte"));
        QCOMPARE(z.ProgrammName, lang);
        QCOMPARE(z.ProjektVerzeichnis, w.gespeichert() + "Werk\\");
        // The page files lie in the project's own folder, whatever its name.
        QCOMPARE(z.HilfeSeitenDateiName, w.gespeichert() + "Werk\\Pages\\" + lang + ".7");
        QVERIFY(w.gibt(lang + ".ini")); // written at once: the project can be chosen again
    }

    void aNewProjectsSettingsReplaceAnOlderFile() {
        testing::Datenwurzel w;
        w.text("Buch.ini", {"Title=Alt", "Sheet1=Alt"});
        app::Zustand z(w.dateien());
        testing::zustandEinrichten(w, z, "Pagora");
        QVERIFY(NeuesProjektEinstellen(z, {w.gespeichert(), "Buch", "Buch"}, Einstellungsbeginn::Neu));
        QVERIFY(w.lesen("Buch.ini").startsWith("Path=Buch\r\nTitle=Buch\r\nTitle.Left=64"));
    }
};

QTEST_GUILESS_MAIN(TestProjektanlage)
#include "test_projektanlage.moc"
