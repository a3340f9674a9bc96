#include "project/core/projektdateien.h"

#include "book/core/seitenformat.h"

#include <QFile>

namespace projekt {

bool GueltigerProgrammName(const QString &name) {
    if (name.isEmpty() || name.trimmed() != name) return false;
    for (const QChar c : name)
        if (c.unicode() < 32 || QStringView(u"\\/:*?\"<>|.").contains(c)) return false;
    return true;
}

namespace {

QString einstellungsDatei(const Zustand &z) {
    return z.StammVerzeichnis + z.ProgrammName + ".ini";
}

} // namespace

bool SchreibTest(const Zustand &z) {
    // A probe deleted at once replaces no file worth keeping: it is written straight,
    // without the safe replacement and its renames, and without a sync to disk, which
    // together took a tenth of the start.
    const QString ordner = z.dateien.native(z.StammVerzeichnis);
    if (ordner.isEmpty()) return false;
    QFile test(ordner + (ordner.endsWith('/') ? "" : "/") + "Test.txt");
    if (!test.open(QIODevice::WriteOnly)) return false;
    const bool geschrieben = test.write("Test\r\n") == 6 && test.flush();
    test.close();
    return QFile::remove(test.fileName()) && geschrieben;
}

bool DatenwurzelSperren(Zustand &z) {
    z.sperre = platform::Sperrdatei::nehmen(z.dateien.native(z.StammVerzeichnis + "Pagora.lock"));
    return z.sperre != nullptr;
}

bool EinstellungsdateiLesen(Zustand &z, QString name) {
    QString datei, stamm = z.StammVerzeichnis;
    if (name.contains(":\\")) {
        // A project on another data root: the root is everything up to the last "\",
        // and it starts with a drive ("E:\"); anything else would name the working folder.
        const qsizetype schnitt = name.lastIndexOf('\\');
        const bool laufwerk = name.size() >= 3 && name.at(0).isLetter() && name.at(1) == ':' && name.at(2) == '\\';
        if (!laufwerk) return false;
        datei = name + ".ini";
        stamm = name.left(schnitt + 1);
        name = name.mid(schnitt + 1);
    } else {
        datei = z.StammVerzeichnis + name + ".ini";
    }
    QByteArray inhalt;
    bool abgeschnitten = false;
    if (!z.dateien.readHead(datei, &inhalt, 1 << 20, &abgeschnitten)) return false;
    if (abgeschnitten) inhalt.truncate(qMax(inhalt.lastIndexOf('\n'), inhalt.lastIndexOf('\r')) + 1);
    z.StammVerzeichnis = stamm;
    z.einstellungsQuelle = datei;
    z.textDatei.close();
    z.TextDateiOffen = false;
    z.einstellungen = z.Vorgaben;
    z.ProgrammName = name;
    z.einstellungen.lesen(inhalt);
    SeitenDateiNamenNachfuehren(z);
    return true;
}

void SeitenDateiNamenNachfuehren(Zustand &z) {
    const QString datei = z.programmDatei.mid(z.programmDatei.lastIndexOf('\\') + 1);
    if (z.ProgrammName.compare(datei.section('.', 0, 0), Qt::CaseInsensitive) == 0) return;
    const QString seiten = z.StammVerzeichnis + z.ProgrammName + "\\Pages\\" + z.ProgrammName;
    z.TextSeitenDateiName = seiten + ".5";
    z.HilfeSeitenDateiName = seiten + ".7";
}

bool IniDateiSchreiben(const Zustand &z) {
    if (!SchreibTest(z)) return false;
    const QString datei = einstellungsDatei(z);
    if (z.dateien.exists(datei) && z.dateien.native(datei) != z.dateien.native(z.einstellungsQuelle)) return false;
    return z.dateien.write(datei, z.einstellungen.schreiben(z.Vorgaben));
}

bool AutorIniSchreiben(Zustand &z, const QString &eigeneWurzel) {
    if (!SchreibTest(z)) z.ProgrammName = z.StammVerzeichnis + z.ProgrammName;
    return z.dateien.write(eigeneWurzel + "Autor.ini", platform::joinLines({z.ProgrammName}));
}

std::optional<QString> AutorIniLesen(const Zustand &z) {
    QByteArray inhalt;
    if (!z.dateien.read(z.StammVerzeichnis + "Autor.ini", &inhalt, 1 << 16)) return std::nullopt;
    const QStringList zeilen = platform::splitLines(inhalt);
    // An empty name is kept: it leads the author to the new-project panel.
    const QString name = zeilen.isEmpty() ? QString() : zeilen.first().left(kMaxZeilenLaenge);
    if (name.isEmpty()) return name;
    const QString stamm = name.contains(":\\") ? name.mid(name.lastIndexOf('\\') + 1) : name;
    if (!GueltigerProgrammName(stamm)) return std::nullopt;
    return name;
}

void SeitenDateienOeffnen(Zustand &z) {
    if (z.dateien.exists(z.HilfeSeitenDateiName)) {
        z.hilfeDatei.close();
        z.HilfeDateiOffen = z.hilfeDatei.open(z.dateien.native(z.HilfeSeitenDateiName), book::kSeitensatzGroesse);
        z.HilfeSeitenZahl = int(z.hilfeDatei.count());
    }
    if (z.dateien.exists(z.TextSeitenDateiName)) {
        if (z.textDatei.open(z.dateien.native(z.TextSeitenDateiName), book::kSeitensatzGroesse))
            z.TextSeitenZahl = int(z.textDatei.count());
    } else {
        z.textDatei.close();
        z.TextSeitenZahl = 0;
    }
    z.TextDateiOffen = true;
}

void ProjektVerzeichnisSetzen(Zustand &z) {
    z.ProjektVerzeichnis = z.StammVerzeichnis + z.ProjektPfad;
    if (!z.ProjektVerzeichnis.endsWith('\\')) z.ProjektVerzeichnis += '\\';
}

int LeereKommentareLoeschen(const Zustand &z) {
    const QString album = z.ProjektVerzeichnis + "Album\\";
    int geloescht = 0;
    for (const QString &name : z.dateien.list(album, "*.txt"))
        if (z.dateien.size(album + name) == 0 && z.dateien.remove(album + name)) ++geloescht;
    return geloescht;
}

} // namespace projekt
