// The next picture in the picture view (arrow key or edge arrow): the step through the
// list, finding the picture's files in a folder of mixed-case names, loading and
// centring it, and the repaint, for an album of 50 and of 5,000 distinct pictures.
#include "album/views/bildansicht.h"
#include "app/views/timageform.h"
#include "book/views/bildflaeche.h"
#include "book/views/buchpanel.h"
#include "buchteile.h"
#include "platform/fonts.h"
#include "stillemeldungen.h"

#include "median.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A 24-bit bitmap of distinct content.
QByteArray bitmap(int breite, int hoehe, quint32 saat) {
    const int zeile = (breite * 3 + 3) / 4 * 4;
    QImage bild(breite, hoehe, QImage::Format_RGB888);
    QRandomGenerator zufall(saat);
    for (int y = 0; y < hoehe; ++y)
        zufall.fillRange(reinterpret_cast<quint32 *>(bild.scanLine(y)), breite * 3 / 4);
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("BM", 2);
    s << quint32(54 + zeile * hoehe) << quint32(0) << quint32(54) << quint32(40) << qint32(breite) << qint32(hoehe)
      << quint16(1) << quint16(24) << quint32(0) << quint32(zeile * hoehe) << qint32(2835) << qint32(2835) << quint32(0)
      << quint32(0);
    for (int y = hoehe - 1; y >= 0; --y) {
        QByteArray reihe(reinterpret_cast<const char *>(bild.constScanLine(y)), breite * 3);
        reihe.resize(zeile, '\0');
        s.writeRawData(reihe.constData(), zeile);
    }
    return b;
}

bool schreiben(const QString &pfad, const QByteArray &inhalt) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

// Median milliseconds of one step to the next picture on a project of `anzahl` pictures.
double messen(const QString &hilfe, int anzahl) {
    QTemporaryDir wurzel;
    const QString w = wurzel.path() + '/';
    QDir().mkpath(w + "Proj/Album");
    QDir().mkpath(w + "Proj/Pages");
    QFile::link(hilfe, w + "Help");
    schreiben(w + "names.exe", "x");
    schreiben(w + "Proj.ini", "ShowCBT=0\r\nPath=Proj\r\n");
    schreiben(w + "Autor.ini", "Proj\r\n");
    QByteArray liste;
    for (int i = 0; i < anzahl; ++i) {
        // Files in mixed case, the list in upper case, as authors' folders are.
        const QString name = QStringLiteral("Bild_%1_Hafen").arg(i, 5, 10, QLatin1Char('0'));
        schreiben(w + "Proj/Album/" + name + ".bmp", bitmap(320, 240, quint32(i + 1)));
        if (i % 3 == 0) schreiben(w + "Proj/Album/" + name + ".Txt", "0010,0010,Ecke\r\n");
        liste += name.toUpper().toLatin1() + ":Bild " + QByteArray::number(i) + "\r\n";
    }
    schreiben(w + "Proj/Pages/Proj.3", liste);

    app::Zustand zustand;
    zustand.programmDatei = zustand.dateien.stored(w + "Proj.exe");
    platform::SimulatedScreen screen({1920, 1080, 96});
    testing::StilleMeldungen still;
    app::TImageForm form(zustand, screen, still);
    form.setFenster(nullptr, nullptr);
    form.eroeffnungAnhalten();
    while (testing::kindNamens<QWidget>(form, "PanelDeckel")->isVisible() || !form.PanelBuch()->isVisibleTo(&form))
        form.TimerAnfangTimer();
    form.show();
    QCoreApplication::processEvents();
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    album::Bildansicht *ansicht = form.bildansicht();
    ansicht->BildZeigen(0);
    std::vector<double> zeiten;
    for (int i = 0; i < 41 && i < anzahl - 1; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        ansicht->ImageForwardClick();
        form.render(&bild);
        zeiten.push_back(uhr.nsecsElapsed() / 1e6);
    }
    // The steps must really have shown pictures: the last one shown is picture 42.
    const QString erwartet = QStringLiteral("BILD_%1_HAFEN").arg(std::min(41, anzahl - 1), 5, 10, QLatin1Char('0'));
    const auto *flaeche = form.findChild<book::Bildflaeche *>("ImageMain");
    if (ansicht->aktuellesBild() != erwartet || !flaeche || flaeche->width() != 320) {
        std::fprintf(stderr, "Falsches Bild: %s statt %s\n", qPrintable(ansicht->aktuellesBild()),
                     qPrintable(erwartet));
        return -1;
    }
    return median(zeiten);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    platform::registerBundledFonts();
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: %s HILFEORDNER\n", argv[0]);
        return 2;
    }
    const QString hilfe = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    std::printf("Nächstes Bild zeigen, 1920 x 1080, Bilder 320 x 240 in gemischter Schreibung (Median aus 41)\n");
    const double klein = messen(hilfe, 50), gross = messen(hilfe, 5000);
    if (klein < 0 || gross < 0) return 1;
    std::printf("  50 Bilder       %7.2f ms\n", klein);
    std::printf("  5.000 Bilder    %7.2f ms   (Ziel: unter 30 ms; %.2fx für 100x die Bilder)\n", gross, gross / klein);
    return 0;
}
