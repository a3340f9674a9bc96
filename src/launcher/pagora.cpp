// pagora: starts the installed Pagora on a data root of the user's own, made from the
// installed one on the first start (launcher/benutzerwurzel.h).
//
// It finds the installed program and data root from its own place, so every prefix
// works. Exit status: the program's; 2 for a usage error; 1 when the data root cannot be
// made or the program cannot be started.
#include "launcher/benutzerwurzel.h"
#include "launcher/starter.h"
#include "platform/translation.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t abbruch = 0;

void abbrechen(int signal) {
    abbruch = signal;
}

void sagen(const QString &text, FILE *wohin) {
    const QByteArray b = text.toLocal8Bit();
    std::fwrite(b.constData(), 1, size_t(b.size()), wohin);
}

int scheitern(const QString &meldung, int status) {
    sagen("pagora: " + meldung + '\n', stderr);
    return status;
}

QString hilfe() {
    return Starter::tr("Aufruf: pagora [--root ORDNER]\n"
                       "\n"
                       "Startet Pagora auf Ihrem eigenen Datenordner, in dem Ihre Lesezeichen, Marken,\n"
                       "Bildtexte und neuen Projekte bleiben. Ohne --root ist das $XDG_DATA_HOME/pagora\n"
                       "(~/.local/share/pagora); beim ersten Start wird er aus den installierten Büchern\n"
                       "angelegt.\n"
                       "\n"
                       "  --root ORDNER   stattdessen den Datenordner ORDNER öffnen; ein leerer oder\n"
                       "                  fehlender ORDNER wird aus den installierten Büchern angelegt,\n"
                       "                  ein Ordner mit Inhalt muss schon ein Datenordner sein (mit names.exe)\n"
                       "  --help          diese Hilfe zeigen\n"
                       "\n"
                       "Rückgabe: die des Programms, 2 bei einem Aufruffehler, 1 wenn der Datenordner nicht\n"
                       "angelegt oder das Programm nicht gestartet werden kann.\n");
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication anwendung(argc, argv);
    platform::installTranslation(anwendung);

    QString gewaehlt;
    const QStringList argumente = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString &a = argumente[i];
        if (a == "--help" || a == "-h") {
            sagen(hilfe(), stdout);
            return 0;
        }
        if (a == "--root") {
            if (i + 1 >= argumente.size() || argumente[i + 1].isEmpty())
                return scheitern(Starter::tr("--root braucht einen Ordner"), 2);
            gewaehlt = argumente[++i];
        } else if (a.startsWith("--root=") && a.size() > 7) {
            gewaehlt = a.mid(7);
        } else {
            return scheitern(Starter::tr("unbekannte Angabe: %1 (pagora --help)").arg(a), 2);
        }
    }
    if (gewaehlt.isEmpty()) {
        const QString xdg = qEnvironmentVariable("XDG_DATA_HOME"), heim = qEnvironmentVariable("HOME");
        if (QDir::isAbsolutePath(xdg))
            gewaehlt = xdg + "/pagora";
        else if (QDir::isAbsolutePath(heim))
            gewaehlt = heim + "/.local/share/pagora";
        else
            return scheitern(Starter::tr("weder XDG_DATA_HOME noch HOME nennt einen Ordner: geben Sie --root an"), 1);
    }

    const QString hier = QCoreApplication::applicationDirPath();
    const launcher::Installation installation{QFileInfo(hier + "/" PAGORA_DATEN_AUS_BIN).canonicalFilePath(),
                                              QFileInfo(hier + "/" PAGORA_PROGRAMM_AUS_BIN).canonicalFilePath()};
    if (installation.daten.isEmpty() || installation.programm.isEmpty()) {
        return scheitern(Starter::tr("Pagora ist unvollständig installiert: %1 oder %2 fehlt")
                             .arg(QDir::cleanPath(hier + "/" PAGORA_DATEN_AUS_BIN),
                                  QDir::cleanPath(hier + "/" PAGORA_PROGRAMM_AUS_BIN)),
                         1);
    }

    // Interrupted, the first start removes what it made and ends as the signal says.
    struct sigaction aktion {};
    aktion.sa_handler = abbrechen;
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &aktion, nullptr);
    const launcher::Bereitstellung b = launcher::bereitstellen(gewaehlt, installation, &abbruch);
    switch (b.ausgang) {
    case launcher::Bereitstellung::Ausgang::Abgebrochen:
        std::signal(abbruch, SIG_DFL);
        std::raise(abbruch);
        return 1;
    case launcher::Bereitstellung::Ausgang::Fehler: return scheitern(b.meldung, 1);
    case launcher::Bereitstellung::Ausgang::Bereit: break;
    }

    // The programme file is named after a project, so the program finds its root beside it.
    const QByteArray programm = QFile::encodeName(b.wurzel + "/Pagora.exe");
    char *const aufruf[] = {const_cast<char *>(programm.constData()), nullptr};
    ::execv(programm.constData(), aufruf);
    const int nummer = errno;
    return scheitern(Starter::tr("Pagora kann nicht gestartet werden: %1: %2")
                         .arg(QFile::decodeName(programm), QString::fromLocal8Bit(std::strerror(nummer))),
                     1);
}
