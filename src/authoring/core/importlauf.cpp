#include "authoring/core/importlauf.h"

#include "authoring/core/silbentrennung.h"
#include "authoring/core/textkodierung.h"
#include "platform/cp1252.h"
#include "platform/entwurf.h"
#include "platform/inputfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>
#include <sys/mman.h>

namespace authoring {
namespace {

// The pictures an import places, looked up as the book looks for them.
class Projektbilder : public Bildquelle {
public:
    Projektbilder(const projekt::Zustand &z, const Bildwerkzeuge &werkzeuge,
                  const std::function<void(const QString &)> &fehler)
        : z_(z), werkzeuge_(werkzeuge), fehler_(fehler) {}
    std::optional<int> vorhandeneHoehe(const QByteArray &name) override {
        // A text names the same pictures again and again; a picture found stays during
        // the run (only missing ones are made), so its height is looked up once.
        if (const auto bekannt = hoehen_.constFind(name); bekannt != hoehen_.cend()) return *bekannt;
        const QString n = platform::fromCp1252(name);
        for (const QString &ordner : {z_.HilfeVerzeichnis, z_.ProjektVerzeichnis + "Slides\\"}) {
            const QString datei = ordner + n + ".bmp";
            if (!z_.dateien.exists(datei)) continue;
            if (const auto m = werkzeuge_.groesse(z_.dateien.native(datei))) return hoehen_[name] = m->height();
        }
        return std::nullopt;
    }
    int Kleinbild(const QByteArray &name) override {
        // A picture that could not be placed is named once, however often the text shows it.
        if (fehlgeschlagen_.contains(name)) {
            ++fehlend;
            return 0;
        }
        const auto r = werkzeuge_.kleinbild(z_.dateien, z_.ProjektVerzeichnis, platform::fromCp1252(name));
        if (!r.fehler.isEmpty()) {
            ++fehlend;
            fehlgeschlagen_.insert(name);
            if (fehler_) fehler_(r.fehler);
        }
        return r.zeilen;
    }
    int fehlend = 0;

private:
    const projekt::Zustand &z_;
    const Bildwerkzeuge &werkzeuge_;
    const std::function<void(const QString &)> &fehler_;
    QHash<QByteArray, int> hoehen_;
    QSet<QByteArray> fehlgeschlagen_;
};

// The hyphenation patterns, read once per run of the program.
Silbentrennung *trennmuster() {
    static const std::unique_ptr<Silbentrennung> muster = Silbentrennung::laden();
    return muster.get();
}

} // namespace

Importlauf TextImportieren(const projekt::Zustand &z, const Importauftrag &auftrag, const Bildwerkzeuge &werkzeuge,
                           const std::function<void(const QString &)> &bildFehler,
                           const std::function<bool(qint64, qint64)> &fortschritt) {
    Importlauf lauf;
    lauf.seitenDatei = auftrag.hilfe ? z.HilfeSeitenDateiName : z.TextSeitenDateiName;
    lauf.inhaltsDatei =
        z.ort.datei(auftrag.hilfe ? projekt::Seitendatei::HilfeInhalt : projekt::Seitendatei::TextInhalt);
    // Only a regular file of bounded size: a device or a pipe would never end.
    if (const auto pruefung = platform::checkInput(auftrag.textDatei);
        pruefung != platform::InputCheck::Ok && pruefung != platform::InputCheck::Missing) {
        lauf.status = pruefung == platform::InputCheck::TooLarge ? Importlauf::Status::TextZuGross
                                                                 : Importlauf::Status::KeineTextdatei;
        lauf.datei = auftrag.textDatei;
        return lauf;
    }
    QFile quelle(auftrag.textDatei);
    if (!quelle.open(QIODevice::ReadOnly)) {
        lauf.status = Importlauf::Status::TextUnlesbar;
        lauf.datei = auftrag.textDatei;
        return lauf;
    }
    // The text is mapped, not copied, and the bytes the import has left behind are
    // handed back in steps of 4 MB: memory stays the same however long the text is.
    QByteArray text;
    uchar *karte = quelle.size() > 0 ? quelle.map(0, quelle.size()) : nullptr;
    if (karte)
        text = QByteArray::fromRawData(reinterpret_cast<const char *>(karte), quelle.size());
    else
        text = quelle.readAll(); // empty, or a file that cannot be mapped
    // The author sees the progress before the text is converted or the patterns read.
    if (fortschritt && !fortschritt(0, text.size())) {
        lauf.status = Importlauf::Status::Abgebrochen;
        return lauf;
    }
    // A UTF-8 text is imported as its Windows-1252 conversion; the characters it cannot
    // hold are named before anything is written, and left out only when asked to.
    if (Textkodierung kodierung = NachWindows1252(text); kodierung.utf8) {
        if (!kodierung.fremd.isEmpty() && !auftrag.ohneFremdzeichen) {
            lauf.status = Importlauf::Status::Fremdzeichen;
            lauf.datei = auftrag.textDatei;
            lauf.fremdzeichen = kodierung.fremd;
            lauf.fremdeStellen = kodierung.stellen;
            return lauf;
        }
        text = std::move(kodierung.text);
        karte = nullptr; // the import reads the conversion, not the file
    }
    const qint64 gesamt = text.size();
    Silbentrennung *trennung = nullptr;
    if (auftrag.silbentrennung && !(trennung = trennmuster())) {
        lauf.status = Importlauf::Status::OhneTrennmuster;
        lauf.datei = Silbentrennung::musterDatei();
        return lauf;
    }
    qsizetype freigegeben = 0;
    bool weiter = true;
    auto gelesen = [&](qsizetype bis) {
        if (fortschritt && !fortschritt(bis, gesamt)) weiter = false;
        constexpr qsizetype kSchritt = 4 << 20;
        const qsizetype grenze = bis / kSchritt * kSchritt;
        if (!karte || grenze <= freigegeben) return;
        ::madvise(karte + freigegeben, size_t(grenze - freigegeben), MADV_DONTNEED);
        freigegeben = grenze;
    };
    z.dateien.makeFolder(z.ort.seitenOrdner());
    Projektbilder bilder(z, werkzeuge, bildFehler);
    platform::Entwurf seiten(z.dateien, lauf.seitenDatei);
    lauf.ergebnis = Buchmachen(
        text, Importmasse::Bildschirm(), bilder,
        [&](const book::Seitensatz &s) { return weiter && seiten.anhaengen(s.bytes()); }, gelesen, trennung);
    lauf.fehlendeBilder = bilder.fehlend;
    if (!weiter) {
        lauf.status = Importlauf::Status::Abgebrochen;
        return lauf;
    }
    // Pages beyond 999 would be read as album pages: the reading part's contents stop
    // before their headings (the help goes on from 2000 without such a limit).
    if (!auftrag.hilfe && lauf.ergebnis.inhaltHinter999 >= 0)
        lauf.ergebnis.MemoInhalt.resize(lauf.ergebnis.inhaltHinter999);
    else
        lauf.ergebnis.eintraegeHinter999 = 0;
    const QString fertig = seiten.abschliessen();
    QList<platform::Files::Neu> neu{{lauf.seitenDatei, {}, fertig}};
    if (auftrag.mitInhalt) neu.append({lauf.inhaltsDatei, platform::joinLines(lauf.ergebnis.MemoInhalt)});
    // Pages and contents belong together: both are replaced, or neither.
    const int fehler = fertig.isEmpty() ? 0 : z.dateien.writeAll(neu);
    if (fehler >= 0) {
        lauf.status = Importlauf::Status::NichtGeschrieben;
        lauf.datei = fehler == 0 ? lauf.seitenDatei : lauf.inhaltsDatei;
    }
    return lauf;
}

QStringList Importwarnungen(const Importlauf &lauf, const QString & /*textName*/) {
    const Importergebnis &r = lauf.ergebnis;
    QStringList warnungen;
    if (!r.gekuerzteZeilen.isEmpty()) {
        QStringList nummern;
        for (const int n : r.gekuerzteZeilen)
            nummern << QString::number(n);
        warnungen << QCoreApplication::translate("Import",
                                                 "%1 Zeilen ohne Trennstelle (Leerzeichen, Komma, Bindestrich, "
                                                 "Punkt) wurden gekürzt: Zeile %2.")
                         .arg(r.gekuerzteZeilen.size())
                         .arg(nummern.join(", "));
    }
    if (r.GeschriebeneSeiten > 999)
        warnungen << QCoreApplication::translate("Import",
                                                 "Das Buch hat %1 Seiten; gezeigt werden können nur die Seiten "
                                                 "1 bis 999.")
                         .arg(r.GeschriebeneSeiten);
    if (r.eintraegeHinter999 > 0)
        warnungen << QCoreApplication::translate("Import",
                                                 "%1 Einträge des Inhaltsverzeichnisses führen auf Seiten nach 999; "
                                                 "sie wurden weggelassen.")
                         .arg(r.eintraegeHinter999);
    if (lauf.fehlendeBilder > 0)
        warnungen << QCoreApplication::translate("Import", "%1 Bilder im Text konnten nicht eingesetzt werden.")
                         .arg(lauf.fehlendeBilder);
    return warnungen;
}

} // namespace authoring
