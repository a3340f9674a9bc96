// The translation chosen by the locale: German needs none, English is built into the
// program from the .ts file and reaches the windows' captions and the book's hints.
#include "app/views/bildmenue.h"
#include "app/views/meldungen.h"
#include "app/views/timageform.h"
#include "authoring/views/tbearbeitung.h"
#include "book/core/seitenanzeige.h"
#include "book/views/buchpanel.h"
#include "buchteile.h"
#include "fixture.h"
#include "platform/translation.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
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
        form.TimerAnfang.stop();
        QCOMPARE(form.PanelMenu()->LabelLesezeichen->text(), QString("Bookmarks"));
        QCOMPARE(form.PanelMenu()->LabelFundliste->text(), QString("Found list"));
        QCOMPARE(testing::teile(form.PanelBuch()).LabelNoCBT->text(), QString("Don't show the guide again"));
        const QStringList titel = menueTitel(form.menueleiste());
        QVERIFY2(titel.contains("File") && titel.contains("View") && titel.contains("Projects"),
                 qPrintable(titel.join('|')));
        QCOMPARE(bearbeitung.windowTitle(), QString("Authoring"));
        QCOMPARE(book::GriffHinweis("Mühle", 1000), QString("Contents at the start of the section \"Mühle\""));
        QCOMPARE(book::GriffHinweis("Mühle", 12), QString("Start of the section \"Mühle\""));
    }
};

QTEST_MAIN(TestSprache)
#include "test_sprache.moc"
