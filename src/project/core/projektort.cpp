#include "project/core/projektort.h"

#include "book/core/seitensatz.h"

namespace projekt {

QString Projektort::pfadAus(const QString &gespeichert, const QString &name) {
    QString pfad = gespeichert;
    while (pfad.endsWith('\\'))
        pfad.chop(1);
    bool sicher = !pfad.isEmpty();
    for (const QString &teil : pfad.split('\\')) {
        sicher = sicher && !teil.isEmpty() && teil != "." && teil != ".." && teil.trimmed() == teil;
        for (const QChar c : teil)
            sicher = sicher && c.unicode() >= 32 && !QStringView(u"/:*?\"<>|").contains(c);
    }
    return (sicher ? pfad : name) + '\\';
}

QString Projektort::datei(Seitendatei welche) const {
    return seitenOrdner() + name + '.' + QString::number(int(welche));
}

QString Projektort::textSeiten() const {
    return seitenBeimProgramm.isEmpty() ? datei(Seitendatei::TextSeiten) : seitenBeimProgramm + name + ".5";
}

QString Projektort::hilfeSeiten() const {
    return seitenBeimProgramm.isEmpty() ? datei(Seitendatei::HilfeSeiten) : seitenBeimProgramm + name + ".7";
}

QString Projektort::albumblatt(int rechteSeite) const {
    return seitenOrdner() + book::Albumblattname(name, rechteSeite);
}

bool EinstellungsnameLesen(const QString &eingabe, const QString &stamm, Einstellungsname *aus) {
    if (!eingabe.contains(":\\")) {
        *aus = {stamm, eingabe};
        return true;
    }
    // A project on another data root: the root is everything up to the last "\", and
    // it starts with a drive ("E:\"); anything else would name the working folder.
    const bool laufwerk =
        eingabe.size() >= 3 && eingabe.at(0).isLetter() && eingabe.at(1) == ':' && eingabe.at(2) == '\\';
    if (!laufwerk) return false;
    const qsizetype schnitt = eingabe.lastIndexOf('\\');
    *aus = {eingabe.left(schnitt + 1), eingabe.mid(schnitt + 1)};
    return true;
}

} // namespace projekt
