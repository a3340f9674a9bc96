// The authoring window on a simulated screen with a recording book: its look, the
// keys, the start panel, a new project in two stages, switching projects, the demo
// CD, and the same project made by the window and by `pagora-tool neu`.
#include "authoring/views/albumfrage.h"
#include "authoring/views/demoladen.h"
#include "authoring/views/rahmendaten.h"
#include "authoring/views/startpanel.h"
#include "autorenteile.h"
#include "leeresbuch.h"
#include "project/core/projektdateien.h"
#include "zustandfixture.h"

#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace authoring;
using Art = platform::Meldungen::Art;

namespace {

class Aufzeichnung : public platform::Meldungen {
public:
    void zeigen(Art art, const QString &text) override { boxen << qMakePair(art, text); }
    bool okAbbrechen(const QString &text) override { return jaNein(text); }
    bool jaNein(const QString &text) override {
        fragen << text;
        return antworten.isEmpty() ? true : antworten.takeFirst();
    }
    QList<QPair<Art, QString>> boxen;
    QStringList fragen;
    QList<bool> antworten;
};

class Buch : public testing::LeeresBuch {
public:
    void SeitenZeigen(int seite) override {
        auftraege << QStringLiteral("SeitenZeigen %1").arg(seite);
        if (zustand) zustand->AktuelleSeite = seite;
    }
    void ProjektReset() override { auftraege << "ProjektReset"; }
    void IniAuswerten() override { auftraege << "IniAuswerten"; }
    bool IniDateiLesen(const QString &name) override {
        auftraege << "IniDateiLesen " + name.mid(name.lastIndexOf('\\') + 1);
        return !zustand || projekt::EinstellungsdateiLesen(*zustand, name);
    }
    void Fensterfarbe(const QColor &farbe) override { auftraege << "Farbe " + farbe.name(); }
    void ProjekttitelZeigen(const QString &titel) override { auftraege << "Titel " + titel; }
    void auffrischen() override { auftraege << "auffrischen"; }
    void InhaltListenLeeren() override { auftraege << "InhaltListenLeeren"; }
    void TitelVorschau(const projekt::Titelgestaltung &t) override { auftraege << "TitelVorschau " + t.titel; }
    void GriffeVorschau(const QStringList &texte, const std::array<int, 5> &) override {
        auftraege << "GriffeVorschau " + texte.join('|');
    }
    void TextLinksSchreibbar(bool an) override { auftraege << QStringLiteral("TextLinksSchreibbar %1").arg(an); }
    void HintergrundZeigen(const QString &name) override { auftraege << "HintergrundZeigen " + name; }
    QStringList auftraege;
    app::Zustand *zustand = nullptr; // the page shown, as the book would set it
};

void vorlagenAnlegen(const testing::Datenwurzel &w) {
    w.schreiben("names.exe", "Festplatte");
    w.schreiben("Help/Projekt.dat", "Programm");
    w.schreiben("Help/default.6", "Hilfeinhalt\r\n");
    w.schreiben("Help/default.7", "Hilfeseiten");
    w.text("Pagora.ini", {"Title=Pagora"});
    w.text("Quarn.ini", {"Path=Quarn\\"});
    w.text("a.b.ini", {"Title=Punkte"});
    w.text("Autor.ini", {"Quarn"});
}

const QString kStufe1 = QString::fromUtf8(
    "Was Ihr Projekt zuerst braucht, sind ein Programmname und ein Dateiverzeichnis. Wenn beides angelegt ist, "
    "kommen die Feinheiten (Titel, Bildschirm-Optionen, Copyright)");
const QString kStufe2 =
    QString::fromUtf8("Das folgende Projektverzeichnis und die dazu gehörenden Programmdateien erstellen? (Platzbedarf "
                      "ca. 1 MB)"); // the templates of vorlagenAnlegen: a few bytes

struct Umgebung {
    explicit Umgebung(platform::ScreenInfo s = {1024, 768, 96},
                      platform::DriveMap laufwerke = platform::DriveMap::system())
        : zustand(platform::Files(laufwerke)), screen(s) {
        vorlagenAnlegen(w);
        testing::zustandEinrichten(w, zustand, "Pagora");
        fenster = std::make_unique<TBearbeitung>(zustand, screen, meldungen);
        fenster->setBuch(&buch);
        buch.zustand = &zustand;
    }
    Rahmendaten &p4() const { return testing::panel<Rahmendaten>(*fenster, "Panel4Rahmendaten"); }
    DemoLaden &p6() const { return testing::panel<DemoLaden>(*fenster, "Panel6DemoLaden"); }
    QStringList dateien() const {
        QStringList liste;
        QDirIterator it(w.nativ(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            liste << it.next().mid(w.nativ().size());
        liste.sort();
        return liste;
    }
    testing::Datenwurzel w;
    app::Zustand zustand;
    platform::SimulatedScreen screen;
    Aufzeichnung meldungen;
    Buch buch;
    std::unique_ptr<TBearbeitung> fenster;
};

// Typing as an author does: into the field that has the focus.
void tippen(const QString &text) {
    QWidget *fokus = QApplication::focusWidget();
    QVERIFY(fokus);
    QTest::keyClicks(fokus, text);
}

} // namespace

// The panel each task brings to the front.
const QHash<Aufgabe, QString> kPanelNamen = {
    {Aufgabe::Start, "Panel1DemoOderProjekt"},
    {Aufgabe::NeuesProjekt, "Panel4Rahmendaten"},
    {Aufgabe::Projektwechsel, "Panel6DemoLaden"},
    {Aufgabe::Import, "Panel7Import"},
    {Aufgabe::Titel, "Panel8Titel"},
    {Aufgabe::Register, "Panel9Register"},
    {Aufgabe::Copyright, "Panel10Copyright"},
    {Aufgabe::InhaltWaehlen, "Panel11Inhaltsverzeichnis"},
};

class TestBearbeitung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theWindow_data() {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<int>("ppi");
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("800x600") << 800 << 600 << 96 << QSize(381, 309);
        QTest::newRow("1920x1080") << 1920 << 1080 << 96 << QSize(381, 309);
        QTest::newRow("large fonts") << 1920 << 1080 << 120 << QSize(475, 385);
        QTest::newRow("97 ppi") << 1024 << 768 << 97 << QSize(475, 385);
    }
    void theWindow() {
        QFETCH(int, breite);
        QFETCH(int, hoehe);
        QFETCH(int, ppi);
        QFETCH(QSize, groesse);
        Umgebung u({breite, hoehe, ppi});
        TBearbeitung &f = *u.fenster;
        QVERIFY(!f.isVisible());
        QCOMPARE(f.size(), groesse);
        QVERIFY(f.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(f.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(155, 251, 193));
        f.Auswahl(Aufgabe::Start);
        QCOMPARE(f.windowTitle(), QString("Bearbeitung"));
        QCOMPARE(f.pos(), QPoint((breite - groesse.width()) / 2, (hoehe - groesse.height()) / 2));
        // Where the author moved it, it stays.
        f.move(10, 20);
        f.hide();
        f.Auswahl(Aufgabe::Projektwechsel);
        QCOMPARE(f.pos(), QPoint(10, 20));
    }

    void theStartPanelsEntries_data() {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<Aufgabe>("tag");
        QTest::addColumn<bool>("sichtbar");
        QTest::newRow("switch") << "ImageRunDemo" << Aufgabe::Projektwechsel << true;
        QTest::newRow("import") << "ImageTextImport" << Aufgabe::Import << true;
        QTest::newRow("new project") << "ImageFundamentals" << Aufgabe::NeuesProjekt << true;
        QTest::newRow("title") << "PanelProjektTitel" << Aufgabe::Titel << true;
        QTest::newRow("register") << "PanelRegister" << Aufgabe::Register << true;
        QTest::newRow("copyright") << "PanelCopyright" << Aufgabe::Copyright << true;
        QTest::newRow("contents") << "Inhaltsverzeichnisbearbeiten" << Aufgabe::InhaltWaehlen << true;
        QTest::newRow("new pictures") << "ImageNeueBilder" << Aufgabe::Start << false;
        QTest::newRow("album") << "ImageBilderInsAlbum" << Aufgabe::Start << false;
    }
    void theStartPanelsEntries() {
        QFETCH(QString, eintrag);
        QFETCH(Aufgabe, tag);
        QFETCH(bool, sichtbar);
        Umgebung u;
        u.fenster->Auswahl(Aufgabe::Start);
        auto *knopf =
            testing::kindNamens<QPushButton>(testing::panel<QWidget>(*u.fenster, "Panel1DemoOderProjekt"), eintrag);
        QVERIFY(knopf);
        QVERIFY(!knopf->accessibleName().isEmpty());
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(u.fenster->aktuellesPanel(), tag);
        QCOMPARE(u.fenster->isVisible(), sichtbar);
        QCOMPARE(testing::vorderesPanel(*u.fenster), u.fenster->findChild<QWidget *>(kPanelNamen.value(tag)));
        if (!sichtbar) QCOMPARE(u.buch.auftraege, QStringList{"auffrischen"});
        if (tag == Aufgabe::InhaltWaehlen)
            QVERIFY(testing::kindNamens<QWidget>(*u.fenster, "PanelVerzeichnisAuswahl")->isVisibleTo(u.fenster.get()));
    }

    void panelChoiceAndCancel() {
        Umgebung u;
        TBearbeitung &f = *u.fenster;
        f.Auswahl(Aufgabe::Inhalt);
        QVERIFY(!testing::kindNamens<QWidget>(f, "PanelVerzeichnisAuswahl")->isVisibleTo(&f));
        QCOMPARE(f.aktuellesPanel(), Aufgabe::Inhalt);
        QCOMPARE(testing::vorderesPanel(f)->objectName(), QString("Panel11Inhaltsverzeichnis"));
        QTest::keyClick(&f, Qt::Key_Return); // no OK for this Tag
        QVERIFY(f.isVisible());
        Albumfrage &frage = testing::panel<Albumfrage>(f, "Panel3JetztDasAlbum");
        f.Auswahl(Aufgabe::Albumfrage);
        QTest::mouseClick(testing::kindNamens<QPushButton>(frage, "BitBtnSpaeter"), Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QVERIFY(u.buch.auftraege.isEmpty());
        f.Auswahl(Aufgabe::Albumfrage);
        QTest::mouseClick(testing::kindNamens<QPushButton>(frage, "BitBtnJetzt"), Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QCOMPARE(u.buch.auftraege, QStringList{"auffrischen"});
        f.Auswahl(Aufgabe::Hintergrund);
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
    }

    void okWithBothFieldsUntouchedCreatesNothing() {
        Umgebung u;
        const QStringList vorher = u.dateien();
        testing::starten(*u.fenster, "ImageFundamentals");
        QVERIFY(QTest::qWaitForWindowActive(u.fenster.get()));
        QCOMPARE(QApplication::focusWidget(), testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName"));
        QCOMPARE(testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName")->text(), QString("Pagora"));
        QCOMPARE(testing::kindNamens<QLineEdit>(u.p4(), "EditProjektVerzeichnis")->text(), QString("Pagora"));
        QCOMPARE(testing::kindNamens<QLabel>(u.p4(), "LabelRahmendaten")->text(), kStufe1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!u.fenster->isVisible());
        QVERIFY(u.meldungen.fragen.isEmpty());
        QVERIFY(u.buch.auftraege.isEmpty());
        QCOMPARE(u.dateien(), vorher);
    }

    void changingOnlyTheNameAsksAboutTheFolder() {
        Umgebung u;
        const QStringList vorher = u.dateien();
        testing::starten(*u.fenster, "ImageFundamentals");
        QVERIFY(QTest::qWaitForWindowActive(u.fenster.get()));
        tippen("Buch"); // replaces the selected name
        QCOMPARE(testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName")->text(), QString("Buch"));
        u.meldungen.antworten = {false};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(u.meldungen.fragen,
                 QStringList{QString::fromUtf8("Das Projektverzeichnis wurde nicht geändert. Trotzdem fortfahren?")});
        QCOMPARE(u.p4().stufe(), int(Rahmendaten::Eingabe));
        QCOMPARE(testing::kindNamens<QLabel>(u.p4(), "LabelRahmendaten")->text(), kStufe1);
        QVERIFY(u.fenster->isVisible());
        QCOMPARE(u.dateien(), vorher);
        // Yes: the second stage waits for the final OK, which makes the project.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(u.meldungen.fragen.size(), 2);
        QCOMPARE(u.p4().stufe(), int(Rahmendaten::Bestaetigung));
        QCOMPARE(testing::kindNamens<QLabel>(u.p4(), "LabelRahmendaten")->text(), kStufe2);
        QCOMPARE(u.dateien(), vorher);
        QTest::keyClick(u.fenster.get(), Qt::Key_Return);
        QCOMPARE(u.buch.auftraege,
                 (QStringList{"ProjektReset", "Farbe #000000", "IniAuswerten", "Titel Buch", "SeitenZeigen 2000"}));
        QVERIFY(!u.fenster->isVisible());
        QCOMPARE(u.p4().stufe(), int(Rahmendaten::Nichts));
        QCOMPARE(u.w.lesen("Buch.exe"), QByteArray("Programm"));
        QCOMPARE(u.w.lesen("Pagora/Pages/Buch.6"), QByteArray("Hilfeinhalt\r\n"));
        QCOMPARE(u.zustand.ProgrammName, QString("Buch"));
        QCOMPARE(u.zustand.einstellungen.wert("Title"), QString("Buch"));
        QCOMPARE(u.zustand.einstellungen.wert("Path"), QString("Pagora"));
        QVERIFY(u.meldungen.boxen.isEmpty());
        // A further OK does nothing.
        u.buch.auftraege.clear();
        u.p4().BitBtnProjektOKClick();
        QVERIFY(u.buch.auftraege.isEmpty());
    }

    void keysInTheNameFields() {
        Umgebung u;
        testing::starten(*u.fenster, "ImageFundamentals");
        QVERIFY(QTest::qWaitForWindowActive(u.fenster.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), testing::kindNamens<QLineEdit>(u.p4(), "EditProjektVerzeichnis"));
        tippen("Werk?");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QCOMPARE(u.meldungen.boxen.first().second,
                 QString::fromUtf8("Ein Dateiname darf keines der folgenden Zeichen enthalten: \\ / : * ? \" < > |"));
        QVERIFY(u.meldungen.fragen.isEmpty());
        QCOMPARE(u.p4().stufe(), int(Rahmendaten::Eingabe));
        QVERIFY(u.fenster->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!u.fenster->isVisible());
        QVERIFY(!u.w.gibt("Werk?"));
    }

    // A name the creation would refuse is refused at the first OK, before any question;
    // a refusal at the second OK leads back to the first stage, so a corrected entry is
    // confirmed afresh.
    void refusalsComeAtTheFirstOkAndLeadBack() {
        Umgebung u;
        testing::starten(*u.fenster, "ImageFundamentals");
        for (const auto &[feld, text] :
             {std::pair{testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName"), "Gar.ten"},
              std::pair{testing::kindNamens<QLineEdit>(u.p4(), "EditProjektVerzeichnis"), "Garten"}}) {
            feld->selectAll();
            QTest::keyClicks(feld, text);
        }
        QTest::keyClick(testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName"), Qt::Key_Return);
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QVERIFY(u.meldungen.boxen.first().second.startsWith("Ein Programmname darf keinen Punkt"));
        QCOMPARE(u.p4().stufe(), int(Rahmendaten::Eingabe));
        QCOMPARE(testing::kindNamens<QLabel>(u.p4(), "LabelRahmendaten")->text(), kStufe1);
        testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName")->selectAll();
        QTest::keyClicks(testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName"), "Garten");
        QTest::keyClick(testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName"), Qt::Key_Return);
        QCOMPARE(u.p4().stufe(), int(Rahmendaten::Bestaetigung));
        // The folder turns into a file before the confirmation: refused, and back to the start.
        u.w.schreiben("Garten", "eine Datei");
        QTest::keyClick(testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName"), Qt::Key_Return);
        QCOMPARE(u.meldungen.boxen.size(), 2);
        QCOMPARE(u.p4().stufe(), int(Rahmendaten::Eingabe));
        QCOMPARE(testing::kindNamens<QLabel>(u.p4(), "LabelRahmendaten")->text(), kStufe1);
        QVERIFY(!u.w.gibt("Garten.exe"));
    }

    void loadingAProjectBySettingsFile_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QStringList>("auftraege");
        QTest::addColumn<bool>("meldung");
        QTest::newRow("nothing chosen") << "*.ini" << QStringList{} << false;
        // No project has a name with a dot: the file is no project's settings.
        QTest::newRow("several dots") << "a.b.ini" << QStringList{} << true;
        QTest::newRow("missing") << "Wald.ini" << QStringList{} << true;
        QTest::newRow("without ending") << "Quarn" << QStringList{"IniDateiLesen Quarn", "Titel Quarn"} << false;
    }
    // Opening the panel, or choosing a project that is not there, leaves the open
    // project as it is: its root, name and page files.
    void loadingAProjectBySettingsFile() {
        QFETCH(QString, eingabe);
        QFETCH(QStringList, auftraege);
        QFETCH(bool, meldung);
        Umgebung u;
        u.w.text("Quarn.ini", {"Title=Quarn", "Path=Quarn\\"});
        const QString seiten = u.zustand.TextSeitenDateiName;
        testing::starten(*u.fenster, "ImageRunDemo");
        QCOMPARE(testing::kindNamens<QLineEdit>(u.p6(), "EditIniDatei")->text(), QString("*.ini"));
        testing::kindNamens<QLineEdit>(u.p6(), "EditIniDatei")->setText(eingabe);
        QTest::keyClick(testing::kindNamens<QLineEdit>(u.p6(), "EditIniDatei"), Qt::Key_Return);
        QCOMPARE(u.buch.auftraege, auftraege);
        QCOMPARE(u.meldungen.boxen.size(), meldung ? 1 : 0);
        QCOMPARE(u.fenster->isVisible(), auftraege.isEmpty());
        QCOMPARE(u.zustand.TextSeitenDateiName,
                 auftraege.isEmpty() ? seiten : u.w.gespeichert() + "Quarn\\Pages\\Quarn.5");
    }

    // Making Quarn again through the panel asks, naming it; "Nein" keeps its settings
    // byte for byte, "Ja" starts them over.
    void makingAnExistingProjectAgainAsksFirst() {
        for (const bool zuruecksetzen : {false, true}) {
            Umgebung u;
            const QByteArray eigen = "Path=Quarn\\\r\nTitle=Quarn\r\nSubtitle=Mühlen\r\nSheet4=Karten\r\n";
            u.w.schreiben("Quarn.ini", eigen);
            testing::starten(*u.fenster, "ImageFundamentals");
            for (const auto &[feld, text] :
                 {std::pair{testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName"), "Quarn"},
                  std::pair{testing::kindNamens<QLineEdit>(u.p4(), "EditProjektVerzeichnis"), "Quarn"}}) {
                feld->selectAll();
                QTest::keyClicks(feld, text);
            }
            QTest::keyClick(testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName"), Qt::Key_Return);
            u.meldungen.antworten = {zuruecksetzen};
            QTest::keyClick(u.fenster.get(), Qt::Key_Return);
            QVERIFY(!u.meldungen.fragen.isEmpty());
            QVERIFY(u.meldungen.fragen.last().contains("\"Quarn\" gibt es schon"));
            QCOMPARE(u.zustand.ProgrammName, QString("Quarn"));
            if (zuruecksetzen) {
                QVERIFY(!u.w.lesen("Quarn.ini").contains("Subtitle"));
            } else {
                QCOMPARE(u.w.lesen("Quarn.ini"), eigen);
                QCOMPARE(u.zustand.einstellungen.wert("Sheet4"), QString("Karten"));
            }
        }
    }

    // Cancelling the switch panel leaves the book on the project it showed: an import
    // after it writes that project's page file.
    void cancellingTheSwitchKeepsTheProject() {
        Umgebung u;
        QVERIFY(projekt::EinstellungsdateiLesen(u.zustand, "Quarn"));
        const QString seiten = u.zustand.TextSeitenDateiName;
        QVERIFY(seiten.endsWith("Quarn\\Pages\\Quarn.5"));
        testing::starten(*u.fenster, "ImageRunDemo");
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p6(), "BitBtnIniNichtLaden"), Qt::LeftButton);
        QVERIFY(!u.fenster->isVisible());
        QCOMPARE(u.zustand.TextSeitenDateiName, seiten);
        QCOMPARE(u.zustand.ProjektVerzeichnis, u.w.gespeichert() + "Quarn\\");
    }

    void theFileListWritesTheChosenName() {
        Umgebung u;
        testing::starten(*u.fenster, "ImageRunDemo");
        QListWidget *liste = testing::kindNamens<QListWidget>(u.p6(), "FileListBox1");
        QStringList namen;
        for (int i = 0; i < liste->count(); ++i)
            namen << liste->item(i)->text();
        QCOMPARE(namen, (QStringList{"a.b.ini", "Pagora.ini", "Quarn.ini"}));
        const QRect zeile = liste->visualItemRect(liste->item(2));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
        QCOMPARE(testing::kindNamens<QLineEdit>(u.p6(), "EditIniDatei")->text(), QString("Quarn.ini"));
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p6(), "PanelIniLadenOk"), Qt::LeftButton);
        QCOMPARE(u.buch.auftraege.first(), QString("IniDateiLesen Quarn"));
    }

    void theDemoCd() {
        QTemporaryDir d, e;
        platform::DriveMap laufwerke = platform::DriveMap::system();
        laufwerke.setDrive('D', d.path());
        laufwerke.setDrive('E', e.path());
        Umgebung u({1024, 768, 96}, laufwerke);
        testing::starten(*u.fenster, "ImageRunDemo");
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p6(), "PanelDemoCD"), Qt::LeftButton);
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QCOMPARE(u.meldungen.boxen.first().second, QString("Die Demo-CDROM befindet sich nicht im CD-Laufwerk!"));
        QVERIFY(u.fenster->isVisible());
        QVERIFY(u.buch.auftraege.isEmpty());
        for (const char *datei : {"/QUARN.EXE", "/Quarn.ini"}) {
            QFile cd(e.path() + datei);
            QVERIFY(cd.open(QIODevice::WriteOnly));
        }
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p6(), "PanelDemoCD"), Qt::LeftButton);
        QVERIFY(!u.fenster->isVisible());
        QCOMPARE(u.zustand.StammVerzeichnis, QString("E:\\"));
        QCOMPARE(u.buch.auftraege, (QStringList{"IniDateiLesen Quarn", "Titel Pagora"}));
    }

    void theToolAndTheWindowMakeTheSameProject() {
        Umgebung u;
        testing::starten(*u.fenster, "ImageFundamentals");
        testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName")->setText("Buch");
        testing::kindNamens<QLineEdit>(u.p4(), "EditProgrammName")->setModified(true);
        testing::kindNamens<QLineEdit>(u.p4(), "EditProjektVerzeichnis")->setText("Werk");
        testing::kindNamens<QLineEdit>(u.p4(), "EditProjektVerzeichnis")->setModified(true);
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p4(), "BitBtnProjektOK"), Qt::LeftButton);
        QTest::mouseClick(testing::kindNamens<QPushButton>(u.p4(), "BitBtnProjektOK"), Qt::LeftButton);
        QCOMPARE(u.zustand.ProgrammName, QString("Buch"));

        testing::Datenwurzel werkzeug;
        vorlagenAnlegen(werkzeug);
        QProcess p;
        p.start(QStringLiteral(PAGORA_TOOL), {"--root", werkzeug.nativ(), "neu", "Buch", "Werk"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        // The window writes the settings when it makes the project, as the tool does.
        QStringList erwartet = u.dateien();
        QVERIFY(erwartet.contains("Buch.ini"));
        erwartet.sort();
        QDirIterator it(werkzeug.nativ(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        QStringList gemacht;
        while (it.hasNext())
            gemacht << it.next().mid(werkzeug.nativ().size());
        gemacht.sort();
        QCOMPARE(gemacht, erwartet);
        for (const QString &datei : u.dateien())
            if (QFileInfo(u.w.nativ(datei)).isFile()) QCOMPARE(werkzeug.lesen(datei), u.w.lesen(datei));
        QCOMPARE(werkzeug.lesen("Buch.ini"), u.zustand.einstellungen.schreiben(u.zustand.Vorgaben));
        QVERIFY(werkzeug.lesen("Buch.ini").startsWith("Path=Werk\r\nTitle=Buch\r\n"));

        // Refusals and usage, as the other commands give them.
        p.start(QStringLiteral(PAGORA_TOOL), {"--root", werkzeug.nativ(), "neu", "Bu:ch", "Werk2"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(QString::fromLocal8Bit(p.readAllStandardError()).contains("Ein Dateiname darf keines"));
        QVERIFY(!werkzeug.gibt("Werk2"));
        p.start(QStringLiteral(PAGORA_TOOL), {"--root", werkzeug.nativ(), "neu", "Buch"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
    }
};

QTEST_MAIN(TestBearbeitung)
#include "test_bearbeitung.moc"
