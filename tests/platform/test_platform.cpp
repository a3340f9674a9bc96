// The platform layer: code page, case-insensitive paths, drive letters, record files, fonts.
#include "fixture.h"
#include "platform/bitmapfile.h"
#include "platform/cp1252.h"
#include "platform/drivemap.h"
#include "platform/entwurf.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/inputfile.h"
#include "platform/recordfile.h"
#include "platform/sperrdatei.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

// What the program's own font configuration gave at the start of the run.
static bool eigeneSchriftkonfiguration = false;

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cp1252IsLosslessForEveryByte() {
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle += char(b);
        QCOMPARE(toCp1252(fromCp1252(alle)), alle);
        QCOMPARE(fromCp1252("\x80\xe4\xdf"), QString::fromUtf8("€äß"));
        QCOMPARE(toCp1252(QString::fromUtf8("Straße €")), QByteArray("Stra\xdf"
                                                                     "e \x80"));
        QCOMPARE(toCp1252(QString::fromUtf8("日")), QByteArray("?"));
    }

    void linesEndInCrLfLfOrCr() {
        QCOMPARE(splitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(splitLines("a\r\n\r\n"), (QStringList{"a", ""}));
        QCOMPARE(joinLines({"x", QString::fromUtf8("ü")}), QByteArray("x\r\n\xfc\r\n"));
    }

    void storedPathsAreLookedUpIgnoringCase() {
        testing::Datenwurzel w;
        w.schreiben("Help/CBTend.bmp", "x");
        const Files &f = w.dateien();
        QVERIFY(f.exists(w.gespeichert() + "HELP\\CBTEnd.bmp"));
        QVERIFY(f.exists(w.gespeichert() + "help\\cbtend.BMP"));
        QVERIFY(!f.exists(w.gespeichert() + "Help\\CBTend.png"));
        QVERIFY(f.folderExists(w.gespeichert() + "hElP\\"));
        // A new file in a folder found by another case lands in that folder.
        QVERIFY(f.write(w.gespeichert() + "HELP\\neu.txt", "n"));
        QVERIFY(w.gibt("Help/neu.txt"));
        QCOMPARE(f.list(w.gespeichert() + "help", "*.BMP"), QStringList{"CBTend.bmp"});
    }

    // Folder listings are kept between lookups, yet changes made behind the program's
    // back are seen: new, renamed and deleted files, and a folder that goes away.
    void caseLookupsSeeChangesBehindTheirBack() {
        testing::Datenwurzel w;
        const Files f = w.dateien();
        const QString g = w.gespeichert();
        w.schreiben("Album/Turm.bmp", "t");
        QVERIFY(f.exists(g + "ALBUM\\TURM.BMP"));
        QVERIFY(!f.exists(g + "ALBUM\\HAFEN.BMP"));
        w.schreiben("Album/hafen.Bmp", "h");
        QVERIFY(f.exists(g + "ALBUM\\HAFEN.BMP"));
        QVERIFY(QFile::rename(w.nativ("Album/Turm.bmp"), w.nativ("Album/Kirche.bmp")));
        QVERIFY(!f.exists(g + "ALBUM\\TURM.BMP"));
        QVERIFY(f.exists(g + "ALBUM\\KIRCHE.BMP"));
        QVERIFY(QFile::remove(w.nativ("Album/hafen.Bmp")));
        QVERIFY(!f.exists(g + "ALBUM\\HAFEN.BMP"));
        // Names that differ only in case: the exact one, else one of them.
        w.schreiben("Album/b.txt", "klein");
        w.schreiben("Album/B.txt", "gross");
        QCOMPARE(f.native(g + "Album\\b.txt"), w.nativ("Album/b.txt"));
        QCOMPARE(f.native(g + "Album\\B.txt"), w.nativ("Album/B.txt"));
        const QString eines = f.native(g + "ALBUM\\b.TXT");
        QVERIFY(eines == w.nativ("Album/b.txt") || eines == w.nativ("Album/B.txt"));
        QVERIFY(QDir(w.nativ("Album")).removeRecursively());
        QVERIFY(!f.exists(g + "ALBUM\\KIRCHE.BMP"));
        QVERIFY(!f.folderExists(g + "album\\"));
    }

    void storedPathsNeverClimbOutOfTheirFolder() {
        testing::Datenwurzel w;
        const Files &f = w.dateien();
        QVERIFY(f.native(w.gespeichert() + "..\\x").isEmpty());
        QVERIFY(!f.write(w.gespeichert() + "a\\..\\..\\boese.txt", "x"));
    }

    void driveLettersMapToFolders() {
        QTemporaryDir cd;
        DriveMap map;
        map.setDrive('C', "/");
        map.setDrive('e', cd.path());
        QCOMPARE(map.folder('E'), cd.path() + '/');
        QCOMPARE(map.toDrivePath(cd.path() + "/Quarn.exe"), QString("E:\\Quarn.exe"));
        QCOMPARE(map.toDrivePath("/opt/pagora/Pagora"), QString("C:\\opt\\pagora\\Pagora"));
        Files f(map);
        QVERIFY(f.write("E:\\Quarn.ini", "Title=Q\r\n"));
        QVERIFY(QFileInfo::exists(cd.path() + "/Quarn.ini"));
        QVERIFY(f.native("F:\\x").isEmpty());
        QCOMPARE(DriveMap::system().folder('C'), QString("/"));
    }

    void writesReplaceTheWholeFile() {
        testing::Datenwurzel w;
        w.schreiben("a.ini", "alt alt alt alt");
        QVERIFY(w.dateien().write(w.gespeichert() + "a.ini", "neu"));
        QCOMPARE(w.lesen("a.ini"), QByteArray("neu"));
        // A failing write (the target is a folder) leaves what was there.
        QDir().mkpath(w.nativ("ordner.ini"));
        QVERIFY(!w.dateien().write(w.gespeichert() + "ordner.ini", "x"));
        QVERIFY(QFileInfo(w.nativ("ordner.ini")).isDir());
        QByteArray gross;
        w.schreiben("gross", QByteArray(100, 'x'));
        QVERIFY(!w.dateien().read(w.gespeichert() + "gross", &gross, 99));
        QVERIFY(w.dateien().read(w.gespeichert() + "gross", &gross, 100));
        bool abgeschnitten = false;
        QVERIFY(w.dateien().readHead(w.gespeichert() + "gross", &gross, 99, &abgeschnitten));
        QVERIFY(abgeschnitten && gross.size() == 99);
        QVERIFY(w.dateien().readHead(w.gespeichert() + "gross", &gross, 100, &abgeschnitten));
        QVERIFY(!abgeschnitten && gross.size() == 100);
        // The new bytes go to a new file: a reader that opened the old one keeps it.
        QFile offen(w.nativ("a.ini"));
        QVERIFY(offen.open(QIODevice::ReadOnly));
        QVERIFY(w.dateien().write(w.gespeichert() + "a.ini", "neuer"));
        QCOMPARE(offen.readAll(), QByteArray("neu"));
        QCOMPARE(w.lesen("a.ini"), QByteArray("neuer"));
    }

    // The new file takes the old one's permissions, whichever way it was written; a new
    // file gets what the umask leaves.
    void replacedFilesKeepTheirPermissions() {
        testing::Datenwurzel w;
        const QString g = w.gespeichert();
        auto modus = [&w](const char *name) {
            struct stat st;
            return ::stat(QFile::encodeName(w.nativ(name)).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
        };
        w.schreiben("a", "alt");
        w.schreiben("b", "alt");
        w.schreiben("c", "alt");
        ::chmod(QFile::encodeName(w.nativ("a")).constData(), 0640);
        ::chmod(QFile::encodeName(w.nativ("b")).constData(), 0604);
        ::chmod(QFile::encodeName(w.nativ("c")).constData(), 0755);
        QVERIFY(w.dateien().write(g + "a", "neu"));
        Entwurf entwurf(w.dateien(), g + "c");
        QVERIFY(entwurf.anhaengen("neu"));
        QCOMPARE(w.dateien().writeAll({{g + "b", "neu"}, {g + "c", {}, entwurf.abschliessen()}}), -1);
        QVERIFY(w.dateien().writeUnsynced(g + "d", "neu"));
        QCOMPARE(modus("a"), 0640u);
        QCOMPARE(modus("b"), 0604u);
        QCOMPARE(modus("c"), 0755u);
        const mode_t maske = ::umask(0);
        ::umask(maske);
        QCOMPARE(modus("d"), 0666u & ~maske);
    }

    // A link in a file's place is replaced, never followed: no write reaches its target.
    void writesReplaceLinksThemselves() {
        testing::Datenwurzel w, draussen;
        draussen.schreiben("fremd.txt", "fremd");
        QVERIFY(QFile::link(draussen.nativ("fremd.txt"), w.nativ("verweis.txt")));
        QVERIFY(QFile::link(draussen.nativ("neu.txt"), w.nativ("haengend.txt")));
        QVERIFY(w.dateien().write(w.gespeichert() + "verweis.txt", "eigen"));
        QVERIFY(w.dateien().write(w.gespeichert() + "haengend.txt", "eigen"));
        QCOMPARE(draussen.lesen("fremd.txt"), QByteArray("fremd"));
        QVERIFY(!draussen.gibt("neu.txt"));
        QVERIFY(!QFileInfo(w.nativ("verweis.txt")).isSymLink());
        QCOMPARE(w.lesen("haengend.txt"), QByteArray("eigen"));
    }

    // Several files are replaced as one; when one fails, all keep their old bytes.
    void writeAllReplacesAllOrNone() {
        testing::Datenwurzel w;
        w.schreiben("a", "alt a");
        w.schreiben("b", "alt b");
        const QString g = w.gespeichert();
        QCOMPARE(w.dateien().writeAll({{g + "a", "neu a"}, {g + "b", "neu b"}, {g + "c", "neu c"}}), -1);
        QCOMPARE(w.lesen("a") + w.lesen("b") + w.lesen("c"), QByteArray("neu aneu bneu c"));
        QDir().mkpath(w.nativ("ordner/belegt"));
        QCOMPARE(w.dateien().writeAll({{g + "a", "x"}, {g + "c", "x"}, {g + "ordner", "x"}}), 2);
        QCOMPARE(w.lesen("a") + w.lesen("c"), QByteArray("neu aneu c"));
        QCOMPARE(w.dateien().writeAll({{g + "d", "x"}, {g + "ordner", "x"}}), 1);
        QVERIFY(!w.gibt("d"));
        // A draft written piece by piece goes in place with the others, or is removed
        // with them; one never handed over leaves nothing behind.
        Entwurf entwurf(w.dateien(), g + "a");
        QVERIFY(entwurf.anhaengen("ent") && entwurf.anhaengen("wurf"));
        QCOMPARE(w.dateien().writeAll({{g + "a", {}, entwurf.abschliessen()}, {g + "b", "neu b2"}}), -1);
        QCOMPARE(w.lesen("a") + w.lesen("b"), QByteArray("entwurfneu b2"));
        Entwurf verworfen(w.dateien(), g + "b");
        QVERIFY(verworfen.anhaengen("verworfen"));
        QCOMPARE(w.dateien().writeAll({{g + "ordner", "x"}, {g + "b", {}, verworfen.abschliessen()}}), 0);
        QCOMPARE(w.lesen("b"), QByteArray("neu b2"));
        {
            Entwurf liegengelassen(w.dateien(), g + "c");
            QVERIFY(liegengelassen.anhaengen("halb"));
        }
        QCOMPARE(QDir(w.nativ()).entryList(QDir::Files | QDir::Hidden).size(), 3); // a, b, c: no leftovers
        // Pieces small and large, across the megabytes it gathers them in, arrive whole
        // and in order.
        QRandomGenerator zufall(11);
        QByteArray alles;
        Entwurf gross(w.dateien(), g + "a");
        for (const int laenge : {1537, 1537, 3, (1 << 20) - 2, 1, 1 << 20, 1537, (1 << 20) + 5, 7})
            for (int mal = 0; mal < (laenge == 1537 ? 700 : 1); ++mal) {
                QByteArray stueck(laenge, Qt::Uninitialized);
                for (char &c : stueck)
                    c = char(zufall.bounded(256));
                QVERIFY(gross.anhaengen(stueck));
                alles += stueck;
            }
        // A piece that only points to the caller's bytes is taken as it was handed over.
        char fremd[] = "geliehen";
        QVERIFY(gross.anhaengen(QByteArray::fromRawData(fremd, 8)));
        alles += "geliehen";
        std::fill(std::begin(fremd), std::end(fremd), 'x');
        QCOMPARE(w.dateien().writeAll({{g + "a", {}, gross.abschliessen()}}), -1);
        QVERIFY(w.lesen("a") == alles);
    }

    void recordFilesCountWholeRecordsAndReadInOrder() {
        testing::Datenwurzel w;
        w.schreiben("s.5", QByteArray(4, 'a') + QByteArray(4, 'b') + QByteArray(3, 'c'));
        RecordFile r;
        QVERIFY(r.open(w.nativ("s.5"), 4));
        QCOMPARE(r.count(), 2);
        QVERIFY(r.seek(1));
        QByteArray satz;
        QVERIFY(r.readNext(&satz));
        QCOMPARE(satz, QByteArray("bbbb"));
        QCOMPARE(r.position(), 2);
        QVERIFY(!r.readNext(&satz)); // the partial record is no record
        QVERIFY(!r.seek(3));
        QVERIFY(r.seek(0));
        QVERIFY(r.readNext(&satz));
        QCOMPARE(satz, QByteArray("aaaa"));
        RecordFile fehlt;
        QVERIFY(!fehlt.open(w.nativ("fehlt"), 4));
        QVERIFY(!fehlt.readNext(&satz));
    }

    void aLockEndsWithItsOwner() {
        testing::Datenwurzel w;
        const QString pfad = w.nativ("Pagora.lock");
        w.schreiben("Pagora.lock", "4711\nalt\n"); // left behind by an owner long gone
        auto erste = Sperrdatei::nehmen(pfad);
        QVERIFY(erste);
        QVERIFY(!Sperrdatei::nehmen(pfad));
        erste.reset();
        QVERIFY(!QFile::exists(pfad));
        // A process that ends without giving its lock up leaves the file, not the lock.
        const pid_t kind = fork();
        if (kind == 0) _exit(Sperrdatei::nehmen(pfad).release() ? 0 : 1);
        int status = 0;
        QCOMPARE(waitpid(kind, &status, 0), kind);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(pfad));
        QVERIFY(Sperrdatei::nehmen(pfad));
        QVERIFY(!Sperrdatei::nehmen(w.nativ("fehlt/Pagora.lock")));
    }

    void bitmapsReadWholeOrInPart() {
        testing::Datenwurzel w;
        QImage bild(37, 23, QImage::Format_RGB32);
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 37; ++x)
                bild.setPixel(x, y, qRgb(x * 6, y * 10, (x + y) % 256));
        QVERIFY(bild.save(w.nativ("b.bmp"), "BMP")); // 24-bit, rows stored bottom-up
        QVERIFY(bild.save(w.nativ("b.png"), "PNG"));
        for (const char *datei : {"b.bmp", "b.png"}) {
            const QString pfad = w.nativ(QString::fromLatin1(datei));
            const auto ganz = readBitmap(pfad);
            QVERIFY(ganz.has_value());
            QCOMPARE(ganz->convertToFormat(QImage::Format_RGB32), bild);
            const auto teil = readBitmap(pfad, 1 << 20, QRect(30, 5, 20, 4));
            QVERIFY(teil.has_value());
            QCOMPARE(teil->size(), QSize(7, 4)); // clipped to the picture
            QCOMPARE(teil->pixel(0, 0), bild.pixel(30, 5));
            QCOMPARE(teil->pixel(6, 3), bild.pixel(36, 8));
            // Parts ending at the row's end, of every width up to two groups of four pixels.
            for (int breite = 1; breite <= 8; ++breite) {
                const QRect rechts(37 - breite, 0, breite, 23);
                QCOMPARE(readBitmap(pfad, 1 << 20, rechts)->convertToFormat(QImage::Format_RGB32), bild.copy(rechts));
            }
            const auto daneben = readBitmap(pfad, 1 << 20, QRect(40, 2, 5, 5)); // wholly outside
            QVERIFY(daneben.has_value() && daneben->isNull());
            QCOMPARE(bitmapSize(pfad), std::optional<QSize>(QSize(37, 23)));
        }
        QVERIFY(!readBitmap(w.nativ("b.bmp"), 100).has_value()); // more pixels than allowed
        // A picture drawn from its file survives the file being cut short meanwhile.
        w.schreiben("offen.bmp", w.lesen("b.bmp"));
        auto quelle = BitmapSource::open(w.nativ("offen.bmp"));
        QVERIFY(quelle);
        QImage zeilen(37, 23, QImage::Format_RGB32);
        QVERIFY(quelle->read(QRect(0, 0, 37, 23), zeilen.bits(), zeilen.bytesPerLine()));
        quelle->release();
        QVERIFY(QFile::resize(w.nativ("offen.bmp"), 100));
        QVERIFY(!quelle->read(QRect(0, 0, 37, 23), zeilen.bits(), zeilen.bytesPerLine()));
        QVERIFY(!quelle->read(QRect(30, 20, 8, 3), zeilen.bits(), zeilen.bytesPerLine())); // outside the picture
        // Cut short by another program between two bands of one drawing, while the file
        // is mapped: the band beyond the new end fails, the program lives on, and the
        // rows still there read as before.
        w.bitmap("gross.bmp", 600, 400, QColor(10, 20, 30)); // rows stored bottom-up
        auto gross = BitmapSource::open(w.nativ("gross.bmp"));
        QVERIFY(gross);
        QImage band(600, 100, QImage::Format_RGB32);
        QVERIFY(gross->read(QRect(0, 300, 600, 100), band.bits(), band.bytesPerLine()));
        QCOMPARE(QProcess::execute("truncate", {"-s", "65536", w.nativ("gross.bmp")}), 0);
        QVERIFY(!gross->read(QRect(0, 0, 600, 100), band.bits(), band.bytesPerLine()));
        QVERIFY(!gross->read(QRect(0, 0, 600, 100), band.bits(), band.bytesPerLine())); // and again
        QVERIFY(gross->read(QRect(0, 380, 600, 20), band.bits(), band.bytesPerLine()));
        QCOMPARE(band.pixel(599, 19), qRgb(10, 20, 30));
        const QByteArray bytes = w.lesen("b.bmp");
        w.schreiben("kurz.bmp", bytes.left(bytes.size() - 10));
        QVERIFY(!readBitmap(w.nativ("kurz.bmp")).has_value());
        QVERIFY(!readBitmap(w.nativ("fehlt.bmp")).has_value());
        // A pipe or a device named like a bitmap is refused before it is opened: no
        // reader waits for a writer or reads without end.
        QCOMPARE(::mkfifo(QFile::encodeName(w.nativ("rohr.bmp")).constData(), 0600), 0);
        QVERIFY(!readBitmap(w.nativ("rohr.bmp")).has_value());
        QVERIFY(!bitmapSize(w.nativ("rohr.bmp")).has_value());
        QVERIFY(!BitmapSource::open(w.nativ("rohr.bmp")));
        QVERIFY(!readBitmap("/dev/zero").has_value());
        QCOMPARE(checkInput(w.nativ("b.bmp")), InputCheck::Ok);
        QCOMPARE(checkInput(w.nativ("b.bmp"), 10), InputCheck::TooLarge);
    }

    void topDownPaletteBitmapsKeepTheirSizeAndTheCap_data() {
        QTest::addColumn<int>("breite");
        QTest::newRow("narrow") << 3;
        QTest::newRow("wider than the fast header allows") << 70000;
    }
    void topDownPaletteBitmapsKeepTheirSizeAndTheCap() {
        // An 8-bit bitmap stored top-down (negative height) goes through Qt's reader, which
        // tells its height negative: the size probes and the pixel cap must still hold.
        QFETCH(int, breite);
        const int zeile = (breite + 3) / 4 * 4, hoehe = 2;
        QByteArray b("BM");
        auto le = [&b](quint32 v, int n) {
            for (int i = 0; i < n; ++i)
                b += char((v >> (8 * i)) & 0xff);
        };
        le(54 + 8 + zeile * hoehe, 4), le(0, 4), le(54 + 8, 4);
        le(40, 4), le(quint32(breite), 4), le(quint32(-hoehe), 4), le(1, 2), le(8, 2), le(0, 4);
        le(quint32(zeile * hoehe), 4), le(2835, 4), le(2835, 4), le(2, 4), le(0, 4);
        le(0x000000, 4), le(0xffffff, 4);                       // palette: black, white
        b += QByteArray(zeile, '\1') + QByteArray(zeile, '\0'); // top row white
        testing::Datenwurzel w;
        w.schreiben("oben.bmp", b);
        const QString pfad = w.nativ("oben.bmp");
        QCOMPARE(bitmapSize(pfad), std::optional<QSize>(QSize(breite, hoehe)));
        const auto bild = readBitmap(pfad);
        QVERIFY(bild.has_value());
        QCOMPARE(bild->size(), QSize(breite, hoehe));
        QCOMPARE(bild->pixel(0, 0), qRgb(255, 255, 255));
        QVERIFY(!readBitmap(pfad, qint64(breite) * hoehe - 1).has_value());
    }

    void theOwnFontConfigurationKnowsEveryScalableFontOfTheSystem() {
        QVERIFY(eigeneSchriftkonfiguration);
        auto familien = [](FcConfig *config) {
            FcPattern *muster = FcPatternCreate();
            FcObjectSet *felder = FcObjectSetBuild(FC_FAMILY, FC_SCALABLE, nullptr);
            FcFontSet *liste = FcFontList(config, muster, felder);
            QSet<QString> skalierbar, bitmap;
            for (int i = 0; liste && i < liste->nfont; ++i) {
                FcChar8 *familie = nullptr;
                FcBool skalierbarJa = FcTrue;
                FcPatternGetBool(liste->fonts[i], FC_SCALABLE, 0, &skalierbarJa);
                if (FcPatternGetString(liste->fonts[i], FC_FAMILY, 0, &familie) == FcResultMatch)
                    (skalierbarJa ? skalierbar : bitmap).insert(QString::fromUtf8(reinterpret_cast<char *>(familie)));
            }
            if (liste) FcFontSetDestroy(liste);
            FcObjectSetDestroy(felder);
            FcPatternDestroy(muster);
            return std::pair(skalierbar, bitmap);
        };
        FcConfig *system = FcInitLoadConfigAndFonts();
        QVERIFY(system);
        const auto [eigene, eigeneBitmaps] = familien(FcConfigGetCurrent());
        const auto [systemweit, systemBitmaps] = familien(system);
        FcConfigDestroy(system);
        QVERIFY(eigene.contains("Liberation Sans"));
        QVERIFY2(eigene.contains(systemweit), qPrintable(QStringList((systemweit - eigene).values()).join(", ")));
        QVERIFY(eigeneBitmaps.isEmpty());
        // A configuration chosen from outside is left in force.
        qputenv("FONTCONFIG_FILE", "/dev/null");
        QVERIFY(!useOwnFontConfiguration());
        qunsetenv("FONTCONFIG_FILE");
    }

    void bundledFontsStandInForTheScreenFonts() {
        QVERIFY(registerBundledFonts());
        for (const char *family : {"MS Sans Serif", "Small Fonts", "Arial"}) {
            const QFont f = screenFont(QString::fromLatin1(family), 8);
            QCOMPARE(QFontInfo(f).family(), QString("Liberation Sans"));
            QCOMPARE(f.pixelSize(), 11);
            QCOMPARE(f.kerning(), false);
            QCOMPARE(f.hintingPreference(), QFont::PreferNoHinting);
        }
        // What has no font of its own (a message box) is set in a plain sans face, as on
        // a desktop, not in the first font of all.
        QCOMPARE(QFontInfo(QFont()).family(), QString("Liberation Sans"));
        QCOMPARE(screenFont("Arial", 7, 120).pixelSize(), 12);
        QCOMPARE(screenFont("Arial", 36, 96).pixelSize(), 48);
        QCOMPARE(screenFont("Arial", 2147483647, 192).pixelSize(), 2000); // from an overlong settings value
        QCOMPARE(screenFont("Arial", 0, 96).pixelSize(), 1);
        // The same text measures the same every time, and wider text measures wider.
        FontMeasurer m(screenFont("MS Sans Serif", 8));
        QVERIFY(m.width("Ein Buch") > 0);
        // The import's table of advances measures as the font does on the screen.
        QVERIFY(qAbs(ByteWidths(screenFont("MS Sans Serif", 8)).width("Ein Buch am Bildschirm") -
                     m.width("Ein Buch am Bildschirm")) <= 1);
        QVERIFY(m.width("Ein Buch am Bildschirm") > m.width("Ein Buch"));
        QCOMPARE(FixedWidthMeasurer(6).width("abc"), 18);
    }
};

int main(int argc, char **argv) {
    eigeneSchriftkonfiguration = useOwnFontConfiguration(); // as the program does, before Qt
    QGuiApplication app(argc, argv);
    TestPlatform t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_platform.moc"
