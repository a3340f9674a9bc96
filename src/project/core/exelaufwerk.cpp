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
    r.ort = {ordner, name, name + '\\', {}};

    if (dateien.exists(ordner + "names.exe")) return r;

    QString cd;
    for (char16_t l = 'D'; l <= 'Z' && cd.isEmpty(); ++l) {
        const QString wurzel = QString(QChar(l)) + ":\\";
        if (dateien.exists(wurzel + name + ".exe")) cd = wurzel;
    }
    if (cd.isEmpty()) {
        r.status = Laufwerksergebnis::Status::KeineCd;
        return r;
    }
    r.ort = {cd, name, name + '\\', ordner};
    if (!dateien.exists(r.ort.hilfeSeiten())) {
        const Projektort aufCd{cd, name, name + '\\', {}};
        for (const auto &[von, nach] :
             {std::pair{aufCd.hilfeSeiten(), r.ort.hilfeSeiten()}, std::pair{aufCd.textSeiten(), r.ort.textSeiten()}}) {
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
