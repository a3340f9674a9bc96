// The command-line companion as a user runs it: import, pages, contents, album, check,
// and its exit codes.
#include "album/core/punktproben.h"
#include "authoring/core/textimport.h"
#include "fixture.h"
#include "pdfwerkzeuge.h"
#include "platform/bitmapfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QtEndian>
#include <QtTest>
#include <sys/stat.h>

namespace {

struct Ausgabe {
    int code = -1;
    QString text;
};

Ausgabe werkzeug(const QStringList &argumente) {
    QProcess p;
    p.start(QStringLiteral(PAGORA_TOOL), argumente);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError())};
}

// A data root with the project Buch: settings, one album picture and a picture list.
void projektAnlegen(const testing::Datenwurzel &w) {
    w.schreiben("names.exe", "x");
    w.bitmap("Help/Album0.bmp", 524, 384, Qt::white);
    w.text("Buch.ini", {"Path=Buch\\"});
    w.bitmap("Buch/Album/Turm.bmp", 400, 300, Qt::darkBlue);
    w.text("Buch/Pages/Buch.3", {":I:Bauten", "Turm:Der Turm~ am Markt|Der Turm am Markt"});
    w.text("text.txt", {":I:Erstes Kapitel", "Ein Absatz.", ":B:Turm|Der Turm", "Noch ein Absatz."});
}

// The pictures of the data root's Help folder, measured as the tool measures them.
class Hilfebilder : public authoring::Bildquelle {
public:
    explicit Hilfebilder(QString ordner) : ordner_(std::move(ordner)) {}
    std::optional<int> vorhandeneHoehe(const QByteArray &name) override {
        const auto m = platform::bitmapSize(ordner_ + QString::fromLatin1(name) + ".bmp");
        return m ? std::optional<int>(m->height()) : std::nullopt;
    }
    int Kleinbild(const QByteArray &) override { return 0; }

private:
    QString ordner_;
};

} // namespace

