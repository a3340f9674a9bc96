#pragma once
// One level of the hyphenation tables as their reader builds them and their cache
// stores them: the library's structures, with the memory that holds them.
#include "authoring/core/trennmuster.h"

#include <QtGlobal>
#include <hyphen.h>
#include <memory>
#include <vector>

namespace authoring {

// The transitions while the trie grows: (state, character) to the next state, in a
// table of open addressing that doubles when half full.
class Kanten {
public:
    Kanten() { leeren(1 << 12); }
    int finden(int von, char c) const {
        const quint64 k = schluessel(von, c);
        for (size_t i = platz(k);; i = (i + 1) & maske_) {
            if (eintraege_[i].schluessel == k) return eintraege_[i].nach;
            if (eintraege_[i].schluessel == 0) return -1;
        }
    }
    void einfuegen(int von, char c, int nach) {
        if (2 * (anzahl_ + 1) > eintraege_.size()) {
            std::vector<Eintrag> alt;
            alt.swap(eintraege_);
            leeren(alt.size() * 2);
            for (const Eintrag &e : alt)
                if (e.schluessel) setzen(e.schluessel, e.nach);
        }
        setzen(schluessel(von, c), nach);
        ++anzahl_;
    }

private:
    struct Eintrag {
        quint64 schluessel = 0; // 0: free
        int nach = -1;
    };
    static quint64 schluessel(int von, char c) { return ((quint64(von) << 8) | static_cast<unsigned char>(c)) + 1; }
    size_t platz(quint64 k) const { return size_t((k * 0x9E3779B97F4A7C15ull) >> 20) & maske_; }
    void leeren(size_t groesse) {
        eintraege_.assign(groesse, Eintrag());
        maske_ = groesse - 1;
    }
    void setzen(quint64 k, int nach) {
        size_t i = platz(k);
        while (eintraege_[i].schluessel != 0)
            i = (i + 1) & maske_;
        eintraege_[i] = {k, nach};
    }
    std::vector<Eintrag> eintraege_;
    size_t maske_ = 0;
    size_t anzahl_ = 0;
};

struct Trennmuster::Ebene {
    struct Knoten {
        int erstesKind = -1;
        int naechster = -1; // the next child of the same parent
        char zeichen = 0;
        int match = -1; // offsets into `texte`, -1 for none
        int repl = -1;
        signed char replindex = 0;
        signed char replcut = 0;
        int fallback = -1;
    };
    std::vector<Knoten> knoten{Knoten()};
    std::vector<char> texte;
    std::string nohyphen;
    std::shared_ptr<void> zustandsSeiten;
    HyphenState *states = nullptr; // every field is set
    std::vector<HyphenTrans> trans;
    HyphenDict dict{};
    // Where the strings and transitions lie: in the vectors above, or in a mapped cache.
    const char *textBasis = nullptr;
    size_t textLaenge = 0;
    const HyphenTrans *transBasis = nullptr;
    size_t transAnzahl = 0;

    int text(const char *s) {
        const int anfang = int(texte.size());
        texte.insert(texte.end(), s, s + std::strlen(s) + 1);
        return anfang;
    }
    Kanten kanten;
    int kind(int k, char c) const { return kanten.finden(k, c); }
    // The state of `wort`, made with the states of its beginnings when it is new.
    int zustand(const char *wort) {
        int k = 0;
        for (const char *p = wort; *p; ++p) {
            int weiter = kind(k, *p);
            if (weiter < 0) {
                weiter = int(knoten.size());
                Knoten neu;
                neu.zeichen = *p;
                neu.naechster = knoten[size_t(k)].erstesKind;
                knoten.push_back(neu);
                knoten[size_t(k)].erstesKind = weiter;
                kanten.einfuegen(k, *p, weiter);
            }
            k = weiter;
        }
        return k;
    }

    void zeile(char *buf);
    bool abschliessen(); // false when memory for the tables cannot be had
};

} // namespace authoring
