#pragma once
// The open project's shared state: the settings table, the folder names, the current
// page and the open page files, shared by the book, the authoring window and the tool.
#include "book/core/blaettern.h"
#include "platform/files.h"
#include "platform/recordfile.h"
#include "platform/sperrdatei.h"
#include "project/core/einstellungen.h"
#include "project/core/projektort.h"

#include <QString>
#include <array>
#include <memory>

namespace projekt {

struct Zustand {
    explicit Zustand(platform::Files dateien = platform::Files()) : dateien(std::move(dateien)) {}

    platform::Files dateien;
    QString programmDatei; // stored path of the running programme file

    Einstellungen einstellungen;
    Einstellungen Vorgaben;
    // The settings file the table belongs to: the one it was read from, or the one a
    // new project makes. Only that file may be overwritten with the table.
    QString einstellungsQuelle;

    // The open project's place, and the programme's own as the drive locator found it.
    // The named fields below are the place's parts as the rest of the program reads
    // them; they change only together with it, through ortSetzen.
    Projektort ort;
    Projektort programmOrt;
    void ortSetzen(const Projektort &neu);

    QString StammVerzeichnis;
    QString ProgrammName;
    QString ProjektPfad;
    QString ProjektVerzeichnis;
    QString HilfeVerzeichnis;
    QString TextSeitenDateiName;
    QString HilfeSeitenDateiName;
    QString BuchTitel;
    // The settings file was larger than the program reads; it is never rewritten.
    bool einstellungenZuGross = false;
    bool NurLesen = false;
    std::unique_ptr<platform::Sperrdatei> sperre; // held while this instance may write the data root

    platform::RecordFile textDatei;
    platform::RecordFile hilfeDatei;
    bool TextDateiOffen = false;
    bool HilfeDateiOffen = false;
    int TextSeitenZahl = 0;
    int HilfeSeitenZahl = 0;

    int Schriftgrad = 7;
    int BuchLinks = 0;

    int AktuelleSeite = -1;
    int LetzteTextseite = 0;
    int LetzteHilfeseite = 0;
    int AlbumAufschlag = 0;
    std::array<book::Inhaltsstand, 4> inhaltsstand{};

    int BildIndex = -1;
    int AktuellerBildIndex = 0;
    int BilderAnzahl = 0;
    int Bearbeitungsteil = 1;

    book::Buchumfang umfang() const { return {TextSeitenZahl, HilfeSeitenZahl, BilderAnzahl}; }
};

} // namespace projekt
