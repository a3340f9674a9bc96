// The main window's menu bar: hidden in the full-screen presentation, shown in the
// window one; its view menu also opens by key (F10).
#include "album/views/bildansicht.h"
#include "album/views/bildansichtpanels.h"
#include "app/views/ansichtmenue.h"
#include "app/views/buchlenkung.h"
#include "app/views/timageform.h"
#include "authoring/views/tbearbeitung.h"
#include "platform/screen.h"
#include "search/views/suchsteuerung.h"

#include <QMenuBar>

namespace app {

QMenuBar *TImageForm::menueleiste() {
    menueBauen();
    return menuBar();
}

QMenu *TImageForm::ansichtMenue() {
    menueBauen();
    return ansichtMenue_;
}

void TImageForm::menueBauen() {
    if (ansichtMenue_) return;
    QMenuBar *bar = menuBar();
    auto eintrag = [this](QMenu *menu, const char *name, const QString &text, auto handler) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto bildlauf = [this] {
        bildansicht_->PanelBildlauf()->show();
        bildansicht_->PanelBildlauf()->raise();
    };
    QMenu *datei = bar->addMenu(tr("Datei"));
    datei->menuAction()->setObjectName("Datei1");
    eintrag(datei, "Fundliste1", tr("Fundliste"), &TImageForm::Fundliste1Click);
    eintrag(datei, "Drucken1", tr("Drucken"), &TImageForm::Drucken);
    eintrag(datei, "Beenden", tr("Beenden"), &TImageForm::BeendenClick);
    QAction *suchen = bar->addAction(tr("Suchen"));
    suchen->setObjectName("Suchen");
    connect(suchen, &QAction::triggered, suche_, &search::Suchsteuerung::SuchenClick);
    QMenu *ansicht = bar->addMenu(tr("Ansicht"));
    ansicht->menuAction()->setObjectName("Ansicht1");
    eintrag(ansicht, "Bildlauf1", tr("Bildlauf"), bildlauf);
    eintrag(ansicht, "Album1", tr("Album"), [this] { buchlenkung_->AlbumAufschlagen(); });
    eintrag(ansicht, "Lesen1", tr("Lesen"), [this] { SeitenZeigen(z_.LetzteTextseite); });
    eintrag(ansicht, "Hintergrundbild1", tr("Hintergrundbild"), [this] {
        if (authoring::TBearbeitung *b = bearbeitung()) b->hintergrundWaehlen();
    });
    eintrag(ansicht, "BuchAlsPdf1", tr("Buch als PDF speichern"), &TImageForm::BuchAlsPdfSpeichern);
    const platform::ScreenInfo s = screen_.info();
    const double f = platform::drawingFactor();
    new AnsichtMenue(*ansicht, z_.ansicht, PassenderFaktor(qRound(s.width * f), qRound(s.height * f)), meldungen_);
    ansichtMenue_ = ansicht;
    QAction *hilfe = bar->addAction(tr("Hilfe"));
    hilfe->setObjectName("Hilfe");
    connect(hilfe, &QAction::triggered, buchlenkung_, &Buchlenkung::HilfeAufschlagen);
    QMenu *projekte = bar->addMenu(tr("Projekte"));
    projekte->menuAction()->setObjectName("Projekte");
    auto bearbeiten = [this](void (authoring::TBearbeitung::*handler)()) {
        return [this, handler] {
            if (authoring::TBearbeitung *b = bearbeitung()) (b->*handler)();
        };
    };
    using B = authoring::TBearbeitung;
    eintrag(projekte, "NeuesProjekt", tr("Neues Projekt"), bearbeiten(&B::neuesProjekt));
    eintrag(projekte, "Titel1", tr("Titel"), bearbeiten(&B::titelGestalten));
    eintrag(projekte, "Copyright", tr("Copyright"), bearbeiten(&B::copyrightGestalten));
    eintrag(projekte, "Griffregister1", tr("Griffregister"), bearbeiten(&B::registerGestalten));
    eintrag(projekte, "TextImportieren1", tr("Text importieren"), bearbeiten(&B::textImportieren));
    eintrag(projekte, "BilderindieListe1", tr("Bilder in die Liste"), bearbeiten(&B::neueBilderAufnehmen));
    eintrag(projekte, "BilderinsAlbum1", tr("Bilder ins Album"), bearbeiten(&B::bilderInsAlbum));
    eintrag(projekte, "WechselzwischenProjekten1", tr("Wechsel zwischen Projekten"), bearbeiten(&B::projektWechseln));
    eintrag(projekte, "Inhaltsverzeichnisbearbeiten", tr("Inhaltsverzeichnis bearbeiten"),
            bearbeiten(&B::inhaltsverzeichnisWaehlen));
    Dummy = bar->addAction(QString());
    Dummy->setObjectName("Dummy");
    for (QAction *a : bar->actions())
        a->setVisible(false);
    bar->hide();
}

} // namespace app
