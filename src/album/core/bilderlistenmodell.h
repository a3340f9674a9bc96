#pragma once
// The project's picture list, held once for the whole program: the picture view, the
// album sheet and the search hits read it, the list editor opens on it and puts its
// lines back, album production takes it from here. Every change is announced, so no
// reader keeps an old copy.
#include "album/core/bilderliste.h"
#include "platform/files.h"

#include <QObject>

namespace album {

class Bilderlistenmodell : public QObject {
    Q_OBJECT
public:
    enum class Stand { Gelesen, Fehlt, Unlesbar };

    using QObject::QObject;

    const Bilderliste &liste() const { return liste_; }
    const QStringList &zeilen() const { return liste_.zeilen(); }
    // The line count as last loaded or emptied: what the album was made from and is
    // paged by. An edit not yet loaded again leaves it as it was.
    int umfang() const { return umfang_; }

    // Reads the list file; without a file, or with one that cannot be read, the lines
    // stay as they were.
    Stand laden(const platform::Files &dateien, const QString &datei);
    void leeren();
    // The lines as the author edited them.
    void setzen(const QStringList &zeilen);

Q_SIGNALS:
    void geaendert();

private:
    Bilderliste liste_;
    int umfang_ = 0;
};

} // namespace album
