#pragma once
// Where one project's files are. Every file name of a project is derived here from
// three things: the data root, the programme name and the project folder below the
// root (the settings' "Path"). The window, the authoring panels and the tool ask this
// value; nobody else puts a project's file names together.
#include <QString>
#include <QStringList>

namespace projekt {

// The numbered files in a project's "Pages" folder.
enum class Seitendatei {
    TextInhalt = 1,   // contents of the reading part
    AlbumInhalt = 2,  // contents of the album, first column
    Bilderliste = 3,  // the picture list
    Copyright = 4,    // the copyright page
    TextSeiten = 5,   // the reading part's page records
    HilfeInhalt = 6,  // contents of the help part
    HilfeSeiten = 7,  // the help part's page records
    AlbumInhalt2 = 8, // contents of the album, second column
};

struct Projektort {
    QString stamm; // the data root, "\" at the end
    QString name;  // the programme name
    QString pfad;  // the project folder below the root, "\" at the end
    // Only where the programme runs beside a CD: its own folder, where the two page
    // files were copied to. Empty on a hard disk: they lie in the project's Pages.
    QString seitenBeimProgramm;

    // The folder a stored "Path" names, or `name\` when it is empty or would lead out
    // of the data root (a drive, a leading "\", "." or ".." among its parts, a
    // character no file name may hold).
    static QString pfadAus(const QString &gespeichert, const QString &name);

    QString ordner() const { return stamm + pfad; }
    QString einstellungsDatei() const { return stamm + name + ".ini"; }
    QString hilfeOrdner() const { return stamm + "Help\\"; }
    QString seitenOrdner() const { return ordner() + "Pages\\"; }
    QString albumOrdner() const { return ordner() + "Album\\"; }
    QString datei(Seitendatei welche) const;
    QString textSeiten() const;
    QString hilfeSeiten() const;
    // The spread of the album whose right page is `rechteSeite` (1002, 1004 …).
    QString albumblatt(int rechteSeite) const;
};

// The settings file named by what the author typed or Autor.ini holds: a bare name on
// `stamm`, or a name with a data root in front ("E:\Quarn"). No value for a root that
// does not start with a drive.
struct Einstellungsname {
    QString stamm;
    QString name;
};
bool EinstellungsnameLesen(const QString &eingabe, const QString &stamm, Einstellungsname *aus);

} // namespace projekt
