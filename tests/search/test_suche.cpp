// Spelling-tolerant folding and where a folded hit lies in the line, the text search through page files, the album
// search through mark files, and the size of the found list.
#include "book/core/seitensatz.h"
#include "fixture.h"
#include "search/core/falten.h"
#include "search/core/fundstellen.h"
#include "search/core/suche.h"

#include "platform/cp1252.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

using namespace search;

class TestSuche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void folding_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("gefaltet");
        QTest::newRow("Schmitt") << "Schmitt"
                                 << "schmit";
        QTest::newRow("Schmidt") << "Schmidt"
                                 << "schmidt";
        QTest::newRow("Straße") << "Straße"
                                << "strase";
        QTest::newRow("Strasse") << "Strasse"
                                 << "strase";
        QTest::newRow("Müller") << "Müller"
                                << "miler";
        QTest::newRow("Miller") << "Miller"
                                << "miler";
        QTest::newRow("Bäcker") << "Bäcker"
                                << "beker";
        QTest::newRow("Becker") << "Becker"
                                << "beker";
        QTest::newRow("Bekker") << "Bekker"
                                << "beker";
        QTest::newRow("Egge") << "Egge"
                              << "eke";
        QTest::newRow("Ecke") << "Ecke"
                              << "eke";
        QTest::newRow("Käse") << "Käse"
                              << "kese";
        QTest::newRow("Kaese") << "Kaese"
                               << "kese";
        QTest::newRow("Hoi") << "Hoi"
                             << "heu";
        QTest::newRow("Tahl") << "Tahl"
                              << "tal";
        QTest::newRow("Thal") << "Thal"
                              << "thal";
        QTest::newRow("Haus Nr") << "Haus Nr"
                                 << "hausnr";
        QTest::newRow("Öl") << "Öl"
                            << "el";
        QTest::newRow("Oel") << "Oel"
                             << "oel";
        QTest::newRow("Eckecke: only the first ck") << "Eckecke"
                                                    << "ekecke";
        QTest::newRow("doubled ü") << "üü"
                                   << "ii";
        QTest::newRow("Tuerkei") << "Tuerkei"
                                 << "tirkei";
        QTest::newRow("Türkei") << "Türkei"
                                << "tirkei";
        QTest::newRow("Mueller") << "Mueller"
                                 << "miler";
        QTest::newRow("ae twice") << "Maerchenbaer"
                                  << "merchenber";
        QTest::newRow("Märchenbär") << "Märchenbär"
                                    << "merchenber";
        QTest::newRow("Hauptstraße") << "Hauptstraße"
                                     << "hauptstrase";
    }
    void folding() {
        QFETCH(QString, text);
        QFETCH(QString, gefaltet);
        QCOMPARE(modifiedUpcase(text), gefaltet);
    }

    void helpers() {
        QString t = "abab";
        ErstesErsetzen("ab", "x", t);
        QCOMPARE(t, QString("xab"));
        QCOMPARE(KleinMitUmlaut("ÄÖÜ ÄBC"), QString("äöü Äbc"));
        QCOMPARE(Grossbuchstaben("Müller"), QString("MüLLER"));
        QCOMPARE(Falten("Müller", false), QString("MüLLER"));
    }

    // The page search folds bytes; it must agree with the folding of text on every
    // line, the first-only replacements and the doubled letters included.
    void bytesFoldLikeText() {
        const QByteArray alphabet =
            QByteArray("aeiouyhckgsAEIOUHCKGS  .|\r\n") + "\xc4\xd6\xdc\xe4\xf6\xfc\xdf\x81\x9d\x80";
        QRandomGenerator zufall(1537);
        std::string arbeit, gefaltet;
        for (int n = 0; n < 20000; ++n) {
            QByteArray zeile(int(zufall.bounded(1, 53)), Qt::Uninitialized);
            for (char &c : zeile)
                c = alphabet[int(zufall.bounded(alphabet.size()))];
            for (const bool tolerant : {true, false}) {
                search::FaltenBytes(std::string_view(zeile.constData(), size_t(zeile.size())), tolerant, arbeit,
                                    gefaltet);
                const QByteArray erwartet = platform::toCp1252(search::Falten(platform::fromCp1252(zeile), tolerant));
                QCOMPARE(QByteArray::fromStdString(gefaltet), erwartet);
            }
        }
    }

    // The found word as the page marks it: the folding's merged and dropped characters
    // count to the word they belong to.
    void foundWordsInTheLine_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("begriff");
        QTest::addColumn<bool>("tolerant");
        QTest::addColumn<QStringList>("markiert");
        QTest::newRow("ß for ss") << "Die Straße am Hafen"
                                  << "Strasse" << true << QStringList{"Straße"};
        QTest::newRow("ue for ü") << "Müller"
                                  << "Mueller" << true << QStringList{"Müller"};
        QTest::newRow("oi for eu") << "Hoi"
                                   << "Heu" << true << QStringList{"Hoi"};
        QTest::newRow("every spelling") << "Der Mueller und der Miller"
                                        << "Müller" << true << QStringList{"Mueller", "Miller"};
        QTest::newRow("dropped h inside") << "Das Tahl im Thal"
                                          << "Tal" << true << QStringList{"Tahl"};
        QTest::newRow("blank inside") << "im Haus Nr 5"
                                      << "hausnr" << true << QStringList{"Haus Nr"};
        QTest::newRow("only the first ck") << "Eine Ecke, noch eine Ecke"
                                           << "Ecke" << true << QStringList{"Ecke"};
        QTest::newRow("after a merge") << "Kaese und Käse"
                                       << "Käse" << true << QStringList{"Kaese", "Käse"};
        QTest::newRow("plain mode") << "Die Strasse, die STRASSE, die Straße"
                                    << "strasse" << false << QStringList{"Strasse", "STRASSE"};
        QTest::newRow("no term") << "Hafen"
                                 << "" << true << QStringList{};
    }
    void foundWordsInTheLine() {
        QFETCH(QString, zeile);
        QFETCH(QString, begriff);
        QFETCH(bool, tolerant);
        QFETCH(QStringList, markiert);
        QStringList gefunden;
        for (const Fundstelle &f : Fundstellen(zeile, Falten(begriff, tolerant), tolerant))
            gefunden << zeile.mid(f.anfang, f.laenge);
        QCOMPARE(gefunden, markiert);
        const auto stellen = Fundstellen(zeile, Falten(begriff, tolerant), tolerant);
        QVERIFY(std::is_sorted(stellen.begin(), stellen.end(),
                               [](const Fundstelle &a, const Fundstelle &b) { return a.anfang < b.anfang; }));
    }

    // The folding with origins gives the search's folding on any line, and every folded
    // character comes from a stretch of the line, in order.
    void originsFoldLikeTheSearch() {
        const QString alphabet = QString::fromUtf8("aeiouyhckgsAEIOUHCKGSYÄÖÜäöüß .-");
        QRandomGenerator zufall(4711);
        for (int n = 0; n < 20000; ++n) {
            QString zeile(int(zufall.bounded(0, 50)), Qt::Uninitialized);
            for (QChar &c : zeile)
                c = alphabet[int(zufall.bounded(alphabet.size()))];
            for (const bool tolerant : {true, false}) {
                const Herkunft h = FaltenMitHerkunft(zeile, tolerant);
                QCOMPARE(h.gefaltet, Falten(zeile, tolerant));
                QCOMPARE(h.von.size(), h.gefaltet.size());
                QCOMPARE(h.bis.size(), h.gefaltet.size());
                for (qsizetype i = 0; i < h.gefaltet.size(); ++i) {
                    QVERIFY(h.von[i] >= 0 && h.von[i] < h.bis[i] && h.bis[i] <= zeile.size());
                    if (i > 0) QVERIFY(h.von[i] >= h.von[i - 1] && h.bis[i] >= h.bis[i - 1]);
                }
            }
        }
    }

    void theTextSearchPointsAtTheLastMatchingLine() {
        testing::Datenwurzel w;
        QByteArray datei;
        for (int s = 1; s <= 6; ++s) {
            book::Seitensatz satz;
            satz.setzen(1, "Seite " + QByteArray::number(s));
            if (s == 4) {
                satz.setzen(5, "Der M\xfcller mahlt");
                satz.setzen(20, "beim Miller");
            }
            if (s == 6) satz.setzen(3, "noch ein Mueller? nein");
            if (s == 2) satz.setzen(9, "ein Hoi und Ma\xdf"); // letters the folding makes: e, u, s
            if (s == 3) satz.setzen(book::kZeilenJeSeite, "am Schluss");
            datei += satz.bytes();
        }
        w.schreiben("t.5", datei);
        platform::RecordFile f;
        QVERIFY(f.open(w.nativ("t.5"), 1537));
        const auto fund = SeitendateiDurchsuchen(f, modifiedUpcase("Müller"), true);
        QVERIFY(fund.has_value());
        QCOMPARE(fund->position, 4);
        QCOMPARE(fund->zeile, 20);
        const auto weiter = SeitendateiDurchsuchen(f, modifiedUpcase("Müller"), true); // "Mueller" is the same name
        QVERIFY(weiter.has_value());
        QCOMPARE(weiter->position, 6);
        QCOMPARE(weiter->zeile, 3);
        QVERIFY(!SeitendateiDurchsuchen(f, modifiedUpcase("Müller"), true).has_value());
        // The pre-filter lets through what the folding may turn into the term.
        for (const char *begriff : {"Heu", "mas", "Mass"}) {
            QVERIFY(f.seek(0));
            const auto fund = SeitendateiDurchsuchen(f, modifiedUpcase(QString::fromLatin1(begriff)), true);
            QVERIFY2(fund.has_value() && fund->position == 2 && fund->zeile == 9, begriff);
        }
        QVERIFY(f.seek(0));
        QVERIFY(!SeitendateiDurchsuchen(f, modifiedUpcase("Heux"), true).has_value());
        QVERIFY(f.seek(0));
        QVERIFY(!SeitendateiDurchsuchen(f, QStringLiteral("\u263a"), true).has_value());
        QVERIFY(f.seek(0));
        const auto plain = SeitendateiDurchsuchen(f, Grossbuchstaben("miller"), false);
        QVERIFY(plain.has_value());
        QCOMPARE(plain->zeile, 20);
        // The first and the last line of a page are searched too.
        QVERIFY(f.seek(0));
        const auto erste = SeitendateiDurchsuchen(f, Grossbuchstaben("Seite 5"), false);
        QVERIFY(erste.has_value() && erste->position == 5 && erste->zeile == 1);
        QVERIFY(f.seek(0));
        const auto letzte = SeitendateiDurchsuchen(f, Grossbuchstaben("Schluss"), false);
        QVERIFY(letzte.has_value() && letzte->position == 3 && letzte->zeile == book::kZeilenJeSeite);
    }

    // Many pages of random lines, searched from the first record to the end, give on
    // every page the last line whose whole folding holds the term: the letter filter
    // lets through every line that may match, and reading ahead in ever larger pieces
    // loses no record, also when the file ends in a part of one.
    void theSearchFindsWhatFoldingEveryLineFinds() {
        const QByteArray alphabet = QByteArray("aeiouyhckgmlnrstAEIOUHCKGMLN  ") + "\xc4\xd6\xdc\xe4\xf6\xfc\xdf";
        QRandomGenerator zufall(29);
        QList<QList<QByteArray>> seiten(300);
        QByteArray datei;
        for (qsizetype nr = 0; nr < seiten.size(); ++nr) {
            book::Seitensatz satz;
            for (int z = 1; z <= book::kZeilenJeSeite; ++z) {
                QByteArray zeile(book::kTextSpalten, ' ');
                for (int i = int(zufall.bounded(book::kTextSpalten)); i < book::kTextSpalten; ++i)
                    zeile[i] = alphabet[int(zufall.bounded(alphabet.size()))];
                if (nr == 0 && z == book::kZeilenJeSeite) // a term in the last two columns
                    zeile = QByteArray(book::kTextSpalten - 2, ' ') + "Kn";
                satz.setzen(z, zeile);
                seiten[nr].append(zeile);
            }
            datei += satz.bytes();
        }
        testing::Datenwurzel w;
        w.schreiben("t.5", datei + "halb");
        for (const char *roh : {"Mil", "Möl", "hal", "ek", "Ecke", "aeu", "Kn", "gs", "nr"}) {
            const QString begriff = modifiedUpcase(QString::fromUtf8(roh));
            QList<QPair<int, int>> erwartet;
            for (int s = 0; s < seiten.size(); ++s)
                for (int z = book::kZeilenJeSeite; z >= 1; --z)
                    if (modifiedUpcase(platform::fromCp1252(seiten[s][z - 1])).contains(begriff)) {
                        erwartet.append({s + 1, z});
                        break;
                    }
            platform::RecordFile f;
            QVERIFY(f.open(w.nativ("t.5"), book::kSeitensatzGroesse));
            QList<QPair<int, int>> gefunden;
            while (const auto fund = SeitendateiDurchsuchen(f, begriff, true)) {
                gefunden.append({fund->position, fund->zeile});
                QCOMPARE(fund->text, seiten[fund->position - 1][fund->zeile - 1]);
            }
            QVERIFY2(erwartet.size() > 5, roh);
            QCOMPARE(gefunden, erwartet);
            QCOMPARE(f.position(), seiten.size()); // the partial record is left unread
        }
        // Comments of every length from none to beyond 64 bytes, through the album search.
        w.bitmap("P/Album/Zufall.bmp", 4, 4);
        QStringList zeilen;
        for (int laenge = 0; laenge < 90; ++laenge)
            for (int mal = 0; mal < 12; ++mal) {
                QByteArray kommentar(laenge, ' ');
                for (char &c : kommentar)
                    c = alphabet[int(zufall.bounded(alphabet.size()))];
                zeilen << QStringLiteral("0001,0002,") + platform::fromCp1252(kommentar);
            }
        w.text("P/Album/Zufall.txt", zeilen);
        for (const char *roh : {"Mil", "hal", "ek", "Kn", "nr", "alm"}) {
            const QString begriff = modifiedUpcase(QString::fromUtf8(roh));
            QStringList erwartet, gefunden;
            for (const QString &z : std::as_const(zeilen))
                if (modifiedUpcase(z.mid(10)).contains(begriff)) erwartet << z.mid(10);
            for (const Albumfund &fund : BilderDurchsuchen(w.dateien(), w.gespeichert() + "P\\", begriff, true))
                gefunden << fund.kommentar;
            QVERIFY2(erwartet.size() > 5, roh);
            QCOMPARE(gefunden, erwartet);
        }
    }

    void theAlbumSearchLooksAtCommentsOnly() {
        testing::Datenwurzel w;
        w.bitmap("P/Album/Markt.bmp", 10, 10);
        w.text("P/Album/Markt.txt", {"0120,0450,Rathaus", "0200,0100,Brunnen mit Figur"});
        w.text("P/Album/Ohne.txt", {"0001,0001,Rathaus ohne Bild"});
        QList<Albumfund> f = BilderDurchsuchen(w.dateien(), w.gespeichert() + "P\\", modifiedUpcase("rathaus"), true);
        QCOMPARE(f.size(), 1);
        QCOMPARE(f[0].zeile, QString("0120,0450,Rathaus>Markt"));
        QCOMPARE(f[0].anzeige, QString("Rathaus>Markt"));
        // The hit as the picture view takes it: picture, mark position and comment.
        QCOMPARE(f[0].bild, QString("Markt"));
        QCOMPARE(QPoint(f[0].x, f[0].y), QPoint(120, 450));
        QCOMPARE(f[0].kommentar, QString("Rathaus"));
        QVERIFY(BilderDurchsuchen(w.dateien(), w.gespeichert() + "P\\", modifiedUpcase("012"), true).isEmpty());
        // A long comment is looked at to its end; a mark file's picture in another case
        // counts, a file without its picture does not.
        w.bitmap("P/Album/hafen.BMP", 10, 10);
        w.text("P/Album/Hafen.txt", {"0005,0006," + QString(50, '-') + " Quelle " + QString(50, '-')});
        f = BilderDurchsuchen(w.dateien(), w.gespeichert() + "P\\", modifiedUpcase("quelle"), true);
        QCOMPARE(f.size(), 1);
        QCOMPARE(f[0].bild, QString("Hafen"));
        // Lines end at CR, LF or CR LF; the last one needs no end.
        w.bitmap("P/Album/Anker.bmp", 10, 10);
        w.schreiben("P/Album/Anker.txt", "0001,0002,Anker\r0003,0004,Anker\n\n0005,0006,Anker\r\n0007,0008,Anker");
        f = BilderDurchsuchen(w.dateien(), w.gespeichert() + "P\\", modifiedUpcase("anker"), true);
        QCOMPARE(f.size(), 4);
        for (int i = 0; i < 4; ++i)
            QVERIFY(f[i].bild == "Anker" && f[i].x == 2 * i + 1 && f[i].y == 2 * i + 2 && f[i].kommentar == "Anker");
    }

    void foundListSizes() {
        const Fundlistenmass wenige = FundlisteBemessen(12, 600);
        QCOMPARE(wenige.listeHoehe, 172);
        QCOMPARE(wenige.fensterHoehe, 200);
        const Fundlistenmass dreizehn = FundlisteBemessen(13, 600);
        QCOMPARE(dreizehn.listeHoehe, 244);
        QCOMPARE(dreizehn.fensterHoehe, 280);
        QVERIFY(!dreizehn.zweiSpalten);
        const Fundlistenmass vierzig = FundlisteBemessen(40, 600);
        QVERIFY(vierzig.zweiSpalten);
        QCOMPARE(vierzig.listeHoehe, 550);
    }
};

QTEST_APPLESS_MAIN(TestSuche)
#include "test_suche.moc"
