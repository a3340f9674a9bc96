#pragma once
// The settings table of a project: 28 keys in fixed order, values held as text, and
// the key=value file it is stored in (Windows-1252, CR LF).
#include <QByteArray>
#include <QString>
#include <array>

namespace projekt {

constexpr int kEinstellungsAnzahl = 28;
constexpr int kMaxWertLaenge = 200;
constexpr int kMaxZeilenLaenge = 255;

struct Einstellung {
    QString schluessel;
    QString wert;
};

class Einstellungen {
public:
    // The table with its defaults.
    Einstellungen();

    const QString &wert(const QString &schluessel) const;
    void setzen(const QString &schluessel, const QString &wert);
    const Einstellung &operator[](int i) const { return eintraege_[size_t(i)]; }
    bool operator==(const Einstellungen &other) const;

    // Applies the lines of a settings file over the present values: a line belongs
    // to a key when it starts with exactly key + "="; the later of two lines wins.
    void lesen(const QByteArray &datei);
    // The file: the lines from the first entry that differs from `vorgaben` through
    // the last entry; empty when nothing differs.
    QByteArray schreiben(const Einstellungen &vorgaben) const;

private:
    int index(const QString &schluessel) const;
    std::array<Einstellung, kEinstellungsAnzahl> eintraege_;
};

} // namespace projekt
