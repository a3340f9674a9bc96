// One project, one place, as an author meets it through pagora-tool: making a project
// again, a folder named otherwise, names of the program's own files, the program's lock,
// and crashes at every rename of an import and an album production.
#include "fixture.h"
#include "platform/sperrdatei.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

struct Ausgabe {
    int code = -1; // -1: the process died
    QString text;
};

Ausgabe starten(const QString &programm, const QStringList &argumente) {
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError())};
}

Ausgabe werkzeug(const QStringList &argumente) {
    return starten(QStringLiteral(PAGORA_TOOL), argumente);
}

// The tool killed at its n-th rename, as a crash or a power cut would stop it there.
Ausgabe absturzBeiUmbenennung(int n, const QStringList &argumente) {
    const QString umbenennen = "rename,renameat,renameat2";
    return starten("strace", QStringList{"-f", "-o", "/dev/null", "-e", "trace=" + umbenennen, "-e",
                                         QStringLiteral("inject=%1:signal=KILL:when=%2").arg(umbenennen).arg(n),
                                         QStringLiteral(PAGORA_TOOL)} +
                                 argumente);
}

// A data root with the programme marker, the templates and the project Buch.
void wurzelAnlegen(const testing::Datenwurzel &w) {
    w.schreiben("names.exe", "x");
    w.schreiben("Help/Projekt.dat", "programm");
    w.schreiben("Help/default.6", "Hilfe\r\n");
    w.schreiben("Help/default.7", ("4" + QByteArray(49, ' ') + "|\r\n").repeated(29)); // one empty page
    w.bitmap("Help/Album0.bmp", 524, 384, Qt::white);
}

// What the project's files hold, name by name (what a crash left over included).
QMap<QString, QByteArray> inhalt(const testing::Datenwurzel &w, const QString &ordner) {
    QMap<QString, QByteArray> m;
    QDirIterator it(w.nativ(ordner), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString datei = it.next();
        QFile f(datei);
        f.open(QIODevice::ReadOnly);
        m.insert(datei.mid(w.nativ().size()), QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5));
    }
    return m;
}

QStringList kapitel(int n, const QString &wort) {
    QStringList zeilen;
    for (int k = 1; k <= n; ++k)
        zeilen << QStringLiteral(":I:%1 %2").arg(wort).arg(k) << QString("%1 ").arg(wort).repeated(400);
    return zeilen;
}

} // namespace

