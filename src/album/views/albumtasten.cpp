// The album sheet by key and for screen readers: each caption stands for its cell.
#include "album/views/albumblatt.h"
#include "album/views/bildansicht.h"
#include "platform/keycontrols.h"

#include <QLabel>

namespace album {

namespace {

// Cell k (0..15) lies in column (k / 8) * 2 + k % 2 and row (k % 8) / 2 of the sheet.
int Spalte(int k) {
    return (k / 8) * 2 + k % 2;
}
int Reihe(int k) {
    return (k % 8) / 2;
}
int Zelle(int spalte, int reihe) {
    return (spalte / 2) * 8 + reihe * 2 + spalte % 2;
}

} // namespace

void Albumblatt::tastenEinrichten() {
    auto *tasten = new platform::KeyControls(this);
    for (int k = 0; k < 16; ++k) {
        QLabel *l = AlbumLabels[size_t(k)];
        tasten->add(l, QAccessible::Button, [this, k] { ansicht_.BildZeigen(k + 16 * (aufschlag_ - 1)); });
        tasten->key(l, Qt::Key_Left, [this, k] { zelleWechseln(k, -1, 0); });
        tasten->key(l, Qt::Key_Right, [this, k] { zelleWechseln(k, 1, 0); });
        tasten->key(l, Qt::Key_Up, [this, k] { zelleWechseln(k, 0, -1); });
        tasten->key(l, Qt::Key_Down, [this, k] { zelleWechseln(k, 0, 1); });
        tasten->onFocus(l, [this, k] { ansicht_.BildHinweis(k + 16 * (aufschlag_ - 1)); });
        zelleBedienbar(k, QString());
    }
}

void Albumblatt::zelleBedienbar(int k, const QString &zeile) {
    QLabel *l = AlbumLabels[size_t(k)];
    const bool belegt = !zeile.isEmpty() && !zeile.startsWith(' ');
    l->setFocusPolicy(belegt ? Qt::TabFocus : Qt::NoFocus);
    l->setProperty(platform::KeyControls::kHiddenProperty, !belegt);
    // Named by its caption, a picture without one by its name.
    const qsizetype doppelpunkt = zeile.indexOf(':');
    const QString unterschrift = doppelpunkt > 0
                                     ? zeile.mid(doppelpunkt + 1).section('~', 0, 0).trimmed()
                                     : QString(zeile.startsWith(":I:") ? zeile.mid(3) : zeile).section('~', 0, 0);
    l->setAccessibleName(!belegt ? QString() : !unterschrift.isEmpty() ? unterschrift : zeile.left(doppelpunkt));
    if (!belegt && l->hasFocus()) imageAlbum_->parentWidget()->window()->setFocus();
}

// The next cell in that direction that holds something; none at the sheet's edge.
void Albumblatt::zelleWechseln(int k, int spalten, int zeilen) {
    int spalte = Spalte(k), reihe = Reihe(k);
    for (;;) {
        spalte += spalten;
        reihe += zeilen;
        if (spalte < 0 || spalte > 3 || reihe < 0 || reihe > 3) return;
        QLabel *ziel = AlbumLabels[size_t(Zelle(spalte, reihe))];
        if (ziel->focusPolicy() != Qt::NoFocus) {
            ziel->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace album
