#include "app/views/tastenkarte.h"

#include "album/views/bildansicht.h"
#include "album/views/bildansichtpanels.h"
#include "app/views/buchlenkung.h"
#include "app/views/tastenuebersicht.h"
#include "app/views/timageform.h"
#include "book/views/buchpanel.h"
#include "search/views/suchleiste.h"
#include "search/views/suchsteuerung.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace app {

Tastenkarte::Tastenkarte(TImageForm &form) : QObject(&form), form_(form) {}

bool Tastenkarte::eventFilter(QObject *obj, QEvent *event) {
    if (obj != &form_ || event->type() != QEvent::KeyPress) return QObject::eventFilter(obj, event);
    auto *taste = static_cast<QKeyEvent *>(event);
    if (!ausfuehren(*taste)) return false;
    taste->accept();
    return true;
}

bool Tastenkarte::ausfuehren(const QKeyEvent &taste) {
    const int k = taste.key();
    const bool strg = taste.modifiers().testFlag(Qt::ControlModifier);
    // A key never waits for a turning page.
    form_.buchlenkung()->BlaetternBeenden();
    if (k == Qt::Key_Escape) return zurueck();
    if (k == Qt::Key_Q && strg) {
        form_.BeendenClick();
        return true;
    }
    if (imTextfeld()) return false;
    switch (k) {
    case Qt::Key_Left:
    case Qt::Key_Up: return blaettern(false);
    case Qt::Key_Right:
    case Qt::Key_Down: return blaettern(true);
    default: break;
    }
    // The rest waits until the book is open.
    if (form_.eroeffnungLaeuft()) return false;
    Buchlenkung &lenkung = *form_.buchlenkung();
    const bool buch = form_.PanelBuch()->isVisibleTo(&form_);
    switch (k) {
    case Qt::Key_PageUp: return blaettern(false);
    case Qt::Key_PageDown: return blaettern(true);
    case Qt::Key_Home:
        if (buch) lenkung.TeilAnfang();
        return buch;
    case Qt::Key_End:
        if (buch) lenkung.TeilEnde();
        return buch;
    case Qt::Key_F1: lenkung.HilfeAufschlagen(); return true;
    case Qt::Key_Question: tastenuebersicht(); return true;
    case Qt::Key_F3:
        if (!form_.suche()->PanelSuchen()->isVisible()) return false;
        form_.suche()->BitBtn3Click();
        return true;
    case Qt::Key_F5: form_.Befehl(MenueBefehl::Bildlauf); return true;
    case Qt::Key_F11: form_.Befehl(MenueBefehl::Windowsstil); return true;
    case Qt::Key_F10:
    case Qt::Key_Menu: {
        QMenu *ansicht = form_.ansichtMenue();
        ansicht->popup(form_.mapToGlobal(form_.rect().center() -
                                         QPoint(ansicht->sizeHint().width(), ansicht->sizeHint().height()) / 2));
        return true;
    }
    case Qt::Key_F:
        if (!strg) return false;
        form_.suche()->SuchenClick();
        return true;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
        if (taste.modifiers().testFlag(Qt::AltModifier)) {
            if (buch && !form_.PanelBuch()->griffText(k - Qt::Key_1 + 1).isEmpty())
                lenkung.LabelGriffClick(k - Qt::Key_1 + 1);
            return true;
        }
        if (!strg || k == Qt::Key_5) return false;
        lenkung.LesezeichenTaste(k - Qt::Key_1 + 1);
        return true;
    default: break;
    }
    if (strg) {
        switch (k) {
        case Qt::Key_P: form_.Befehl(MenueBefehl::Drucken); return true;
        case Qt::Key_B: form_.Befehl(MenueBefehl::Bearbeitung); return true;
        case Qt::Key_H: form_.Befehl(MenueBefehl::Hintergrundbild); return true;
        case Qt::Key_T: form_.Befehl(MenueBefehl::Lesen); return true;
        case Qt::Key_A: form_.Befehl(MenueBefehl::Album); return true;
        case Qt::Key_L: form_.Fundliste1Click(); return true;
        default: return false;
        }
    }
    return buch ? false : form_.bildansicht()->Taste(taste);
}

void Tastenkarte::tastenuebersicht() {
    auto *uebersicht = form_.findChild<Tastenuebersicht *>();
    if (!uebersicht) uebersicht = new Tastenuebersicht(&form_);
    uebersicht->show();
    uebersicht->raise();
    uebersicht->activateWindow();
}

bool Tastenkarte::blaettern(bool vor) {
    const bool buch = form_.PanelBuch()->isVisibleTo(&form_);
    if (buch && vor)
        form_.buchlenkung()->ImageRechtsPfeilClick();
    else if (buch)
        form_.buchlenkung()->ImageLinksPfeilClick();
    else if (vor)
        form_.bildansicht()->ImageForwardClick();
    else
        form_.bildansicht()->ImageBackClick();
    return true;
}

bool Tastenkarte::zurueck() {
    if (form_.suche()->schliessen()) return true;
    // A dialog of the picture view closes first: the slide show's, the mark input.
    for (QWidget *dialog : {static_cast<QWidget *>(form_.findChild<album::BildlaufPanel *>()),
                            static_cast<QWidget *>(form_.findChild<album::EingabePanel *>())})
        if (dialog && dialog->isVisible()) {
            dialog->hide();
            return true;
        }
    return form_.ZurueckZumBuch();
}

// A field the reader types into: its keys are its own.
bool Tastenkarte::imTextfeld() const {
    const QWidget *feld = form_.focusWidget();
    if (!feld || !feld->isVisible()) return false;
    if (qobject_cast<const QLineEdit *>(feld) || qobject_cast<const QAbstractSpinBox *>(feld)) return true;
    if (const auto *t = qobject_cast<const QTextEdit *>(feld)) return !t->isReadOnly();
    if (const auto *t = qobject_cast<const QPlainTextEdit *>(feld)) return !t->isReadOnly();
    if (const auto *c = qobject_cast<const QComboBox *>(feld)) return c->isEditable();
    return false;
}

} // namespace app
