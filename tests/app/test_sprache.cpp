// The translation chosen by the locale: German needs none, English is built into the
// program from the .ts file and reaches the windows' captions and the book's hints.
#include "app/views/bildmenue.h"
#include "app/views/buchlenkung.h"
#include "app/views/meldungen.h"
#include "app/views/tastenuebersicht.h"
#include "app/views/timageform.h"
#include "authoring/views/tbearbeitung.h"
#include "book/core/seitenanzeige.h"
#include "book/core/seitensatz.h"
#include "book/views/bildlader.h"
#include "book/views/buchpanel.h"
#include "buchteile.h"
#include "fixture.h"
#include "menueteile.h"
#include "platform/translation.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

class Stumm : public app::Meldungen {
public:
    void zeigen(Art, const QString &) override {}
    bool okAbbrechen(const QString &) override { return true; }
};

void alleEntfernen() {
    for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

QStringList menueTitel(QMenuBar *bar) {
    QStringList titel;
    for (QAction *a : bar->actions())
        titel << a->text();
    return titel;
}

// The German sources of the .ts file whose English reads otherwise.
QSet<QString> deutscheQuellen() {
    QFile ts(PAGORA_TS_EN);
    if (!ts.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&ts);
    QSet<QString> quellen;
    QString quelle;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"source")
            quelle = xml.readElementText();
        else if (xml.name() == u"translation" && xml.readElementText() != quelle)
            quellen << quelle;
    }
    return quellen;
}

// The captions of the buttons of the message box the call opens, as the user sees them.
QStringList knoepfeDerBox(const std::function<void()> &oeffnen) {
    QStringList knoepfe;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton *k : box->buttons())
            knoepfe << k->text();
        box->reject();
    });
    oeffnen();
    knoepfe.sort();
    return knoepfe;
}

void menueTexte(const QMenu *menue, QStringList &texte) {
    for (QAction *a : menue->actions()) {
        if (!a->text().isEmpty()) texte << a->text().remove('&');
        if (a->menu()) menueTexte(a->menu(), texte);
    }
}

} // namespace

