#include "authoring/core/trennmuster.h"

#include "platform/files.h"
#include "platform/inputfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtGlobal>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <hyphen.h>
#include <string>
#include <sys/mman.h>

namespace authoring {

// The dictionary file is read in the pieces the library's loader reads it in: a line
// with its LF, at most one byte less than the loader's buffer (a longer line goes on in
// the next piece). The first line, the character set, is read into a smaller buffer.
namespace {

constexpr int kPuffer = MAX_CHARS;

// Pages of their own, or of a file, brought in whole by one call rather than a fault
// each: the tables are large and every page of them is used.
std::shared_ptr<void> seiten(size_t laenge, int datei = -1) {
    if (datei >= 0) {
        void *p = ::mmap(nullptr, qMax<size_t>(laenge, 1), PROT_READ, MAP_PRIVATE | MAP_POPULATE, datei, 0);
        if (p == MAP_FAILED) return nullptr;
        return std::shared_ptr<void>(p, [laenge](void *q) { ::munmap(q, qMax<size_t>(laenge, 1)); });
    }
    // Own pages in large pages where the system offers them: a few faults, not thousands.
    constexpr size_t kGross = size_t(2) << 20;
    const size_t ganz = (qMax<size_t>(laenge, 1) + kGross - 1) / kGross * kGross + kGross;
    void *p = ::mmap(nullptr, ganz, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
    auto *anfang = reinterpret_cast<char *>((reinterpret_cast<quintptr>(p) + kGross - 1) / kGross * kGross);
    ::madvise(anfang, ganz - kGross, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    ::madvise(anfang, ganz - kGross, MADV_POPULATE_WRITE); // older systems fault page by page
#endif
    return std::shared_ptr<void>(anfang, [p, ganz](void *) { ::munmap(p, ganz); });
}

class Zeilenleser {
public:
    explicit Zeilenleser(QByteArrayView daten) : daten_(daten) {}
    // The next piece into `puffer` (NUL-terminated); false at the end of the file.
    bool naechste(char *puffer, int groesse) {
        if (pos_ >= daten_.size()) return false;
        int n = 0;
        while (n < groesse - 1 && pos_ < daten_.size()) {
            const char c = daten_[pos_++];
            puffer[n++] = c;
            if (c == '\n') break;
        }
        puffer[n] = '\0';
        return true;
    }

private:
    QByteArrayView daten_;
    qsizetype pos_ = 0;
};

} // namespace

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

// One line of a level: an option, or a pattern such as "1ba" or "f1f/ff=f,1,2".
void Trennmuster::Ebene::zeile(char *buf) {
    struct Option {
        const char *name;
        char *wert;
    };
    for (const Option &o :
         {Option{"LEFTHYPHENMIN", &dict.lhmin}, Option{"RIGHTHYPHENMIN", &dict.rhmin},
          Option{"COMPOUNDLEFTHYPHENMIN", &dict.clhmin}, Option{"COMPOUNDRIGHTHYPHENMIN", &dict.crhmin}}) {
        const size_t n = std::strlen(o.name);
        if (std::strncmp(buf, o.name, n) == 0) {
            *o.wert = char(std::atoi(buf + n));
            return;
        }
    }
    if (std::strncmp(buf, "NOHYPHEN", 8) == 0) {
        // A list of sequences, separated by commas; the line's last byte (its LF) goes.
        const char *p = buf + 8;
        while (*p == ' ' || *p == '\t')
            ++p;
        nohyphen = p;
        if (!nohyphen.empty()) nohyphen.pop_back();
        dict.nohyphenl = 0; // the latest list counts (the library adds the counts up)
        for (size_t i = nohyphen.size(); i-- > 1;) {
            if (nohyphen[i] == ',') {
                nohyphen[i] = '\0';
                ++dict.nohyphenl;
            }
        }
        return;
    }
    // A replacement after "/": its text, and where it starts and how much it replaces.
    char *ersatz = std::strchr(buf, '/');
    int replText = -1;
    signed char replindex = 0;
    signed char replcut = 0;
    if (ersatz) {
        *ersatz = '\0';
        if (char *komma = std::strchr(ersatz + 1, ',')) {
            char *komma2 = std::strchr(komma + 1, ',');
            *komma = '\0';
            if (komma2) {
                *komma2 = '\0';
                replindex = static_cast<signed char>(static_cast<signed char>(std::atoi(komma + 1)) - 1);
                replcut = static_cast<signed char>(std::atoi(komma2 + 1));
            }
        } else {
            // Without positions: the whole text before the "/", its line end dropped.
            char *ende = ersatz + 1;
            const size_t laenge = std::strlen(ende);
            if (laenge > 0 && (ende[laenge - 1] == '\r' || ende[laenge - 1] == '\n')) ende[laenge - 1] = '\0';
            if (laenge > 1 && ende[laenge - 2] == '\r') ende[laenge - 2] = '\0';
            replcut = static_cast<signed char>(std::strlen(buf));
        }
        replText = text(ersatz + 1);
    }
    // The letters form the word; a digit gives the weight between two letters.
    char wort[kPuffer + 1];
    char muster[kPuffer + 2];
    int j = 0;
    muster[0] = '0';
    for (int i = 0; static_cast<unsigned char>(buf[i]) > ' '; ++i) {
        if (buf[i] >= '0' && buf[i] <= '9') {
            muster[j] = buf[i];
        } else {
            wort[j] = buf[i];
            muster[++j] = '0';
        }
    }
    wort[j] = '\0';
    muster[j + 1] = '\0';
    const char *match = muster;
    if (!ersatz) {
        while (*match == '0') // leading zeros weigh nothing
            ++match;
    } else {
        const size_t punkt = wort[0] == '.' ? 1 : 0;
        if (dict.utf8) {
            // Positions of a UTF-8 dictionary count characters: made byte positions here.
            int zeichen = -1;
            int start = -1;
            for (size_t b = punkt; b <= std::strlen(wort); ++b) {
                if ((static_cast<unsigned char>(wort[b]) >> 6) != 2) ++zeichen;
                if (start < 0 && zeichen == replindex) {
                    start = replindex;
                    replindex = static_cast<signed char>(b);
                }
                if (start >= 0 && zeichen - start == replcut) {
                    replcut = static_cast<signed char>(int(b) - replindex);
                    break;
                }
            }
            if (punkt) --replindex;
        }
        match += punkt;
    }
    Knoten &k = knoten[size_t(zustand(wort))];
    k.match = text(match);
    k.repl = replText;
    k.replindex = replindex;
    k.replcut = replcut ? replcut : static_cast<signed char>(std::strlen(wort));
}

// Fallbacks, level by level from the start: a state falls back to the longest end of
// its word that is a state itself (the empty word, state 0, has none).
bool Trennmuster::Ebene::abschliessen() {
    // Breadth first: every state's fallback is shorter and so numbered before it, which
    // the cache's check relies on (a walk of fallbacks always ends).
    std::vector<int> reihe{0};
    reihe.reserve(knoten.size());
    for (size_t r = 0; r < reihe.size(); ++r) {
        const int k = reihe[r];
        for (int i = knoten[size_t(k)].erstesKind; i >= 0; i = knoten[size_t(i)].naechster) {
            int ziel = -1;
            if (k == 0) {
                ziel = 0;
            } else {
                int f = knoten[size_t(k)].fallback;
                while (f >= 0 && (ziel = kind(f, knoten[size_t(i)].zeichen)) < 0)
                    f = knoten[size_t(f)].fallback;
                if (f < 0) ziel = 0;
            }
            knoten[size_t(i)].fallback = ziel;
            reihe.push_back(i);
        }
    }
    std::vector<int> nummer(knoten.size());
    for (size_t r = 0; r < reihe.size(); ++r)
        nummer[size_t(reihe[r])] = int(r);
    // The library's tables: the states in that order, each one's transitions together.
    zustandsSeiten = seiten(knoten.size() * sizeof(HyphenState));
    if (!zustandsSeiten) return false;
    states = static_cast<HyphenState *>(zustandsSeiten.get());
    trans.reserve(knoten.size());
    for (size_t s = 0; s < reihe.size(); ++s) {
        const Knoten &k = knoten[size_t(reihe[s])];
        HyphenState &h = states[s];
        h.match = k.match >= 0 ? texte.data() + k.match : nullptr;
        h.repl = k.repl >= 0 ? texte.data() + k.repl : nullptr;
        h.replindex = k.replindex;
        h.replcut = k.replcut;
        h.fallback_state = k.fallback >= 0 ? nummer[size_t(k.fallback)] : -1;
        h.num_trans = 0;
        h.trans = nullptr;
        for (int i = k.erstesKind; i >= 0; i = knoten[size_t(i)].naechster) {
            trans.push_back(HyphenTrans{knoten[size_t(i)].zeichen, nummer[size_t(i)]});
            ++h.num_trans;
        }
    }
    size_t t = 0;
    for (size_t s = 0; s < reihe.size(); ++s) {
        HyphenState &h = states[s];
        if (h.num_trans > 0) h.trans = trans.data() + t;
        t += size_t(h.num_trans);
    }
    textBasis = texte.data();
    textLaenge = texte.size();
    transBasis = trans.data();
    transAnzahl = trans.size();
    dict.num_states = int(reihe.size());
    dict.states = states;
    // An empty list would match everywhere (and outside the word): it counts as none.
    dict.nohyphen = nohyphen.empty() ? nullptr : nohyphen.data();
    std::vector<Knoten>().swap(knoten);
    kanten = Kanten();
    return true;
}

// The cache: the tables of both levels as they are in memory, with offsets for
// pointers, made for one dictionary file (its path, size and time) by this program.
namespace {

constexpr char kMagie[8] = {'P', 'G', 'T', 'R', 'E', 'N', 'N', '1'};

struct Kopf {
    char magie[8];
    quint32 laengen; // sizeof of the records below, so a changed layout never reads an old file
    quint32 zweiteEbene;
    qint64 groesse;
    qint64 zeit;
    quint64 pfad;
    quint64 pruefsumme; // of everything after the header
};

struct EbenenKopf {
    char lhmin, rhmin, clhmin, crhmin;
    qint32 nohyphenl;
    qint32 utf8;
    char cset[MAX_NAME];
    qint32 nohyphen; // bytes with the NUL, 0 for none
    qint32 zustaende;
    qint32 kanten;
    qint32 texte;
};

struct Zustand {
    qint32 match, repl; // offsets into the strings, -1 for none
    qint32 fallback;
    qint32 kanten; // the first transition
    qint32 anzahl;
    signed char replindex, replcut;
    char frei[2];
};

constexpr quint32 kLaengen = sizeof(Kopf) | sizeof(EbenenKopf) << 8 | sizeof(Zustand) << 16 | sizeof(HyphenTrans) << 24;

qsizetype aufgerundet(qsizetype n) {
    return (n + 7) & ~qsizetype(7);
}

// A checksum of the 8-byte words (the cache is a multiple of 8 bytes long), two running
// sums as in Fletcher's: it sees changed, lost and swapped words at a fraction of the
// cost of reading the tables.
quint64 pruefsumme(const char *p, qsizetype n) {
    quint64 a = 1, b = 0;
    for (qsizetype i = 0; i + 8 <= n; i += 8) {
        quint64 w;
        std::memcpy(&w, p + i, 8);
        a += w;
        b += a;
    }
    return a ^ (b * 0x9E3779B97F4A7C15ull);
}

} // namespace

QString Trennmuster::zwischenspeicherFuer(const QString &datei) {
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (ordner.isEmpty()) return {};
    return ordner + "/pagora/trennmuster-" + QFileInfo(datei).completeBaseName() + ".bin";
}

std::unique_ptr<Trennmuster> Trennmuster::lesen(const QString &datei, const QString &zwischenspeicher) {
    QFile f(datei);
    const QFileInfo info(datei);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) return nullptr;
    const qint64 groesse = f.size();
    if (groesse <= 0 || groesse > (qint64(64) << 20)) return nullptr;
    const qint64 zeit = info.lastModified().toMSecsSinceEpoch();
    const quint64 pfad = qHash(info.canonicalFilePath());
    if (!zwischenspeicher.isEmpty()) {
        if (auto m = ausZwischenspeicher(zwischenspeicher, groesse, zeit, pfad)) return m;
    }
    const uchar *karte = f.map(0, groesse);
    auto m = karte ? ausBytes(QByteArrayView(reinterpret_cast<const char *>(karte), groesse)) : ausBytes(f.readAll());
    if (m && !zwischenspeicher.isEmpty()) m->zwischenspeichern(zwischenspeicher, groesse, zeit, pfad);
    return m;
}

void Trennmuster::zwischenspeichern(const QString &ziel, qint64 groesse, qint64 zeit, quint64 pfad) const {
    QByteArray b;
    auto anhaengen = [&b](const void *p, qsizetype n) {
        b.append(static_cast<const char *>(p), n);
        b.append(aufgerundet(b.size()) - b.size(), '\0');
    };
    Kopf k{};
    std::memcpy(k.magie, kMagie, sizeof kMagie);
    k.laengen = kLaengen;
    k.zweiteEbene = erste_ == &ebenen_[0]->dict ? 1 : 0;
    k.groesse = groesse;
    k.zeit = zeit;
    k.pfad = pfad;
    anhaengen(&k, sizeof k);
    for (const auto &e : ebenen_) {
        const HyphenDict &d = e->dict;
        EbenenKopf ek{};
        ek.lhmin = d.lhmin;
        ek.rhmin = d.rhmin;
        ek.clhmin = d.clhmin;
        ek.crhmin = d.crhmin;
        ek.nohyphenl = d.nohyphenl;
        ek.utf8 = d.utf8;
        std::memcpy(ek.cset, d.cset, MAX_NAME);
        ek.nohyphen = d.nohyphen ? qint32(e->nohyphen.size() + 1) : 0;
        ek.zustaende = d.num_states;
        ek.kanten = qint32(e->transAnzahl);
        ek.texte = qint32(e->textLaenge);
        anhaengen(&ek, sizeof ek);
        anhaengen(e->nohyphen.c_str(), ek.nohyphen);
        std::vector<Zustand> zustaende(size_t(d.num_states));
        for (int i = 0; i < d.num_states; ++i) {
            const HyphenState &h = d.states[i];
            Zustand &z = zustaende[size_t(i)];
            z.match = h.match ? qint32(h.match - e->textBasis) : -1;
            z.repl = h.repl ? qint32(h.repl - e->textBasis) : -1;
            z.fallback = h.fallback_state;
            z.kanten = h.trans ? qint32(h.trans - e->transBasis) : 0;
            z.anzahl = h.num_trans;
            z.replindex = h.replindex;
            z.replcut = h.replcut;
        }
        anhaengen(zustaende.data(), qsizetype(zustaende.size() * sizeof(Zustand)));
        anhaengen(e->transBasis, qsizetype(e->transAnzahl * sizeof(HyphenTrans)));
        anhaengen(e->textBasis, qsizetype(e->textLaenge));
    }
    Kopf fertig;
    std::memcpy(&fertig, b.constData(), sizeof fertig);
    fertig.pruefsumme = pruefsumme(b.constData() + aufgerundet(sizeof(Kopf)), b.size() - aufgerundet(sizeof(Kopf)));
    std::memcpy(b.data(), &fertig, sizeof fertig);
    // A cache is a convenience: when it cannot be written, the next run reads the file.
    const platform::Files dateien;
    dateien.makeFolder(dateien.stored(QFileInfo(ziel).absolutePath() + '/'));
    dateien.write(dateien.stored(ziel), b);
}

// Reads a cache made for the same dictionary; every offset and state number in it is
// checked, so a damaged file is refused rather than followed.
std::unique_ptr<Trennmuster> Trennmuster::ausZwischenspeicher(const QString &datei, qint64 groesse, qint64 zeit,
                                                              quint64 pfad) {
    if (platform::checkInput(datei, qint64(1) << 30) != platform::InputCheck::Ok) return nullptr;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return nullptr;
    const qint64 laenge = f.size();
    if (laenge < qint64(sizeof(Kopf))) return nullptr;
    std::shared_ptr<void> abbild = seiten(size_t(laenge), f.handle());
    if (!abbild) return nullptr;
    const auto *karte = static_cast<const uchar *>(abbild.get());
    const char *p = reinterpret_cast<const char *>(karte);
    Kopf k;
    std::memcpy(&k, p, sizeof k);
    if (std::memcmp(k.magie, kMagie, sizeof kMagie) != 0 || k.laengen != kLaengen || k.groesse != groesse ||
        k.zeit != zeit || k.pfad != pfad || laenge % 8 != 0 ||
        k.pruefsumme != pruefsumme(p + aufgerundet(sizeof k), laenge - aufgerundet(sizeof k)))
        return nullptr;
    std::unique_ptr<Trennmuster> m(new Trennmuster);
    qsizetype pos = aufgerundet(sizeof k);
    auto nehmen = [&](qsizetype n) -> const char * {
        if (n < 0 || pos + n > laenge) return nullptr;
        const char *q = p + pos;
        pos = aufgerundet(pos + n);
        return q;
    };
    for (int ebene = 0; ebene < 2; ++ebene) {
        const char *q = nehmen(sizeof(EbenenKopf));
        if (!q) return nullptr;
        EbenenKopf ek;
        std::memcpy(&ek, q, sizeof ek);
        if (ek.zustaende < 1 || ek.kanten < 0 || ek.texte < 1 || ek.nohyphen < 0) return nullptr;
        auto e = std::make_unique<Ebene>();
        HyphenDict &d = e->dict;
        d.lhmin = ek.lhmin;
        d.rhmin = ek.rhmin;
        d.clhmin = ek.clhmin;
        d.crhmin = ek.crhmin;
        d.nohyphenl = ek.nohyphenl;
        d.utf8 = ek.utf8;
        std::memcpy(d.cset, ek.cset, MAX_NAME);
        d.cset[MAX_NAME - 1] = '\0';
        const char *nohyphen = nehmen(ek.nohyphen);
        const auto *zustaende = reinterpret_cast<const Zustand *>(nehmen(qsizetype(ek.zustaende) * sizeof(Zustand)));
        const auto *kanten = reinterpret_cast<const HyphenTrans *>(nehmen(qsizetype(ek.kanten) * sizeof(HyphenTrans)));
        const char *texte = nehmen(ek.texte);
        if (!nohyphen || !zustaende || !kanten || !texte || texte[ek.texte - 1] != '\0') return nullptr;
        if (ek.nohyphen > 0) {
            // The pieces the library walks through must all lie inside the list.
            if (nohyphen[ek.nohyphen - 1] != '\0' || ek.nohyphenl < 0 ||
                std::count(nohyphen, nohyphen + ek.nohyphen, '\0') < ek.nohyphenl + 1)
                return nullptr;
            e->nohyphen.assign(nohyphen, size_t(ek.nohyphen - 1));
            d.nohyphen = e->nohyphen.data();
        }
        for (qint32 i = 0; i < ek.kanten; ++i)
            if (kanten[i].new_state < 0 || kanten[i].new_state >= ek.zustaende) return nullptr;
        e->zustandsSeiten = seiten(size_t(ek.zustaende) * sizeof(HyphenState));
        if (!e->zustandsSeiten) return nullptr;
        e->states = static_cast<HyphenState *>(e->zustandsSeiten.get());
        auto *textfeld = const_cast<char *>(texte); // the library only reads them
        auto *kantenfeld = const_cast<HyphenTrans *>(kanten);
        for (qint32 i = 0; i < ek.zustaende; ++i) {
            const Zustand &z = zustaende[i];
            if (z.match < -1 || z.match >= ek.texte || z.repl < -1 || z.repl >= ek.texte || z.fallback < -1 ||
                z.fallback >= ek.zustaende || z.anzahl < 0 || z.kanten < 0 || z.kanten > ek.kanten - z.anzahl)
                return nullptr;
            HyphenState &h = e->states[size_t(i)];
            h.match = z.match >= 0 ? textfeld + z.match : nullptr;
            h.repl = z.repl >= 0 ? textfeld + z.repl : nullptr;
            h.replindex = z.replindex;
            h.replcut = z.replcut;
            h.fallback_state = z.fallback;
            h.num_trans = z.anzahl;
            h.trans = z.anzahl > 0 ? kantenfeld + z.kanten : nullptr;
        }
        // Only the empty word has no fallback, and every fallback is numbered before its
        // state: the hyphenation's walk through them always ends.
        if (e->states[0].fallback_state != -1) return nullptr;
        for (qint32 i = 1; i < ek.zustaende; ++i)
            if (e->states[size_t(i)].fallback_state < 0 || e->states[size_t(i)].fallback_state >= i) return nullptr;
        e->textBasis = texte;
        e->textLaenge = size_t(ek.texte);
        e->transBasis = kanten;
        e->transAnzahl = size_t(ek.kanten);
        d.num_states = ek.zustaende;
        d.states = e->states;
        m->ebenen_.push_back(std::move(e));
    }
    m->verknuepfen(k.zweiteEbene != 0);
    m->karte_ = std::move(abbild);
    return m;
}

void Trennmuster::verknuepfen(bool zweiteEbene) {
    HyphenDict &erste = ebenen_[0]->dict;
    HyphenDict &zweite = ebenen_[1]->dict;
    if (zweiteEbene) {
        // Compound words first, then the patterns within each part.
        erste.nextlevel = &zweite;
        erste_ = &erste;
    } else {
        zweite.nextlevel = &erste;
        zweite.lhmin = erste.lhmin;
        zweite.rhmin = erste.rhmin;
        zweite.clhmin = erste.clhmin ? erste.clhmin : (erste.lhmin ? erste.lhmin : 3);
        zweite.crhmin = erste.crhmin ? erste.crhmin : (erste.rhmin ? erste.rhmin : 3);
        erste_ = &zweite;
    }
}

std::unique_ptr<Trennmuster> Trennmuster::ausBytes(QByteArrayView bytes) {
    if (bytes.isEmpty()) return nullptr;
    std::unique_ptr<Trennmuster> m(new Trennmuster);
    Zeilenleser leser(bytes);
    char buf[kPuffer];
    bool zweiteEbene = false;
    for (int k = 0; k < 2; ++k) {
        auto ebene = std::make_unique<Ebene>();
        HyphenDict &d = ebene->dict;
        if (k == 0) {
            // The character set, on the first line.
            if (leser.naechste(d.cset, MAX_NAME)) {
                for (char &c : d.cset)
                    if (c == '\r' || c == '\n') c = '\0';
            }
            d.utf8 = std::strcmp(d.cset, "UTF-8") == 0;
        } else {
            std::memcpy(d.cset, m->ebenen_[0]->dict.cset, MAX_NAME);
            d.cset[MAX_NAME - 1] = '\0';
            d.utf8 = m->ebenen_[0]->dict.utf8;
        }
        if (k == 0 || zweiteEbene) {
            // Lines up to "NEXTLEVEL", which starts the second level; "%" starts a comment.
            while (leser.naechste(buf, kPuffer)) {
                if (std::strncmp(buf, "NEXTLEVEL", 9) == 0) {
                    zweiteEbene = true;
                    break;
                }
                if (buf[0] != '%') ebene->zeile(buf);
            }
        } else {
            // Without a second level of its own, the standard one: words are split at
            // their hyphens and apostrophes, never beside them.
            const char *standard[] = {d.utf8 ? "NOHYPHEN ',\xe2\x80\x93,\xe2\x80\x99,-\n" : "NOHYPHEN ',-\n", "1-1\n",
                                      "1'1\n",
                                      "1\xe2\x80\x93"
                                      "1\n",
                                      "1\xe2\x80\x99"
                                      "1\n"};
            for (size_t i = 0; i < (d.utf8 ? 5u : 3u); ++i) {
                std::strncpy(buf, standard[i], kPuffer - 1);
                buf[kPuffer - 1] = '\0';
                ebene->zeile(buf);
            }
        }
        if (!ebene->abschliessen()) return nullptr;
        m->ebenen_.push_back(std::move(ebene));
    }
    m->verknuepfen(zweiteEbene);
    return m;
}

Trennmuster::~Trennmuster() = default;

} // namespace authoring
