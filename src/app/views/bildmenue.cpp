#include "app/views/bildmenue.h"

#include "book/views/bildlader.h"
#include "platform/keycontrols.h"

#include <QMouseEvent>

namespace app {

BildMenue::BildMenue(QWidget *parent) : QWidget(parent) {
    setObjectName("PanelMenu");
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(24, 20, 18)));
    PanelMenue = new QWidget(this);
    PanelMenue->setObjectName("PanelMenue");
    PanelMenue->resize(kBildBreite, kHoehe);
    ImageMenu = new QLabel(PanelMenue);
    ImageMenu->setObjectName("ImageMenu");
    ImageMenu->setGeometry(0, 0, kBildBreite, kHoehe);
    ImageMenu->setAccessibleName(tr("Menü"));
    ImageMenu->setMouseTracking(true);
    ImageMenu->installEventFilter(this);
    ImageMenu->setCursor(Qt::PointingHandCursor);

    LesezeichenPanel = new QWidget(this);
    LesezeichenPanel->setObjectName("LesezeichenPanel");
    LesezeichenPanel->resize(kHalterBreite, kHoehe);
    for (int i = 0; i < 4; ++i) {
        auto *l = new QLabel(LesezeichenPanel);
        l->setObjectName(QStringLiteral("LesezeichenU%1").arg(i + 1));
        l->setAccessibleName(tr("Lesezeichen %1").arg(i + 1));
        l->setGeometry(i * 27, 0, 38, 45);
        l->setCursor(Qt::PointingHandCursor);
        l->setMouseTracking(true);
        l->installEventFilter(this);
        LesezeichenU[size_t(i)] = l;
    }
    LabelLesezeichen = new QLabel(LesezeichenPanel);
    LabelLesezeichen->setObjectName("LabelLesezeichen");
    LabelLesezeichen->setGeometry(0, 47, 100, 16);
    LabelFundliste = new QLabel(LesezeichenPanel);
    LabelFundliste->setObjectName("LabelFundliste");
    LabelFundliste->setGeometry(100, 47, 48, 16);
    for (QLabel *l : {LabelLesezeichen, LabelFundliste})
        book::Textfarbe(l, QColor(230, 220, 200));
    ImageFundliste = new QLabel(LesezeichenPanel);
    ImageFundliste->setObjectName("ImageFundliste");
    ImageFundliste->setAccessibleName(tr("Fundliste"));
    ImageFundliste->setGeometry(120, 6, 26, 36);
    for (QLabel *l : {ImageFundliste, LabelFundliste}) {
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        l->hide();
    }
    LesezeichenAbdeckung = new QWidget(LesezeichenPanel);
    LesezeichenAbdeckung->setObjectName("LesezeichenAbdeckung");
    LesezeichenAbdeckung->setAutoFillBackground(true);
    LesezeichenAbdeckung->setGeometry(0, 0, 3 * 27 + 38, 47);
    LesezeichenAbdeckung->hide();
    // Whatever lies under the mouse in the strip says so, or clears the hint of the
    // menu cell it came from.
    for (QWidget *w :
         {static_cast<QWidget *>(this), LesezeichenPanel, LesezeichenAbdeckung, static_cast<QWidget *>(ImageFundliste),
          static_cast<QWidget *>(LabelFundliste), static_cast<QWidget *>(LabelLesezeichen)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    // For screen readers the holder's pictures are buttons; the keys have their own ways
    // (Ctrl+1..4, Ctrl+L), as the strip shows only under the mouse.
    auto *tasten = new platform::KeyControls(this);
    for (int i = 0; i < 4; ++i)
        tasten->add(LesezeichenU[size_t(i)], QAccessible::Button, [this, i] { Q_EMIT lesezeichenGeklickt(i + 1); });
    tasten->add(ImageFundliste, QAccessible::Button, [this] { Q_EMIT fundlisteGeklickt(); });
    hide();
}

void BildMenue::lesezeichenImHalter(int nummer, bool imHalter) {
    if (nummer >= 1 && nummer <= int(LesezeichenU.size())) LesezeichenU[size_t(nummer - 1)]->setVisible(imHalter);
}

void BildMenue::beschriften(const QString &lesezeichen, const QString &fundliste) {
    LabelLesezeichen->setText(lesezeichen);
    LabelFundliste->setText(fundliste);
}

void BildMenue::beschriftungsschrift(const QFont &schrift) {
    LabelFundliste->setFont(schrift);
    LabelLesezeichen->setFont(schrift);
}

void BildMenue::showEvent(QShowEvent *event) {
    // The strip's pictures are laid on when it is first shown: it is hidden at start,
    // and drawn at a scaled screen's resolution they took a tenth of the start there.
    if (!ImageMenu->pixmap().isNull()) return QWidget::showEvent(event);
    ImageMenu->setPixmap(book::Kunstbild("Menu"));
    const QPixmap band = book::Kunstbild("LesezeichenU", true);
    for (QLabel *l : LesezeichenU)
        l->setPixmap(band);
    ImageFundliste->setPixmap(book::Kunstbild("Fundliste", true));
    QWidget::showEvent(event);
}

void BildMenue::anordnen(int bildschirmBreite, int bildschirmHoehe, int buchLinks) {
    setGeometry(0, bildschirmHoehe - kHoehe, bildschirmBreite, kHoehe);
    PanelMenue->move(buchLinks + 660 - kBildBreite, 0);
    LesezeichenPanel->move(buchLinks, 0);
}

void BildMenue::lesezeichenAbdecken(bool abdecken) {
    LesezeichenAbdeckung->setVisible(abdecken);
    if (abdecken) LesezeichenAbdeckung->raise();
}

void BildMenue::fundlisteAnbieten() {
    ImageFundliste->show();
    LabelFundliste->show();
}

QString BildMenue::Zellenhinweis(MenueBefehl befehl) {
    switch (befehl) {
    case MenueBefehl::Bearbeitung: return tr("Bearbeiten: Projekte, Texte, Bilder und Gestaltung");
    case MenueBefehl::Lesen: return tr("Im Text weiterlesen");
    case MenueBefehl::Album: return tr("Das Album mit den Bildern");
    case MenueBefehl::Hilfe: return tr("Hilfe zum Programm");
    case MenueBefehl::Suchen: return tr("Suchen im Text, in der Hilfe oder in den Bildern");
    case MenueBefehl::Bildlauf: return tr("Bildlauf: die Bilder nacheinander zeigen");
    case MenueBefehl::Drucken: return tr("Drucken");
    case MenueBefehl::Hintergrundbild: return tr("Hintergrundbild wählen");
    case MenueBefehl::Windowsstil: return tr("Im Fenster zeigen");
    case MenueBefehl::Beenden: return tr("Beenden");
    case MenueBefehl::Keiner: break;
    }
    return {};
}

bool BildMenue::eventFilter(QObject *obj, QEvent *event) {
    if (obj == ImageMenu && event->type() == QEvent::MouseMove) {
        const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
        Q_EMIT ImageMenuMouseMove(p.x(), p.y());
        return true;
    }
    if (obj == ImageMenu && event->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
        Q_EMIT ImageMenuMouseDown(p.x(), p.y());
        return true;
    }
    if ((obj == ImageFundliste || obj == LabelFundliste) && event->type() == QEvent::MouseButtonPress) {
        Q_EMIT fundlisteGeklickt();
        return true;
    }
    for (int i = 0; i < 4; ++i)
        if (obj == LesezeichenU[size_t(i)] && event->type() == QEvent::MouseButtonPress) {
            Q_EMIT lesezeichenGeklickt(i + 1);
            return true;
        }
    if (event->type() == QEvent::MouseMove && obj != PanelMenue) {
        int nummer = 0;
        for (int i = 0; i < 4; ++i)
            if (obj == LesezeichenU[size_t(i)]) nummer = i + 1;
        if (obj == ImageFundliste || obj == LabelFundliste) nummer = kFundliste;
        Q_EMIT lesezeichenMausBewegt(nummer);
        return true; // the strip beneath would speak of itself
    }
    return QWidget::eventFilter(obj, event);
}

} // namespace app