class TestSprache : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { alleEntfernen(); }

    void keineUebersetzungFuerDeutschUndUnbekannte_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("de_DE") << "de_DE";
        QTest::newRow("de_AT") << "de_AT";
        QTest::newRow("C") << "C";
        QTest::newRow("fr_FR") << "fr_FR";
    }
    void keineUebersetzungFuerDeutschUndUnbekannte() {
        QFETCH(QString, locale);
        QVERIFY(!platform::installTranslation(*qApp, QLocale(locale)));
        QCOMPARE(book::GriffHinweis("Mühle", 1000), QString("Inhaltsverzeichnis am Beginn des Abschnitts \"Mühle\""));
    }

    // Every message of the .ts file comes out of the built-in translation as written
    // there, and none is left untranslated.
    void jedeMeldungUebersetzt() {
        QVERIFY(platform::installTranslation(*qApp, QLocale("en_US")));
        QFile ts(PAGORA_TS_EN);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString kontext, quelle;
        int zahl = 0;
        while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
            if (!xml.isStartElement()) continue;
            if (xml.name() == u"name")
                kontext = xml.readElementText();
            else if (xml.name() == u"source")
                quelle = xml.readElementText();
            else if (xml.name() == u"translation") {
                QVERIFY2(xml.attributes().value("type").isEmpty(), qPrintable("unübersetzt: " + quelle));
                const QString soll = xml.readElementText();
                QVERIFY2(!soll.isEmpty(), qPrintable("leer: " + quelle));
                QCOMPARE(QCoreApplication::translate(kontext.toUtf8(), quelle.toUtf8()), soll);
                ++zahl;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(zahl > 100);
    }

    // The main window built under an English locale shows English captions and menus.
    void englischeBeschriftungen() {
        QVERIFY(platform::installTranslation(*qApp, QLocale("en_GB")));
        testing::Datenwurzel w;
        w.schreiben("names.exe", "x");
        w.text("Pagora.ini", {"Title=Abcd", "Sheet1=Texte"});
        w.text("Pagora/Pages/Pagora.1", {"Anfang                     2"});
        app::Zustand zustand(w.dateien());
        zustand.programmDatei = w.gespeichert() + "Pagora.exe";
        platform::SimulatedScreen screen({1024, 768, 96});
        Stumm meldungen;
        authoring::TBearbeitung bearbeitung(zustand, screen, meldungen);
        app::TImageForm form(zustand, screen, meldungen);
        form.eroeffnungAnhalten();
        QCOMPARE(testing::Menueteile(*form.PanelMenu()).LabelLesezeichen->text(), QString("Bookmarks"));
        QCOMPARE(testing::Menueteile(*form.PanelMenu()).LabelFundliste->text(), QString("Found list"));
        QCOMPARE(testing::teile(form.PanelBuch()).LabelNoCBT->text(), QString("Don't show the guide again"));
        const QStringList titel = menueTitel(form.menueleiste());
        QVERIFY2(titel.contains("File") && titel.contains("View") && titel.contains("Projects"),
                 qPrintable(titel.join('|')));
        QCOMPARE(bearbeitung.windowTitle(), QString("Authoring"));
        QCOMPARE(book::GriffHinweis("Mühle", 1000), QString("Contents at the start of the section \"Mühle\""));
        QCOMPARE(book::GriffHinweis("Mühle", 12), QString("Start of the section \"Mühle\""));
    }

    // Under en_GB the user sees no German interface text: the buttons of the real message
    // boxes, every menu, the key map, the bookmark's hint and the tour's pictures.
    void englischAufDemBildschirm() {
        QVERIFY(platform::installTranslation(*qApp, QLocale("en_GB")));
        const QSet<QString> deutsch = deutscheQuellen();
        QVERIFY(deutsch.contains("Abbrechen") && deutsch.contains("Ja"));
        app::Meldungsboxen boxen;
        QCOMPARE(knoepfeDerBox([&] { boxen.jaNein("?"); }), QStringList({"No", "Yes"}));
        QCOMPARE(knoepfeDerBox([&] { boxen.okAbbrechen("?"); }), QStringList({"Cancel", "OK"}));
        QCOMPARE(knoepfeDerBox([&] { boxen.zeigen(app::Meldungen::Art::Fehler, "?"); }), QStringList({"OK"}));

        testing::Datenwurzel w;
        w.schreiben("names.exe", "x");
        w.text("Pagora.ini", {"Title=Abcd", "ShowCBT=0"});
        w.text("Pagora/Pages/Pagora.1", {"Anfang                     2"});
        QByteArray seiten;
        for (int i = 0; i < 12; ++i)
            seiten += book::Seitensatz().bytes();
        w.schreiben("Pagora/Pages/Pagora.5", seiten);
        app::Zustand zustand(w.dateien());
        zustand.programmDatei = w.gespeichert() + "Pagora.exe";
        platform::SimulatedScreen screen({1024, 768, 96});
        Stumm meldungen;
        app::TImageForm form(zustand, screen, meldungen);
        form.eroeffnungAnhalten();
        for (int i = 0; i < 60; ++i)
            form.TimerAnfangTimer();
        QStringList texte;
        for (QAction *a : form.menueleiste()->actions()) {
            texte << a->text().remove('&');
            if (a->menu()) menueTexte(a->menu(), texte);
        }
        menueTexte(form.ansichtMenue(), texte);
        app::Tastenuebersicht karte;
        for (int r = 0; r < testing::kindNamens<QTableWidget>(karte, "TabelleTasten")->rowCount(); ++r)
            for (int c = 0; c < 2; ++c)
                texte << testing::kindNamens<QTableWidget>(karte, "TabelleTasten")->item(r, c)->text();
        QCOMPARE(karte.windowTitle(), QString("Keys"));
        // A bookmark laid into spread 11-12 names its place in English.
        form.SeitenZeigen(12);
        form.buchlenkung()->LesezeichenTaste(1);
        QCOMPARE(form.buchlenkung()->lesezeichenHinweis(1), QString("Text, pages 11-12"));
        texte << form.buchlenkung()->lesezeichenHinweis(1);
        QStringList uebrig;
        for (const QString &t : texte)
            if (deutsch.contains(t)) uebrig << t;
        QVERIFY2(uebrig.isEmpty(), qPrintable(uebrig.join(" | ")));

        // The tour's pictures write English words.
        QFile svg(":/svg/CBTarm.svg");
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString quelle = QString::fromUtf8(svg.readAll());
        const QString englisch = book::Bildworte(quelle);
        QVERIFY(quelle.contains("Am rechten Rand des Buches"));
        QVERIFY(!englisch.contains("Am rechten Rand") && englisch.contains("right edge of the book"));
        QImage bild(290, 330, QImage::Format_RGB32);
        bild.fill(Qt::magenta);
        // The bitmap of the build carries the German words; the screen gets the English ones.
        QVERIFY(book::Bildschirmbild(bild, "CBTarm", true).toImage() != book::MitTransparenz(bild).toImage());
    }

    // The interface languages in the user's order, as Qt reads LANGUAGE: the first one the
    // program speaks wins, German included.
    void languageReihenfolge_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("englisch");
        QTest::newRow("de_DE, LANGUAGE=en") << "de_DE.UTF-8"
                                            << "en" << true;
        QTest::newRow("en_US, LANGUAGE=de") << "en_US.UTF-8"
                                            << "de" << false;
        QTest::newRow("en_US, LANGUAGE=fr:de:en") << "en_US.UTF-8"
                                                  << "fr:de:en" << false;
        QTest::newRow("de_DE, LANGUAGE=fr:en_GB") << "de_DE.UTF-8"
                                                  << "fr:en_GB" << true;
        QTest::newRow("en_GB") << "en_GB.UTF-8"
                               << "" << true;
    }
    void languageReihenfolge() {
        QFETCH(QString, lang);
        QFETCH(QString, language);
        QFETCH(bool, englisch);
        QProcess werkzeug;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.remove("LC_ALL");
        umgebung.remove("LC_MESSAGES");
        umgebung.insert("LANG", lang);
        umgebung.insert("LANGUAGE", language);
        werkzeug.setProcessEnvironment(umgebung);
        werkzeug.start(PAGORA_TOOL, {"--help"});
        QVERIFY(werkzeug.waitForFinished(20000));
        const QString ausgabe = QString::fromUtf8(werkzeug.readAllStandardOutput() + werkzeug.readAllStandardError());
        QVERIFY2(ausgabe.contains("Usage") == englisch, qPrintable(ausgabe.left(300)));
    }
};

QTEST_MAIN(TestSprache)
#include "test_sprache.moc"
