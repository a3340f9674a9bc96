#include "authoring/core/trennmuster.h"

#include "authoring/core/trennmusterebene.h"
#include "authoring/core/trennmusterseiten.h"

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
    zustandsSeiten = TrennmusterSeiten(knoten.size() * sizeof(HyphenState));
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
