// Any bytes as "Autor.ini" in the data root: the project it names is looked up as the
// start does (its settings file, its folder, its page files). No crash, no hang; the
// name is one line of at most 255 characters, and every file the project's name leads
// to lies on the data root or is refused.
#include "project/core/projektdateien.h"

#include "pruefen.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

struct Wurzel {
    QTemporaryDir ordner;
    platform::Files dateien{[this] {
        platform::DriveMap karte;
        karte.setDrive('C', ordner.path());
        return karte;
    }()};
    Wurzel() {
        QDir(ordner.path()).mkpath("Quarn/Pages");
        schreiben("Quarn.ini", "Path=Quarn\\\r\nTitle=Quarn\r\n");
        schreiben("Quarn/Pages/Quarn.5", QByteArray(2 * 1537, ' '));
    }
    void schreiben(const QString &relativ, const QByteArray &bytes) const {
        QFile f(ordner.path() + '/' + relativ);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
    }
    // Refused (empty) or on the root.
    bool aufDerWurzel(const QString &gespeichert) const {
        const QString n = dateien.native(gespeichert);
        return n.isEmpty() || n == ordner.path() || n.startsWith(ordner.path() + '/');
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const Wurzel w;
    w.schreiben("Autor.ini", QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    projekt::Zustand z(w.dateien);
    z.programmDatei = "C:\\Pagora.exe";
    z.programmOrt = {"C:\\", "Pagora", "Pagora\\", {}};
    z.ortSetzen(z.programmOrt);

    const std::optional<QString> name = projekt::AutorIniLesen(z);
    if (size > (1 << 16)) PRUEFEN(!name);
    if (!name) return 0;
    const QString stamm = name->mid(name->lastIndexOf('\\') + 1);
    PRUEFEN(name->isEmpty() || projekt::GueltigerProgrammName(stamm));
    PRUEFEN(name->size() <= projekt::kMaxZeilenLaenge && !name->contains('\r') && !name->contains('\n'));
    PRUEFEN(w.aufDerWurzel(z.StammVerzeichnis + *name + ".ini"));

    projekt::EinstellungsdateiLesen(z, *name);
    projekt::SeitenDateienOeffnen(z);
    for (const QString &datei :
         {z.StammVerzeichnis + z.ProgrammName + ".ini", z.TextSeitenDateiName, z.HilfeSeitenDateiName,
          z.ort.datei(projekt::Seitendatei::Bilderliste), z.StammVerzeichnis + "Test.txt"})
        PRUEFEN(w.aufDerWurzel(datei));
    PRUEFEN(z.TextSeitenZahl >= 0 && z.HilfeSeitenZahl >= 0);
    return 0;
}
