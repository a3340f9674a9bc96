#pragma once
// The patterns of a hyphenation dictionary file, read into the hyphenation library's
// own tables by a reader of ours. The library's loader spends seconds of CPU on the
// German file: it looks up every one of its 280,000 states again and again in a hash
// table of a fixed 31,627 chains. This reader builds the same automaton (the same
// states, transitions, fallbacks, matches and options, level by level) from a trie in
// one pass, so the library's hyphenation gives exactly the splits it gave before.
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <vector>

struct _HyphenDict;

namespace authoring {

class Trennmuster {
public:
    // Nothing when the file cannot be read or holds no patterns at all. The tables are
    // kept in `zwischenspeicher` once made (keyed by the file's path, size and time) and
    // mapped from there afterwards; an empty name keeps nothing.
    static std::unique_ptr<Trennmuster> lesen(const QString &datei, const QString &zwischenspeicher);
    // The user's cache for a dictionary file.
    static QString zwischenspeicherFuer(const QString &datei);
    // The bytes of a dictionary file.
    static std::unique_ptr<Trennmuster> ausBytes(QByteArrayView bytes);
    ~Trennmuster();
    Trennmuster(const Trennmuster &) = delete;
    Trennmuster &operator=(const Trennmuster &) = delete;

    // The dictionary as the library's loader returns it, for its hyphenation calls.
    // It belongs to this object: never hand it to the library's free function.
    _HyphenDict *woerterbuch() const { return erste_; }

    struct Ebene; // one level of patterns (a file may hold two)

private:
    Trennmuster() = default;
    static std::unique_ptr<Trennmuster> ausZwischenspeicher(const QString &datei, qint64 groesse, qint64 zeit,
                                                            quint64 pfad);
    void zwischenspeichern(const QString &ziel, qint64 groesse, qint64 zeit, quint64 pfad) const;
    void verknuepfen(bool zweiteEbene);

    std::vector<std::unique_ptr<Ebene>> ebenen_;
    _HyphenDict *erste_ = nullptr;
    std::shared_ptr<void> karte_; // the cache the tables lie in, mapped
};

} // namespace authoring
