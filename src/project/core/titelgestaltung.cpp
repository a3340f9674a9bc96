#include "project/core/titelgestaltung.h"

#include "book/core/ziffernwert.h"

namespace projekt {

Titelgestaltung Titelgestaltung::aus(const Einstellungen &e) {
    auto zahl = [&e](const char *schluessel) { return book::ZiffernWert(e.wert(QLatin1String(schluessel))); };
    Titelgestaltung t;
    t.titel = e.wert("Title");
    t.titelLinks = zahl("Title.Left");
    t.titelOben = zahl("Title.Top");
    t.titelGroesse = zahl("Title.FontSize");
    t.schattenLinks = zahl("Shadow.Left");
    t.schattenOben = zahl("Shadow.Top");
    t.buchtitelOben = zahl("Title1.Top");
    t.untertitel = e.wert("Title2");
    t.untertitelOben = zahl("Title2.Top");
    t.buchtitelGroesse = zahl("Title1.FontSize");
    t.untertitelGroesse = zahl("Title2.FontSize");
    return t;
}

void Titelgestaltung::eintragen(Einstellungen &e) const {
    const auto zahl = [](int wert) { return QString::number(wert); };
    e.setzen("Title", titel);
    e.setzen("Title.Left", zahl(titelLinks));
    e.setzen("Title.Top", zahl(titelOben));
    e.setzen("Title.FontSize", zahl(titelGroesse));
    e.setzen("Shadow.Left", zahl(schattenLinks));
    e.setzen("Shadow.Top", zahl(schattenOben));
    e.setzen("Title1.Top", zahl(buchtitelOben));
    e.setzen("Title2", untertitel);
    e.setzen("Title2.Top", zahl(untertitelOben));
    e.setzen("Title1.FontSize", zahl(buchtitelGroesse));
    e.setzen("Title2.FontSize", zahl(untertitelGroesse));
}

} // namespace projekt
