#include "project/core/projektdateien.h"

#include "book/core/seitenformat.h"

#include <QFile>

namespace projekt {

bool VorbehaltenerName(const QString &name) {
    for (const char *eigen : {"names", "Autor", "Help", "pagora-tool", "pagora-tool-befehle", "pagora-tool-pdf"})
        if (name.compare(QLatin1String(eigen), Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool GueltigerProgrammName(const QString &name) {
    if (name.isEmpty() || name.trimmed() != name || VorbehaltenerName(name)) return false;
    for (const QChar c : name)
        if (c.unicode() < 32 || QStringView(u"\\/:*?\"<>|.").contains(c)) return false;
    return true;
}

namespace {

QString einstellungsDatei(const Zustand &z) {
    return z.ort.einstellungsDatei();
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

Projektort OrtFuer(const Zustand &z, const QString &stamm, const QString &name, const QString &pfad) {
    const bool programmEigen =
        z.programmOrt.stamm == stamm && z.programmOrt.name.compare(name, Qt::CaseInsensitive) == 0;
    return {stamm, name, Projektort::pfadAus(pfad, name), programmEigen ? z.programmOrt.seitenBeimProgramm : QString()};
}

bool EinstellungsdateiLesen(Zustand &z, QString eingabe) {
    Einstellungsname n;
    if (!EinstellungsnameLesen(eingabe, z.StammVerzeichnis, &n)) return false;
    const QString datei = n.stamm + n.name + ".ini";
    QByteArray inhalt;
    bool abgeschnitten = false;
    if (!z.dateien.readHead(datei, &inhalt, kMaxEinstellungsdatei, &abgeschnitten)) return false;
    if (abgeschnitten) inhalt.truncate(qMax(inhalt.lastIndexOf('\n'), inhalt.lastIndexOf('\r')) + 1);
    // Only a file read whole may be written back with the table.
    z.einstellungenZuGross = abgeschnitten;
    z.einstellungsQuelle = abgeschnitten ? QString() : datei;
    z.textDatei.close();
    z.TextDateiOffen = false;
    z.einstellungen = z.Vorgaben;
    z.einstellungen.lesen(inhalt);
    z.ortSetzen(OrtFuer(z, n.stamm, n.name, z.einstellungen.wert("Path")));
    return true;
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

namespace {

QStringList aenderungsOrdner(const Zustand &z) {
    return {z.ort.seitenOrdner(), z.ort.ordner(), z.ort.albumOrdner(), z.ort.stamm};
}

} // namespace

platform::Wiederherstellung AenderungenVollenden(const Zustand &z) {
    platform::Wiederherstellung gesamt;
    for (const QString &ordner : aenderungsOrdner(z)) {
        const auto w = z.dateien.vollenden(ordner);
        gesamt.vollendet = gesamt.vollendet || w.vollendet;
        gesamt.fehler = gesamt.fehler || w.fehler;
        gesamt.entfernt += w.entfernt;
    }
    return gesamt;
}

QStringList AenderungsReste(const Zustand &z) {
    QStringList reste;
    for (const QString &ordner : aenderungsOrdner(z))
        for (const QString &name : z.dateien.reste(ordner))
            reste << ordner + name;
    return reste;
}

int LeereKommentareLoeschen(const Zustand &z) {
    const QString album = z.ort.albumOrdner();
    int geloescht = 0;
    for (const QString &name : z.dateien.list(album, "*.txt"))
        if (z.dateien.size(album + name) == 0 && z.dateien.remove(album + name)) ++geloescht;
    return geloescht;
}

} // namespace projekt
