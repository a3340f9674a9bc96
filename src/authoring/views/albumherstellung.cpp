#include "authoring/views/albumherstellung.h"

#include "authoring/core/textimport.h"
#include "authoring/views/bearbeitungskontext.h"
#include "authoring/views/bilderlisteneditor.h"
#include "authoring/views/fortschrittsanzeige.h"
#include "authoring/views/inhaltsbearbeitung.h"
#include "book/core/buchseite.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

namespace authoring {

namespace {

int einBild() {
    const QScreen *schirm = QGuiApplication::primaryScreen();
    const qreal hz = schirm ? schirm->refreshRate() : 0;
    return hz >= 10 ? qMax(1, int(1000 / hz)) : 16;
}

} // namespace

Albumherstellung::Albumherstellung(Bearbeitungskontext &kontext, QObject *eltern)
    : QObject(eltern), kontext_(kontext), bildabstand_(einBild()) {}

void Albumherstellung::labelsLeeren() {
    for (int a = 1; a <= 16; ++a)
        kontext_.buch()->LabelZeigen(2147483647 - a);
}

Albumergebnis Albumherstellung::AlbumBearbeiten() {
    Albumergebnis r;
    projekt::Zustand &z = kontext_.zustand();
    Buchsteuerung *buch = kontext_.buch();
    neuZeichnungen_ = 0;
    if (!buch || !z.dateien.exists(z.StammVerzeichnis + "Help\\Album0.bmp")) {
        r.status = Albumergebnis::Status::OhneAlbumblatt;
        return r;
    }
    if (Bilderlisteneditor *editor = kontext_.vorhandenerListeneditor()) editor->NeueBilderLeeren();
    // A contents edit still on the book belongs to the old book: it goes unsaved.
    kontext_.inhaltsbearbeitung().verbergen();
    // The list as saved, whatever an editor closed without saving left in memory.
    album::Bilderlistenmodell &liste = buch->Bilderliste();
    liste.laden(z.dateien, z.ort.datei(projekt::Seitendatei::Bilderliste));
    if (liste.zeilen().isEmpty()) {
        r.status = Albumergebnis::Status::LeereListe;
        kontext_.meldungen().zeigen(platform::Meldungen::Art::Information, tr("Die Bilderliste ist leer"));
        return r;
    }
    buch->InhaltVerbergen();
    buch->BildansichtVerbergen();
    Fortschrittsanzeige *fortschritt = kontext_.fortschritt();
    fortschritt->zeigen(tr("Herstellung der Album-Seiten:"), tr("%1 %").arg(0));
    buch->SeitenZeigen(1002);
    buch->SeitenzahlenLeeren();
    buch->auffrischen();

    const Albumauftrag auftrag{z.ort, liste.zeilen()};
    const Importmasse masse = Importmasse::Bildschirm();
    int aufschlag = -1;
    QElapsedTimer uhr;
    uhr.start();
    qint64 zuletzt = -bildabstand_;
    r = authoring::AlbumBearbeiten(z.dateien, auftrag, masse.inhalt, [&](const Albumschritt &s) {
        if (s.slot / 16 != aufschlag) {
            labelsLeeren();
            aufschlag = s.slot / 16;
        }
        buch->LabelZeigen(s.slot);
        fortschritt->setText(tr("%1 %").arg(s.prozent));
        // The spread and the percentage reach the screen once per frame, not once per slot.
        if (uhr.elapsed() - zuletzt >= bildabstand_) {
            buch->AlbumblattZeigen(*s.aufschlag);
            fortschritt->neuZeichnen();
            zuletzt = uhr.elapsed();
            ++neuZeichnungen_;
        }
        Q_EMIT slotFertig(s.slot, s.prozent);
    });

    fortschritt->verbergen();
    labelsLeeren();
    buch->HintergrundZeigen();
    if (r.status != Albumergebnis::Status::Fertig) {
        // Nothing of the album changed; the book shows its first spread as before.
        buch->SeitenZeigen(1002);
        if (!r.meldung.isEmpty()) kontext_.meldungen().zeigen(platform::Meldungen::Art::Fehler, r.meldung);
        return r;
    }
    kontext_.verbergen();
    kontext_.inDieEcke(false);
    z.Bearbeitungsteil = 0;
    buch->SeitenZeigen(book::Buchseite::anfang(book::Buchseite::Teil::Album).zahl);
    Q_EMIT inhaltHergestellt(r.MemoInhalt, r.MemoInhalt2);
    return r;
}

} // namespace authoring
