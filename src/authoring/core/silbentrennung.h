#pragma once
// German hyphenation for the text import: where a word may be split with a hyphen,
// from the patterns word processors use (the hyphenation library and its German
// dictionary). The import asks only the `Worttrennung` interface.
#include "authoring/core/textimport.h"
#include "authoring/core/trennmuster.h"

#include <QHash>
#include <QString>
#include <memory>

namespace authoring {

class Silbentrennung : public Worttrennung {
public:
    // The German patterns in the system's hyphenation folder ("hyphen" in the data
    // folders, the user's own first); where they belong when they are missing.
    static QString musterDatei();
    static bool musterVorhanden();
    // The patterns of `datei`, or nothing when they cannot be read.
    static std::unique_ptr<Silbentrennung> laden(const QString &datei = musterDatei());
    ~Silbentrennung() override;

    QList<int> trennstellen(QByteArrayView wort) override;

private:
    explicit Silbentrennung(std::unique_ptr<Trennmuster> muster) : muster_(std::move(muster)) {}
    std::unique_ptr<Trennmuster> muster_;
    QHash<QByteArray, QList<int>> gemerkt_; // prose repeats its words
};

} // namespace authoring