class TestEinProjekt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void makingAProjectAgainNeverResetsItSilently() {
        testing::Datenwurzel w;
        wurzelAnlegen(w);
        const QStringList wurzel{"--root", w.nativ()};
        QCOMPARE(werkzeug(wurzel + QStringList{"neu", "Quarn", "Quarn"}).code, 0);
        const QByteArray eigen = "Path=Quarn\\\r\nTitle=Quarn\r\nSubtitle=Ein Buch\r\nSheet4=Karten\r\nShowCBT=0\r\n";
        w.schreiben("Quarn.ini", eigen);
        Ausgabe a = werkzeug(wurzel + QStringList{"neu", "Quarn", "Quarn"});
        QCOMPARE(a.code, 1);
        QVERIFY2(a.text.contains("--behalten"), qPrintable(a.text));
        QCOMPARE(w.lesen("Quarn.ini"), eigen);
        QCOMPARE(werkzeug(wurzel + QStringList{"neu", "--behalten", "Quarn", "Quarn"}).code, 0);
        QCOMPARE(w.lesen("Quarn.ini"), eigen);
        QCOMPARE(werkzeug(wurzel + QStringList{"neu", "--zuruecksetzen", "Quarn", "Quarn"}).code, 0);
        QVERIFY(!w.lesen("Quarn.ini").contains("Subtitle"));
    }

    // The page files lie in the project's own folder, whatever it is called; a project
    // with only its folder writes there and nowhere else.
    void everyFileOfAProjectLiesInItsOwnFolder() {
        testing::Datenwurzel w;
        wurzelAnlegen(w);
        w.text("t.txt", kapitel(2, "Moor"));
        const QStringList wurzel{"--root", w.nativ()};
        QCOMPARE(werkzeug(wurzel + QStringList{"neu", "Moor", "Moorbuch"}).code, 0);
        const QStringList moor = wurzel + QStringList{"--name", "Moor"};
        Ausgabe a = werkzeug(moor + QStringList{"import", "--part", "text", w.nativ("t.txt")});
        QVERIFY2(a.code == 0, qPrintable(a.text));
        QVERIFY(w.gibt("Moorbuch/Pages/Moor.5") && w.gibt("Moorbuch/Pages/Moor.1"));
        a = werkzeug(moor + QStringList{"check"});
        QVERIFY2(a.code == 0, qPrintable(a.text));

        QDir().mkpath(w.nativ("Foo"));
        QCOMPARE(werkzeug(wurzel + QStringList{"--name", "Foo", "album"}).code, 0);
        QVERIFY(w.gibt("Foo/Pages/Foo.2"));
        QVERIFY(!w.gibt("Pagora/Pages/Foo.2") && !w.gibt("Moorbuch/Pages/Foo.2"));

        // A picture list that is a folder is refused, and nothing is rewritten.
        const auto vorher = inhalt(w, "Foo");
        QDir().mkpath(w.nativ("Foo/Pages/Foo.3"));
        QCOMPARE(werkzeug(wurzel + QStringList{"--name", "Foo", "album"}).code, 1);
        QCOMPARE(inhalt(w, "Foo"), vorher);
    }

    void namesOfTheProgramsOwnFilesAreNoProjects() {
        testing::Datenwurzel w;
        wurzelAnlegen(w);
        const QStringList wurzel{"--root", w.nativ()};
        for (const QStringList &aufruf : {QStringList{"neu", "names", "N1"}, QStringList{"neu", "X", "Help"},
                                          QStringList{"neu", "AUTOR", "A"}, QStringList{"--name", "Help", "album"}}) {
            const Ausgabe a = werkzeug(wurzel + aufruf);
            QVERIFY2(a.code == 1 && a.text.contains("von Pagora selbst"), qPrintable(aufruf.join(' ') + a.text));
        }
        QCOMPARE(w.lesen("names.exe"), QByteArray("x"));
        QVERIFY(!w.gibt("Help/Pages") && !w.gibt("N1") && !w.gibt("Help/X.ini"));
    }

    // While the program holds the data root, the tool may read but not write.
    void theToolWritesNothingWhileTheProgramHoldsTheRoot() {
        testing::Datenwurzel w;
        wurzelAnlegen(w);
        w.text("t.txt", kapitel(1, "Wald"));
        const QStringList wurzel{"--root", w.nativ()};
        QCOMPARE(werkzeug(wurzel + QStringList{"neu", "Wald", "Wald"}).code, 0);
        const QStringList wald = wurzel + QStringList{"--name", "Wald"};
        {
            const auto programm = platform::Sperrdatei::nehmen(w.nativ("Pagora.lock"));
            QVERIFY(programm);
            const Ausgabe a = werkzeug(wald + QStringList{"import", "--part", "text", w.nativ("t.txt")});
            QCOMPARE(a.code, 1);
            QVERIFY2(a.text.contains("gesperrt"), qPrintable(a.text));
            QVERIFY(!w.gibt("Wald/Pages/Wald.5"));
            QCOMPARE(werkzeug(wald + QStringList{"album"}).code, 1);
            QCOMPARE(werkzeug(wald + QStringList{"contents", "--part", "help"}).code, 0);
        }
        QCOMPARE(werkzeug(wald + QStringList{"import", "--part", "text", w.nativ("t.txt")}).code, 0);
    }

    // A crash at any rename of an import or an album production leaves the project
    // wholly old or, once the next writing call or start has run, wholly new; `check`
    // names what the crash left until then.
    void aCrashAtAnyRenameLeavesTheProjectWhollyOldOrNew_data() {
        QTest::addColumn<QString>("befehl");
        QTest::newRow("import") << "import";
        QTest::newRow("album") << "album";
    }
    void aCrashAtAnyRenameLeavesTheProjectWhollyOldOrNew() {
        QFETCH(QString, befehl);
        if (QStandardPaths::findExecutable("strace").isEmpty()) QFAIL("strace is missing (make deps installs it)");
        testing::Datenwurzel muster;
        wurzelAnlegen(muster);
        muster.text("alt.txt", kapitel(3, "Alt"));
        muster.text("neu.txt", kapitel(5, "Neu"));
        QStringList liste;
        for (int i = 0; i < 40; ++i) {
            muster.bitmap(QStringLiteral("Buch/Album/b%1.bmp").arg(i), 64, 48, QColor::fromHsv(i * 9, 200, 200));
            liste << QStringLiteral("b%1:Bild %1").arg(i);
        }
        const QStringList wurzel{"--root", muster.nativ()};
        QCOMPARE(werkzeug(wurzel + QStringList{"neu", "Buch", "Buch"}).code, 0);
        const QStringList buch = wurzel + QStringList{"--name", "Buch"};
        QCOMPARE(werkzeug(buch + QStringList{"import", "--part", "text", muster.nativ("alt.txt")}).code, 0);
        muster.text("Buch/Pages/Buch.3", liste.mid(0, 20));
        QCOMPARE(werkzeug(buch + QStringList{"album"}).code, 0);
        const QStringList aufruf = befehl == "import" ? QStringList{"import", "--part", "text", muster.nativ("neu.txt")}
                                                      : QStringList{"album"};
        if (befehl == "album") muster.text("Buch/Pages/Buch.3", liste);

        // The states before and after, as a run without a crash makes them.
        testing::Datenwurzel ganz;
        QVERIFY(QProcess::execute("cp", {"-a", muster.nativ() + ".", ganz.nativ()}) == 0);
        const auto alt = inhalt(ganz, "Buch");
        QCOMPARE(werkzeug(QStringList{"--root", ganz.nativ(), "--name", "Buch"} + aufruf).code, 0);
        const auto neu = inhalt(ganz, "Buch");
        QVERIFY(alt != neu);

        int alteGesehen = 0, neueGesehen = 0;
        for (int n = 1;; ++n) {
            testing::Datenwurzel w;
            QVERIFY(QProcess::execute("cp", {"-a", muster.nativ() + ".", w.nativ()}) == 0);
            const QStringList projekt{"--root", w.nativ(), "--name", "Buch"};
            const Ausgabe absturz = absturzBeiUmbenennung(n, projekt + aufruf);
            if (absturz.code == 0) break; // fewer renames than n: the run went through
            const bool reste = !inhalt(w, "Buch").keys().filter("pagora-").isEmpty();
            const Ausgabe pruefung = werkzeug(projekt + QStringList{"check"});
            QCOMPARE(pruefung.text.contains("unterbrochenen"), reste);
            // The next writing call finishes or undoes the change first; `contents`
            // of another part writes nothing itself.
            QDir().mkpath(w.nativ("leer"));
            const Ausgabe weiter = werkzeug(projekt + QStringList{"import", "--part", "help", w.nativ("leer/x")});
            QVERIFY2(weiter.code == 1, qPrintable(weiter.text));
            auto danach = inhalt(w, "Buch");
            QVERIFY2(danach.keys().filter("pagora-").isEmpty(), qPrintable(QString::number(n)));
            const bool istAlt = danach == alt, istNeu = danach == neu;
            QVERIFY2(istAlt || istNeu,
                     qPrintable(QStringLiteral("Absturz bei Umbenennung %1: weder alt noch neu").arg(n)));
            alteGesehen += istAlt;
            neueGesehen += istNeu;
            QVERIFY(n < 100);
        }
        // Crashes fell before the change stood and after it.
        QVERIFY(alteGesehen > 0 && neueGesehen > 0);
    }
};

QTEST_GUILESS_MAIN(TestEinProjekt)
#include "test_einprojekt.moc"
