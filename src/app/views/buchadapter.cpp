#include "app/views/buchadapter.h"

#include "app/views/timageform.h"
#include "book/views/buchpanel.h"

#include <QLabel>

namespace app {

void Buchadapter::SeitenZeigen(int seite) { form_.SeitenZeigen(seite); }
void Buchadapter::ProjektReset() { form_.ProjektReset(); }
void Buchadapter::IniAuswerten() { form_.IniAuswerten(); }
void Buchadapter::IniDateiLesen(const QString &name) { form_.IniDateiLesen(name); }
void Buchadapter::auffrischen() { form_.auffrischen(); }

void Buchadapter::Fensterfarbe(const QColor &farbe) { form_.centralWidget()->setPalette(QPalette(farbe)); }

void Buchadapter::ProjekttitelZeigen(const QString &titel) {
    for (QLabel *l : {form_.LabelProjekttitel1, form_.LabelProjekttitel2}) {
        l->setText(titel);
        l->adjustSize();
    }
}

QWidget *Buchadapter::Buchflaeche() { return form_.PanelBuch(); }

void Buchadapter::InhaltListenLeeren() {
    form_.PanelBuch()->Inhalt1->clear();
    form_.PanelBuch()->Inhalt2->clear();
}

} // namespace app
