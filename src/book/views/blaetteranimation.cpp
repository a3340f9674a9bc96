#include "book/views/blaetteranimation.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace book {

Blattlage BlattlageBei(double t, int buchbreite, bool vorwaerts) {
    const double ruecken = buchbreite / 2.0;
    // The leaf turns on the spine: its visible width follows the cosine of the angle.
    const double c = std::cos(M_PI * std::clamp(t, 0.0, 1.0));
    const bool rueckseite = c < 0;
    const double breite = ruecken * std::abs(c);
    // Forward the leaf starts on the right and lands on the left; back the other way.
    const bool rechts = vorwaerts != rueckseite;
    return {rechts ? ruecken : ruecken - breite, breite, rueckseite};
}

Blaetteranimation::Blaetteranimation(QWidget *buch) : QWidget(buch) {
    setObjectName("Blaetteranimation");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent); // every frame covers the whole book
    hide();
    lauf_.setDuration(kDauerMs);
    lauf_.setStartValue(0.0);
    lauf_.setEndValue(1.0);
    connect(&lauf_, &QVariantAnimation::valueChanged, this, [this](const QVariant &wert) {
        const double vorher = t_;
        t_ = wert.toDouble();
        update(Veraendert(vorher, t_));
    });
    connect(&lauf_, &QVariantAnimation::finished, this, &Blaetteranimation::beenden);
}

void Blaetteranimation::starten(const QPixmap &vorher, const QPixmap &nachher, bool vorwaerts) {
    vorher_ = vorher;
    nachher_ = nachher;
    vorwaerts_ = vorwaerts;
    t_ = 0;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    lauf_.start();
}

void Blaetteranimation::beenden() {
    lauf_.stop();
    hide();
    vorher_ = nachher_ = QPixmap();
}

void Blaetteranimation::anhalten(double t) {
    lauf_.stop();
    t_ = t;
    update();
}

QRect Blaetteranimation::Veraendert(double von, double bis) const {
    // Beside the leaf only its shadow changes; the rest shows the same halves as before.
    constexpr double kSchattenRand = 30;
    auto band = [this](double t) {
        const Blattlage l = BlattlageBei(t, width(), vorwaerts_);
        return QRectF(l.links - kSchattenRand, 0, l.breite + 2 * kSchattenRand, height());
    };
    return band(von).united(band(bis)).toAlignedRect().intersected(rect());
}

void Blaetteranimation::paintEvent(QPaintEvent *) {
    if (vorher_.isNull() || nachher_.isNull()) return;
    QPainter p(this);
    const double w = width(), h = height(), ruecken = w / 2;
    // Source rectangles are in the pictures' device pixels.
    auto aus = [](const QPixmap &bild, double x, double breite) {
        const double f = bild.devicePixelRatio();
        return QRectF(x * f, 0, breite * f, bild.height());
    };
    const Blattlage lage = BlattlageBei(t_, int(w), vorwaerts_);
    const bool rechteHaelfte = vorwaerts_ != lage.rueckseite;
    // Beneath the leaf: the half it leaves still shows the old spread, the half it
    // uncovers already the new one. What the leaf covers is not drawn twice.
    const QPixmap &linksUnten = vorwaerts_ ? vorher_ : nachher_;
    const QPixmap &rechtsUnten = vorwaerts_ ? nachher_ : vorher_;
    const double linksFrei = rechteHaelfte ? ruecken : ruecken - lage.breite;
    const double rechtsAb = rechteHaelfte ? ruecken + lage.breite : ruecken;
    p.drawPixmap(QRectF(0, 0, linksFrei, h), linksUnten, aus(linksUnten, 0, linksFrei));
    p.drawPixmap(QRectF(rechtsAb, 0, w - rechtsAb, h), rechtsUnten, aus(rechtsUnten, rechtsAb, w - rechtsAb));
    if (lage.breite < 0.5) return;
    // The leaf shows the turned half of the old spread, then from its back the other
    // half of the new one.
    const QPixmap &blatt = lage.rueckseite ? nachher_ : vorher_;
    const double quelle = rechteHaelfte ? ruecken : 0;
    const QRectF ziel(lage.links, 0, lage.breite, h);
    p.drawPixmap(ziel, blatt, aus(blatt, quelle, ruecken));
    // The more the leaf stands up, the less light it catches, and it casts a shadow
    // on the page it uncovers.
    const double steil = 1.0 - lage.breite / ruecken;
    p.fillRect(ziel, QColor(0, 0, 0, int(90 * steil)));
    const double rand = rechteHaelfte ? lage.links + lage.breite : lage.links;
    const double schatten = 24 * steil + 4;
    QLinearGradient verlauf(rand, 0, rechteHaelfte ? rand + schatten : rand - schatten, 0);
    verlauf.setColorAt(0, QColor(0, 0, 0, 110));
    verlauf.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(rechteHaelfte ? rand : rand - schatten, 0, schatten, h), verlauf);
}

} // namespace book
