#include "album/core/bilderliste.h"

namespace album {

bool Bilderliste::leer(int i) const {
    return i >= 0 && i < zeilen_.size() && (zeilen_[i].isEmpty() || zeilen_[i].startsWith(' '));
}

int Bilderliste::Naechste(int index) const {
    if (index < anzahl() - 1) ++index;
    while (leer(index) && index < anzahl() - 1)
        ++index;
    return index;
}

int Bilderliste::Vorige(int index) const {
    if (index > 0) --index;
    if (leer(index) && index > 0) --index;
    return index;
}

QString Bilderliste::BildtextFuer(const QString &name) const {
    for (const QString &z : zeilen_)
        if (z.contains(':') && z.section(':', 0, 0).toUpper() == name) return z.mid(z.indexOf(':') + 1).left(255);
    return QString();
}

int Bilderliste::IndexVon(const QString &name) const {
    int gefunden = -1;
    for (int i = 0; i < zeilen_.size(); ++i)
        if (zeilen_[i].section(':', 0, 0) == name) gefunden = i;
    return gefunden;
}

int Bilderliste::IndexNachListenname(const QString &name) const {
    const QString gross = name.toUpper();
    int gefunden = -1;
    for (int i = 0; i < zeilen_.size(); ++i) {
        QString rest, listenname;
        ListenzeileZerlegen(zeilen_[i], &rest, &listenname);
        if (listenname == gross) gefunden = i;
    }
    return gefunden;
}

QString Vierstellig(int n) {
    return QString::number(n).rightJustified(4, '0').left(4);
}

QString OhneTilde(QString text) {
    if (const qsizetype i = text.indexOf('~'); i >= 0) text.remove(i, 1);
    return text;
}

void ListenzeileZerlegen(const QString &zeile, QString *rest, QString *name) {
    const qsizetype doppelpunkt = zeile.indexOf(':');
    if (doppelpunkt < 0) {
        *name = QString();
        *rest = zeile;
        return;
    }
    *name = zeile.left(doppelpunkt).toUpper();
    *rest = zeile.mid(doppelpunkt + 1);
}

} // namespace album
