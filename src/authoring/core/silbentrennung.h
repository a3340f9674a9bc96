#pragma once
// German hyphenation for the text import: where a word may be split with a hyphen,
// from the patterns word processors use (the hyphenation library and its German
// dictionary). The import asks only the `Worttrennung` interface.
#include "authoring/core/textimport.h"

#include <QHash>
#include <QString>
#include <memory>

struct _HyphenDict;

namespace authoring {

class Silbentrennung : public Worttrennung {
public:
    // Where the German patterns are looked for.
    static QString musterDatei();
    // The patterns of `datei`, or nothing when they cannot be read.
    static std::unique_ptr<Silbentrennung> laden(const QString &datei = musterDatei());
    ~Silbentrennung() override;

    QList<int> trennstellen(QByteArrayView wort) override;

private:
    explicit Silbentrennung(_HyphenDict *muster) : muster_(muster) {}
    _HyphenDict *muster_;
    QHash<QByteArray, QList<int>> gemerkt_; // prose repeats its words
};

} // namespace authoring
