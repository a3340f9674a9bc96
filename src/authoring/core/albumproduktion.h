#pragma once
// Album production: the picture list in; the album spread bitmaps
// "Pages\<ProgrammName>NNN.bmp" and the album's two contents lists (.2, .8) out, put in
// place as one change when the run is through: the project shows the old album or the
// new one, never a mix. Every spread starts from "Help\Album0.bmp"; thumbnails are
// point-sampled into their cells.
#include "platform/files.h"
#include "platform/fonts.h"
#include "project/core/projektort.h"

#include <QImage>
#include <QStringList>
#include <functional>

namespace authoring {

struct Albumauftrag {
    projekt::Projektort ort;
    QStringList MemoListe; // the picture list
};

struct Albumschritt {
    int slot = 0;
    int prozent = 0;         // progress after this slot
    const QImage *aufschlag; // the spread being composed
};

struct Albumergebnis {
    enum class Status { Fertig, OhneAlbumblatt, Bildfehler, Schreibfehler, ZuVieleZeilen, LeereListe };
    Status status = Status::Fertig;
    int gespeicherteAufschlaege = 0; // spreads made (and in place once the status is Fertig)
    QStringList MemoInhalt;
    QStringList MemoInhalt2;
    QString meldung; // for Bildfehler, Schreibfehler and ZuVieleZeilen: what, and which list line
};

// The album's pages run from 1000 to 1999, and a spread's file takes the last three
// digits of its right page: 499 spreads of 16 cells, so at most this many list lines.
constexpr int kMaxListenzeilen = 499 * 16;

// Reduction of a w × h picture: the smallest d with w·10 div d <= 1080 and h·10 div d <= 760.
int AlbumTeiler(int w, int h);

// Contents entry of a heading line of the picture list on album page `seite`,
// word-wrapped to 237 pixels with the page number at the end of its last line.
void InhaltAlbum(QStringList &memo, const QString &zeile, int seite, const platform::ByteWidths &masse);

// Runs the production; `schritt` is told of every heading and picture slot.
Albumergebnis AlbumBearbeiten(const platform::Files &dateien, const Albumauftrag &auftrag,
                              const platform::ByteWidths &inhaltMasse,
                              const std::function<void(const Albumschritt &)> &schritt = {});

} // namespace authoring
