// The cache of the hyphenation tables: written once per dictionary file, mapped at use.
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
    std::shared_ptr<void> abbild = TrennmusterSeiten(size_t(laenge), f.handle());
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
        e->zustandsSeiten = TrennmusterSeiten(size_t(ek.zustaende) * sizeof(HyphenState));
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

} // namespace authoring
