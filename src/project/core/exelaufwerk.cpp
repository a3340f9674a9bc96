#include "project/core/exelaufwerk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace projekt {

Laufwerksergebnis ExeLaufwerk(const platform::Files &dateien, const QString &programmDatei) {
    Laufwerksergebnis r;
    const qsizetype schnitt = programmDatei.lastIndexOf('\\');
    const QString ordner = programmDatei.left(schnitt + 1);
    const QString dateiName = programmDatei.mid(schnitt + 1);
    const QString name = dateiName.section('.', 0, 0);
    r.programmName = name;

    if (dateien.exists(ordner + "names.exe")) {
        const QString seiten = ordner + name + "\\Pages\\" + name;
        r.hilfeSeitenDateiName = seiten + ".7";
        r.textSeitenDateiName = seiten + ".5";
        r.stammVerzeichnis = ordner;
        return r;
    }

    QString cd;
    for (char16_t l = 'D'; l <= 'Z' && cd.isEmpty(); ++l) {
        const QString wurzel = QString(QChar(l)) + ":\\";
        if (dateien.exists(wurzel + name + ".exe")) cd = wurzel;
    }
    if (cd.isEmpty()) {
        r.status = Laufwerksergebnis::Status::KeineCd;
        return r;
    }
    r.hilfeSeitenDateiName = ordner + name + ".7";
    r.textSeitenDateiName = ordner + name + ".5";
    r.stammVerzeichnis = cd;
    if (!dateien.exists(r.hilfeSeitenDateiName)) {
        const QString quelle = cd + name + "\\Pages\\" + name;
        for (const auto &[von, nach] :
             {std::pair{quelle + ".7", r.hilfeSeitenDateiName}, std::pair{quelle + ".5", r.textSeitenDateiName}}) {
            if (!dateien.copy(von, nach)) {
                r.status = Laufwerksergebnis::Status::KopierFehler;
                r.fehler = von;
                return r;
            }
        }
    }
    return r;
}

QString laufendeProgrammDatei(const platform::Files &dateien, const char *argv0) {
    const QString arg = argv0 ? QString::fromLocal8Bit(argv0) : QString();
    const QString nativ =
        arg.contains('/') ? QFileInfo(arg).absoluteFilePath() : QCoreApplication::applicationFilePath();
    return dateien.stored(QDir::cleanPath(nativ));
}

} // namespace projekt
