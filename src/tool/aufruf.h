#pragma once
// What every pagora-tool command shares: its exit codes, its words on stdout and stderr,
// the command line, the project it names, and the commands that only read.
#include "project/core/zustand.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

enum Ausgang { Erfolg = 0, Abgelehnt = 1, Aufruffehler = 2 };

void sag(const QString &text);
void klage(const QString &text);
// The tool speaks for itself; Qt's own start-up notes would only confuse a script.
void stilleMeldungen(QtMsgType typ, const QMessageLogContext &, const QString &text);

extern const char *const kHilfe;
extern const QMap<QString, const char *> kBefehlsHilfe;

struct Aufruf {
    QString root, name, befehl, teil, datei;
    int von = 1, bis = 1 << 30;
    bool hilfe = false;
    bool silbentrennung = false;
    bool ersetzen = false; // import a UTF-8 text without the characters Windows-1252 cannot hold
    bool rest = false;     // bilder: the photos move to Rest\ once they are bitmaps
};

std::optional<Aufruf> lesen(const QStringList &args);
bool oeffnen(projekt::Zustand &z, const Aufruf &a);
// The picture list; no list file is an empty list, an unreadable one no value.
std::optional<QStringList> listeLesen(const projekt::Zustand &z);

// `pages`, `contents` and `suche` read the project and touch no picture; nothing when
// the call is another command.
std::optional<int> lesendAusfuehren(const projekt::Zustand &z, const Aufruf &a);
bool nurLesend(const Aufruf &a);