class TestWerkzeug : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importThenReadThePagesAndTheContents() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        const QStringList projekt{"--root", w.nativ(), "--name", "Buch"};
        Ausgabe a = werkzeug(projekt + QStringList{"import", "--part", "text", w.nativ("text.txt")});
        QCOMPARE(a.code, 0);
        QVERIFY(w.gibt("Buch/Pages/Buch.5"));
        QVERIFY(w.gibt("Buch/Slides/Turm.bmp"));
        QCOMPARE(w.lesen("Buch/Pages/Buch.5").size() % 1537, 0);
        a = werkzeug(projekt + QStringList{"pages", "--part", "text", "--from", "2", "--to", "2"});
        QCOMPARE(a.code, 0);
        QVERIFY(a.text.contains("--- Seite 2 ---"));
        QVERIFY(a.text.contains("# Erstes Kapitel"));
        QVERIFY(a.text.contains("[Bild] Turm"));
        QVERIFY(a.text.contains("[Unterschrift] Der Turm"));
        QVERIFY(!a.text.contains("--- Seite 1 ---"));
        a = werkzeug(projekt + QStringList{"contents", "--part", "text"});
        QCOMPARE(a.code, 0);
        QVERIFY(a.text.trimmed().startsWith("Erstes Kapitel"));
        QVERIFY(a.text.trimmed().endsWith("2"));
    }

    // A heading beyond page 999 would lead into the album: its entry is left out of the
    // reading part's contents and the import says so; the help keeps every entry.
    void contentsStopAtPage999() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        QStringList text{":I:Anfang", "Ein Absatz."};
        for (int i = 0; i < 1000; ++i)
            text << ":S:"
                 << "Seite";
        text << ":I:Woerterbuch"
             << "Spaeter."
             << ":I:Register"
             << "Ganz hinten.";
        w.text("lang.txt", text);
        const QStringList projekt{"--root", w.nativ(), "--name", "Buch"};
        const Ausgabe a = werkzeug(projekt + QStringList{"import", "--part", "text", w.nativ("lang.txt")});
        QCOMPARE(a.code, 1);
        QVERIFY2(a.text.contains("2 Einträge des Inhaltsverzeichnisses führen auf Seiten nach 999"),
                 qPrintable(a.text));
        const QByteArray inhalt = w.lesen("Buch/Pages/Buch.1");
        QVERIFY(inhalt.startsWith("Anfang"));
        QVERIFY(!inhalt.contains("Woerterbuch"));
        QVERIFY(!inhalt.contains("Register"));
        QCOMPARE(inhalt.count("\r\n"), 1);
        QCOMPARE(werkzeug(projekt + QStringList{"import", "--part", "help", w.nativ("lang.txt")}).code, 1);
        QVERIFY(w.lesen("Buch/Pages/Buch.6").contains("Register"));
    }

    // The tool writes pages to disk as they fill: its page file is byte for byte what
    // the import makes when every page is kept in memory, over hundreds of pages with
    // headings, page breaks, tabs, overlong words and pictures placed or deferred.
    void aStreamedImportWritesTheSamePagesAsOneInMemory() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        w.bitmap("Help/Hoch.bmp", 60, 300);
        w.bitmap("Help/Flach.bmp", 90, 40);
        QByteArray text;
        for (int k = 0; k < 300; ++k) {
            const QByteArray n = QByteArray::number(k);
            text += ":I:Kapitel " + n + (k % 5 ? "\r\n" : " mit einem Titel, der zu lang f\xfcr eine Zeile ist\r\n");
            text += "Ein Absatz\tmit Tab und einem Wort, das sich zieht: " + QByteArray(k % 40, 'x') + " Ende.\r\n";
            if (k % 3 == 0) text += ":B:" + QByteArray(k % 2 ? "Hoch" : "Flach") + "|Bild " + n + " am Rand\r\n";
            if (k % 7 == 0) text += ":S:\r\n";
            for (int z = 0; z < k % 11; ++z)
                text +=
                    "Zeile " + QByteArray::number(z) + " mit so viel Text, dass sie umbricht und weiterl\xe4uft.\r\n";
        }
        w.schreiben("lang.txt", text);
        QByteArray erwartet;
        Hilfebilder bilder(w.nativ("Help/"));
        const auto r = authoring::Buchmachen(text, authoring::Importmasse::Bildschirm(), bilder,
                                             [&erwartet](const book::Seitensatz &s) {
                                                 erwartet += s.bytes();
                                                 return true;
                                             });
        QVERIFY(r.GeschriebeneSeiten > 100);
        const QStringList projekt{"--root", w.nativ(), "--name", "Buch"};
        QCOMPARE(werkzeug(projekt + QStringList{"import", "--part", "text", w.nativ("lang.txt")}).code, 0);
        const QByteArray seiten = w.lesen("Buch/Pages/Buch.5");
        QCOMPARE(seiten.size(), erwartet.size());
        QVERIFY(seiten == erwartet);
        QCOMPARE(QDir(w.nativ("Buch/Pages")).entryList(QDir::Hidden | QDir::Files, QDir::Name),
                 QStringList({"Buch.1", "Buch.3", "Buch.5"})); // no draft left behind
    }

    void albumAndCheck() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        const QStringList projekt{"--root", w.nativ(), "--name", "Buch"};
        QCOMPARE(werkzeug(projekt + QStringList{"import", "--part", "text", w.nativ("text.txt")}).code, 0);
        w.text("help.txt", {":I:Hilfe", "Ein Hinweis."});
        QCOMPARE(werkzeug(projekt + QStringList{"import", "--part", "help", w.nativ("help.txt")}).code, 0);
        QCOMPARE(werkzeug(projekt + QStringList{"album"}).code, 0);
        QVERIFY(w.gibt("Buch/Pages/Buch002.bmp"));
        QVERIFY(platform::fromCp1252(w.lesen("Buch/Pages/Buch.2")).startsWith("Bauten"));
        QCOMPARE(w.lesen("Buch/Pages/Buch.8"), w.lesen("Buch/Pages/Buch.2"));
        QCOMPARE(werkzeug(projekt + QStringList{"check"}).code, 0);
        // A picture that is not in the list, and a listed one that is missing.
        w.bitmap("Buch/Album/Lose.bmp", 10, 10);
        w.text("Buch/Pages/Buch.3", {"Turm:Der Turm", "Fehlt:Gibt es nicht"});
        const Ausgabe a = werkzeug(projekt + QStringList{"check"});
        QCOMPARE(a.code, 1);
        QVERIFY(a.text.contains("Bild fehlt: FEHLT.bmp"));
        QVERIFY(a.text.contains("nicht in der Bilderliste: Lose.bmp"));
        QFile::remove(w.nativ("Buch/Pages/Buch.7"));
        QVERIFY(werkzeug(projekt + QStringList{"check"}).text.contains("Hilfe: Seitendatei fehlt"));
    }

    // Names the program would not make itself, and projects that do not exist, are
    // refused before anything is written.
    void refusesNamesThatWouldMixUpProjects() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        w.schreiben("Buch/Pages/Buch.5", QByteArray(1537, 'x'));
        for (const QString name : {"Buch.exe", "Buch.", "../Buch", "Bu:ch", " Buch", "Fremd"}) {
            const Ausgabe a =
                werkzeug({"--root", w.nativ(), "--name", name, "import", "--part", "text", w.nativ("text.txt")});
            QCOMPARE(a.code, 1);
            QVERIFY2(a.text.contains(name == "Fremd" ? "gibt es in" : "Ungültiger Programmname"), qPrintable(a.text));
            QCOMPARE(werkzeug({"--root", w.nativ(), "--name", name, "album"}).code, 1);
        }
        QCOMPARE(w.lesen("Buch/Pages/Buch.5"), QByteArray(1537, 'x'));
        QCOMPARE(QDir(w.nativ()).entryList(QDir::Files | QDir::Hidden).size(), 3); // names.exe, Buch.ini, text.txt
        QCOMPARE(QDir(w.nativ("Buch/Pages")).entryList(QDir::Files).size(), 2);
    }

    // Pages and contents are replaced together or not at all.
    void aFailedContentsWriteKeepsTheOldPages() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        w.schreiben("Buch/Pages/Buch.5", QByteArray(1537, 'x'));
        QDir().mkpath(w.nativ("Buch/Pages/Buch.1/belegt")); // a folder where the contents go
        const Ausgabe a =
            werkzeug({"--root", w.nativ(), "--name", "Buch", "import", "--part", "text", w.nativ("text.txt")});
        QCOMPARE(a.code, 1);
        QVERIFY2(a.text.contains("Buch.1 kann nicht geschrieben werden"), qPrintable(a.text));
        QCOMPARE(w.lesen("Buch/Pages/Buch.5"), QByteArray(1537, 'x'));
        QCOMPARE(QDir(w.nativ("Buch/Pages")).entryList(QDir::Files | QDir::Hidden).size(), 2); // Buch.3, Buch.5
    }

    // The import writes the book, and says what it could not take over as it stands.
    void theImportNamesWhatItCouldNotKeep() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        const QByteArray lang(120, 'W');
        w.bitmap("Buch/Album/Schmal.bmp", 1, 2000);
        w.schreiben("Buch/Album/Kaputt.bmp", "BM kein Bild");
        w.text("text.txt", {"Ein Absatz.", ":B:Gibtsnicht|Fehlt", ":B:..|Unsicher", "Dann " + QString::fromLatin1(lang),
                            ":B:Schmal", ":B:Kaputt", ":B:Gibtsnicht|Fehlt wieder", "Schluss."});
        const QStringList projekt{"--root", w.nativ(), "--name", "Buch"};
        Ausgabe a = werkzeug(projekt + QStringList{"import", "--part", "text", w.nativ("text.txt")});
        QCOMPARE(a.code, 1);
        QVERIFY(w.gibt("Buch/Pages/Buch.5"));
        QVERIFY2(a.text.contains("1 Zeilen ohne Trennstelle") && a.text.contains("Zeile 4."), qPrintable(a.text));
        QVERIFY2(a.text.contains("5 Bilder im Text konnten nicht eingesetzt werden"), qPrintable(a.text));
        QCOMPARE(a.text.count("Gibtsnicht.bmp"), 1); // named once, counted twice
        QVERIFY(a.text.contains("SCHMAL.bmp (1 x 2000 Pixel) ist zu schmal") ||
                a.text.contains("Schmal.bmp (1 x 2000 Pixel) ist zu schmal"));
        QVERIFY(a.text.contains("ist kein lesbares Bitmap"));
        // A NUL byte in a page line reaches the output; what follows it too.
        QByteArray seiten = w.lesen("Buch/Pages/Buch.5");
        QVERIFY(seiten.size() >= 1537);
        seiten[53 + 5] = '\0';
        w.schreiben("Buch/Pages/Buch.5", seiten);
        a = werkzeug(projekt + QStringList{"pages", "--part", "text", "--from", "1", "--to", "1"});
        QVERIFY(a.text.contains(QChar(0)));
        QVERIFY(a.text.contains("Schluss."));
    }

    // The import runs without Qt's picture libraries and loads them only for a picture
    // its header cannot measure: a PNG under a bitmap's name places as the bitmap would.
    void aPictureOfAnotherKindIsMeasuredAsItsBitmap() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        w.text("text.txt", {"Ein Absatz.", ":B:Fremd|Unter anderem Namen", "Danach."});
        const QStringList import{"--root", w.nativ(), "--name", "Buch",
                                 "import", "--part",  "text",   w.nativ("text.txt")};
        w.bitmap("Buch/Slides/Fremd.bmp", 120, 260);
        QCOMPARE(werkzeug(import).code, 0);
        const QByteArray alsBitmap = w.lesen("Buch/Pages/Buch.5");
        QFile::remove(w.nativ("Buch/Slides/Fremd.bmp"));
        QImage bild(120, 260, QImage::Format_RGB32);
        bild.fill(Qt::gray);
        QVERIFY(bild.save(w.nativ("Buch/Slides/Fremd.bmp"), "PNG"));
        const Ausgabe a = werkzeug(import);
        QCOMPARE(a.code, 0);
        QCOMPARE(w.lesen("Buch/Pages/Buch.5"), alsBitmap);
        QVERIFY2(!a.text.contains("Fremd"), qPrintable(a.text));
    }

    // Spread files carry three digits: a list longer than 499 spreads is refused whole.
    void anOverlongPictureListIsRefused() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        const QStringList projekt{"--root", w.nativ(), "--name", "Buch"};
        w.text("Buch/Pages/Buch.3", QStringList(7984, QString()) << "Turm:Der Turm");
        const Ausgabe a = werkzeug(projekt + QStringList{"album"});
        QCOMPARE(a.code, 1);
        QVERIFY2(a.text.contains("7985 Zeilen"), qPrintable(a.text));
        QVERIFY(!w.gibt("Buch/Pages/Buch002.bmp"));
        w.text("Buch/Pages/Buch.3", QStringList(7983, QString()) << "Turm:Der Turm");
        QCOMPARE(werkzeug(projekt + QStringList{"album"}).code, 0);
        QVERIFY(w.gibt("Buch/Pages/Buch998.bmp"));
    }

    void anUnreadableAlbumSheetIsNotCalledMissing() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        w.schreiben("Help/Album0.bmp", "BM" + QByteArray(60, '\xff'));
        const Ausgabe a = werkzeug({"--root", w.nativ(), "--name", "Buch", "album"});
        QCOMPARE(a.code, 1);
        QVERIFY2(a.text.contains("kein lesbares Bitmap oder zu groß") && !a.text.contains("fehlt"), qPrintable(a.text));
    }

    // The percentage stands on one rewritten line of a terminal, and nowhere else.
    void theAlbumsPercentageOnATerminalOnly() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        const QStringList aufruf{"--root", w.nativ(), "--name", "Buch", "album"};
        QProcess umgeleitet;
        umgeleitet.start(QStringLiteral(PAGORA_TOOL), aufruf);
        QVERIFY(umgeleitet.waitForFinished(60000));
        QCOMPARE(umgeleitet.exitCode(), 0);
        QCOMPARE(umgeleitet.readAllStandardError(), QByteArray());
        const QString script = QStandardPaths::findExecutable("script");
        QVERIFY2(!script.isEmpty(), "\"script\" (bsdutils) fehlt: make deps installiert es");
        QProcess terminal;
        terminal.start(script, {"-qec", QStringLiteral("'%1' %2").arg(QStringLiteral(PAGORA_TOOL), aufruf.join(' ')),
                                "/dev/null"});
        QVERIFY(terminal.waitForFinished(60000));
        QCOMPARE(terminal.exitCode(), 0);
        const QByteArray ausgabe = terminal.readAllStandardOutput();
        QVERIFY2(ausgabe.startsWith("\rHerstellung der Album-Seiten: 50 %\rHerstellung der Album-Seiten: 100 %\r\n"),
                 ausgabe.constData());
    }

    void aBrokenPictureStopsTheAlbumWithItsLine() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        w.text("Buch/Pages/Buch.3", {"Turm:Der Turm", "Kaputt:Kein Bild"});
        w.schreiben("Buch/Album/Kaputt.bmp", "BM kein Bild");
        const Ausgabe a = werkzeug({"--root", w.nativ(), "--name", "Buch", "album"});
        QCOMPARE(a.code, 1);
        QVERIFY(a.text.contains("\"Kaputt\" in Zeile 2"));
    }

    // A UTF-8 text: converted; characters Windows-1252 lacks are named with their lines
    // and nothing is written, unless --ersetzen leaves them out.
    void aUtf8TextIsConvertedAndWhatItCannotKeepNamed() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        w.schreiben("utf8.txt", QString("Die Mühle in Győr\nDer Weg → zum Bach\n€ und ő\n").toUtf8());
        const QStringList import{"--root", w.nativ(), "--name", "Buch", "import", "--part", "text"};
        Ausgabe a = werkzeug(import + QStringList{w.nativ("utf8.txt")});
        QCOMPARE(a.code, 1);
        QVERIFY2(a.text.contains(QString("„ő“ (U+0151) in Zeile 1, 3")), qPrintable(a.text));
        QVERIFY2(a.text.contains(QString("„→“ (U+2192) in Zeile 2")), qPrintable(a.text));
        QVERIFY2(!a.text.contains("U+00FC") && !a.text.contains("U+20AC"), qPrintable(a.text));
        QVERIFY(!w.gibt("Buch/Pages/Buch.5"));
        a = werkzeug(import + QStringList{"--ersetzen", w.nativ("utf8.txt")});
        QCOMPARE(a.code, 0);
        const QByteArray seiten = w.lesen("Buch/Pages/Buch.5");
        QVERIFY(seiten.contains("Die M\xfchle in Gyr "));
        QVERIFY(seiten.contains("Der Weg  zum Bach "));
        QVERIFY(seiten.contains("\x80 und  "));
        // Lines end at LF as at CR LF: three lines, not one paragraph.
        QVERIFY(!seiten.contains("GyrDer"));
    }

    // Only regular files of bounded size are taken in: a device, a pipe or a folder is
    // refused at once instead of being read for ever.
    void devicesAndPipesAreRefusedAtOnce() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        const QStringList projekt{"--root", w.nativ(), "--name", "Buch"};
        QElapsedTimer uhr;
        uhr.start();
        Ausgabe a = werkzeug(projekt + QStringList{"import", "--part", "text", "/dev/zero"});
        QCOMPARE(a.code, 1);
        QVERIFY2(a.text.contains("keine gewöhnliche Datei"), qPrintable(a.text));
        QVERIFY(!w.gibt("Buch/Pages/Buch.5"));
        QDir().mkpath(w.nativ("Ordner.txt"));
        QCOMPARE(werkzeug(projekt + QStringList{"import", "--part", "text", w.nativ("Ordner.txt")}).code, 1);
        // A pipe named like a photo is no photo: the picture command does not wait on it.
        QCOMPARE(::mkfifo(QFile::encodeName(w.nativ("Buch/Album/Rohr.jpg")).constData(), 0600), 0);
        a = werkzeug(projekt + QStringList{"bilder", "Rohr.jpg"});
        QCOMPARE(a.code, 1);
        QVERIFY2(a.text.contains("Rohr.jpg ist keine gewöhnliche Datei"), qPrintable(a.text));
        QVERIFY(uhr.elapsed() < 20000);
    }

    // A photo as a phone saves it (rotated by its EXIF orientation) becomes an upright
    // 24-bit bitmap beside it; a bitmap of that name is never replaced; --rest moves it.
    void aCameraPictureBecomesAnUprightBitmap() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        w.bitmap("Buch/Album/Hof.bmp", 10, 10, Qt::green);
        // Stored 60 x 40, left half red, right half blue; orientation 6: turn right to show.
        QImage roh(60, 40, QImage::Format_RGB32);
        roh.fill(Qt::blue);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 30; ++x)
                roh.setPixel(x, y, qRgb(255, 0, 0));
        QByteArray jpeg;
        QBuffer puffer(&jpeg);
        puffer.open(QIODevice::WriteOnly);
        QVERIFY(roh.save(&puffer, "JPEG", 95));
        const QByteArray exif = QByteArray::fromHex("FFE10022457869660000"     // APP1, "Exif"
                                                    "4D4D002A00000008"         // big-endian TIFF, first IFD at 8
                                                    "0001"                     // one entry
                                                    "011200030000000100060000" // orientation = 6
                                                    "00000000");
        jpeg.insert(2, exif);
        w.schreiben("Buch/Album/Turm2.JPG", jpeg);
        w.schreiben("Buch/Album/Hof.jpeg", jpeg);
        const QStringList projekt{"--root", w.nativ(), "--name", "Buch"};
        Ausgabe a = werkzeug(projekt + QStringList{"bilder"});
        QCOMPARE(a.code, 0);
        // Only the photo without a bitmap of its name was offered.
        QVERIFY2(a.text.contains("Turm2.JPG -> Turm2.bmp") && !a.text.contains("Hof.jpeg"), qPrintable(a.text));
        QByteArray bmp = w.lesen("Buch/Album/Turm2.bmp");
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24));
        QImage bild;
        QVERIFY(bild.loadFromData(bmp, "BMP"));
        QCOMPARE(bild.size(), QSize(40, 60));
        QVERIFY(qRed(bild.pixel(20, 5)) > 200 && qBlue(bild.pixel(20, 5)) < 60);   // red on top
        QVERIFY(qBlue(bild.pixel(20, 55)) > 200 && qRed(bild.pixel(20, 55)) < 60); // blue below
        QVERIFY(w.gibt("Buch/Album/Turm2.JPG"));
        // Named on purpose, a photo whose name is taken gets the next free one.
        a = werkzeug(projekt + QStringList{"bilder", "--rest", "Hof.jpeg"});
        QCOMPARE(a.code, 0);
        QVERIFY2(a.text.contains("Hof.jpeg -> Hof (2).bmp"), qPrintable(a.text));
        QCOMPARE(platform::readBitmap(w.nativ("Buch/Album/Hof.bmp"))->size(), QSize(10, 10));
        QVERIFY(w.gibt("Buch/Album/Hof (2).bmp") && !w.gibt("Buch/Album/Hof.jpeg") && w.gibt("Buch/Rest/Hof.jpeg"));
    }

    void usageAndRefusal() {
        testing::Datenwurzel w;
        projektAnlegen(w);
        QCOMPARE(werkzeug({}).code, 2);
        QCOMPARE(werkzeug({"--root", w.nativ(), "--name", "Buch", "zaubern"}).code, 2);
        QCOMPARE(werkzeug({"--root", w.nativ(), "--name", "Buch", "import", "--part", "roman", "x"}).code, 2);
        QCOMPARE(werkzeug({"--root", w.nativ(), "--name", "Buch", "pages", "--from", "null"}).code, 2);
        const Ausgabe hilfe = werkzeug({"import", "--help"});
        QCOMPARE(hilfe.code, 0);
        QVERIFY(hilfe.text.contains("--part text|help"));
        QCOMPARE(
            werkzeug({"--root", w.nativ(), "--name", "Buch", "import", "--part", "text", w.nativ("fehlt.txt")}).code,
            1);
        testing::Datenwurzel leer;
        QCOMPARE(werkzeug({"--root", leer.nativ(), "--name", "Buch", "check"}).code, 1);
    }

    // The program's own search from the command line: one hit a line, pages in order.
    void searchFromTheCommandLine_data() {
        QTest::addColumn<QString>("teil");
        QTest::addColumn<QString>("begriff");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("ersterTreffer"); // a regular expression
        QTest::newRow("text, other spelling") << "text"
                                              << "Muehle" << 0 << "^Seite \\d+, Zeile \\d+: .*m(ü|ue)hle";
        QTest::newRow("help") << "help"
                              << "Seite" << 0 << "^Seite \\d+, Zeile \\d+: .*seite";
        QTest::newRow("album marks") << "album"
                                     << "pflugschare" << 0 << "^Acker: Die Pflugschare schneiden";
        QTest::newRow("nothing") << "text"
                                 << "Xylophonzz" << 1 << "";
        QTest::newRow("unknown part") << "bilder"
                                      << "Turm" << 2 << "";
    }
    void searchFromTheCommandLine() {
        QFETCH(QString, teil);
        QFETCH(QString, begriff);
        QFETCH(int, code);
        QFETCH(QString, ersterTreffer);
        const Ausgabe a =
            werkzeug({"--root", QStringLiteral(PAGORA_ROOT), "--name", "Quarn", "suche", "--part", teil, begriff});
        QCOMPARE(a.code, code);
        if (code != 0) {
            QVERIFY(!a.text.contains("Seite "));
            return;
        }
        const QStringList zeilen = a.text.split('\n', Qt::SkipEmptyParts);
        QVERIFY(
            QRegularExpression(ersterTreffer, QRegularExpression::CaseInsensitiveOption).match(zeilen[0]).hasMatch());
        int vorige = 0;
        for (const QString &z : zeilen) {
            if (teil == "album") break;
            const int seite = z.section(' ', 1, 1).chopped(1).toInt();
            QVERIFY2(seite > vorige, qPrintable(z));
            vorige = seite;
        }
    }

    // A part as a PDF, drawn as the program draws it: the pages asked for, their text
    // searchable, the album sheets with their own pixels.
    void aPartAsPdf() {
        testing::Datenwurzel w;
        const QDir quelle(QStringLiteral(PAGORA_ROOT));
        for (const char *datei : {"names.exe", "Quarn.ini", "Help", "Quarn"})
            QVERIFY(QProcess::execute("cp", {"-rL", quelle.filePath(QLatin1String(datei)), w.nativ()}) == 0);
        const QStringList projekt{"--root", w.nativ(), "--name", "Quarn", "pdf"};
        Ausgabe a = werkzeug(projekt + QStringList{"--part", "help", "--from", "3", "--to", "6", w.nativ("hilfe.pdf")});
        QCOMPARE(a.code, 0);
        QVERIFY2(a.text.contains("2 "), qPrintable(a.text));
        const QString text = testing::pdfText(w.nativ("hilfe.pdf"));
        QCOMPARE(text.count('\f'), 2);
        // The first heading of page 3, as the page listing gives it, is text in the PDF.
        const QString seite3 =
            werkzeug({"--root", w.nativ(), "--name", "Quarn", "pages", "--part", "help", "--from", "3", "--to", "3"})
                .text;
        const QString titel = seite3.section("\n# ", 1, 1).section('\n', 0, 0);
        QVERIFY(!titel.isEmpty());
        QVERIFY2(text.contains(titel), qPrintable(titel));
        a = werkzeug(projekt + QStringList{"--part", "album", "--to", "2", w.nativ("album.pdf")});
        QCOMPARE(a.code, 0);
        const QList<testing::PdfBild> bilder = testing::pdfBilder(w.nativ("album.pdf"));
        QCOMPARE(bilder.size(), 1);
        QCOMPARE(bilder[0].groesse, QSize(524, 384));
        QCOMPARE(werkzeug(projekt + QStringList{"--part", "bilder", w.nativ("x.pdf")}).code, 2);
        QCOMPARE(werkzeug(projekt + QStringList{"--part", "text", "--from", "900", w.nativ("x.pdf")}).code, 1);
        QVERIFY(!w.gibt("x.pdf"));
        // A tool installed without its pdf module says what is missing, not how it is called.
        QTemporaryDir ohne;
        const QString werkzeugDatei = QFileInfo(QStringLiteral(PAGORA_TOOL)).absolutePath();
        for (const char *datei : {"pagora-tool", "pagora-tool-befehle.so"})
            QVERIFY(QFile::copy(werkzeugDatei + '/' + datei, ohne.filePath(QLatin1String(datei))));
        QFile::setPermissions(ohne.filePath("pagora-tool"), QFile::permissions(QStringLiteral(PAGORA_TOOL)));
        QProcess p;
        p.start(ohne.filePath("pagora-tool"), projekt + QStringList{"--part", "help", w.nativ("x.pdf")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(p.readAllStandardError().contains("pagora-tool-pdf.so"), "the missing module is named");
        QVERIFY(!w.gibt("x.pdf"));
    }

    void theBundledDemoPassesItsCheck() {
        const Ausgabe a = werkzeug({"--root", QStringLiteral(PAGORA_ROOT), "--name", "Quarn", "check"});
        QCOMPARE(a.code, 0);
        const Ausgabe seiten =
            werkzeug({"--root", QStringLiteral(PAGORA_ROOT), "--name", "Quarn", "pages", "--part", "text"});
        QVERIFY(seiten.text.count("--- Seite ") >= 40);
        QVERIFY(seiten.text.count("[Bild] ") >= 12);
    }
};

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv); // as the tool: the import must measure without a font engine
    TestWerkzeug t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_werkzeug.moc"
