#include "app/core/ansicht.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

namespace app {
namespace {

constexpr double kGroessterFaktor = 8.0;
const QString kGruppe = QStringLiteral("Ansicht");
const QString kPassend = QStringLiteral("Passend");
const QString kOriginal = QStringLiteral("Original");

} // namespace

Buchgroesse Buchgroesse::ausText(const QString &text) {
    const QString t = text.trimmed();
    if (t.compare(kOriginal, Qt::CaseInsensitive) == 0) return {Art::Original, 1.0};
    bool zahl = false;
    const double f = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&zahl);
    if (zahl && std::isfinite(f) && f >= 1.0 && f <= kGroessterFaktor) return {Art::Faktor, f};
    return {Art::Passend, 1.0};
}

QString Buchgroesse::alsText() const {
    switch (art) {
    case Art::Original: return kOriginal;
    case Art::Faktor: return QString::number(faktor);
    case Art::Passend: break;
    }
    return kPassend;
}

double PassenderFaktor(int breite, int hoehe) {
    const double f = std::min(breite / 800.0, hoehe / 600.0);
    return std::clamp(std::floor(f * 4.0) / 4.0, 1.0, kGroessterFaktor);
}

double Zeichenfaktor(const Buchgroesse &groesse, int breite, int hoehe) {
    switch (groesse.art) {
    case Buchgroesse::Art::Original: return 1.0;
    // A fixed factor never makes the book larger than the screen holds it.
    case Buchgroesse::Art::Faktor: return std::min(groesse.faktor, PassenderFaktor(breite, hoehe));
    case Buchgroesse::Art::Passend: break;
    }
    return PassenderFaktor(breite, hoehe);
}

Ansicht Ansicht::lesen(QSettings &vorlieben) {
    vorlieben.beginGroup(kGruppe);
    Ansicht a;
    a.buchgroesse = Buchgroesse::ausText(vorlieben.value(QStringLiteral("Buchgroesse"), kPassend).toString());
    a.blaetternZeigen = vorlieben.value(QStringLiteral("BlaetternZeigen"), true).toBool();
    vorlieben.endGroup();
    return a;
}

void Ansicht::schreiben(QSettings &vorlieben) const {
    vorlieben.beginGroup(kGruppe);
    vorlieben.setValue(QStringLiteral("Buchgroesse"), buchgroesse.alsText());
    vorlieben.setValue(QStringLiteral("BlaetternZeigen"), blaetternZeigen);
    vorlieben.endGroup();
}

} // namespace app
